// Synthesis of the sound effects from filtered noise and soft thumps.
#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace tarnik::assets {

namespace {

constexpr double kPi = 3.141592653589793;

// A small deterministic noise source (xorshift), uniform in [-1, 1).
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 1) {}
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ & 0xFFFFFF) / double(0x800000) - 1.0;
  }
  // Uniform in [lo, hi).
  double Range(double lo, double hi) { return lo + (hi - lo) * (Next() + 1) / 2; }

 private:
  uint32_t state_;
};

// A second-order band-pass filter (constant peak gain).
class BandPass {
 public:
  BandPass(double centre, double q) {
    const double w = 2 * kPi * centre / kSampleRate, alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    b0_ = alpha / a0, b2_ = -alpha / a0;
    a1_ = -2 * std::cos(w) / a0, a2_ = (1 - alpha) / a0;
  }
  double Step(double x) {
    const double y = b0_ * x + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
    return y;
  }

 private:
  double b0_, b2_, a1_, a2_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Adds one short tap of filtered noise starting at sample `at`: a quick
// rise, then an exponential fall with time constant `tau` seconds.
void AddTap(std::vector<double>& out, size_t at, double amp, double centre, double tau,
            Noise& noise) {
  BandPass filter(centre, 0.9);
  const size_t rise = kSampleRate / 1000;  // 1 ms
  const size_t length = static_cast<size_t>(tau * 6 * kSampleRate);
  for (size_t i = 0; i < length && at + i < out.size(); ++i) {
    const double t = double(i) / kSampleRate;
    const double env = (i < rise ? double(i) / rise : 1.0) * std::exp(-t / tau);
    out[at + i] += amp * env * filter.Step(noise.Next());
  }
}

// Adds a low, soft thump: a decaying sine whose pitch falls a little.
void AddThump(std::vector<double>& out, size_t at, double amp, double freq, double tau) {
  double phase = 0;
  const size_t rise = kSampleRate / 500;  // 2 ms
  for (size_t i = 0; at + i < out.size(); ++i) {
    const double t = double(i) / kSampleRate;
    const double env = (i < rise ? double(i) / rise : 1.0) * std::exp(-t / tau);
    if (env < 1e-4 && i > rise) break;
    phase += 2 * kPi * freq * (1 - 0.25 * std::min(t / 0.05, 1.0)) / kSampleRate;
    out[at + i] += amp * env * std::sin(phase);
  }
}

// Fades both ends to silence, scales to the wanted peak and converts to
// 16-bit samples, so no sound starts or ends with a click.
std::vector<int16_t> Finish(std::vector<double> wave, double peak, double fadeIn, double fadeOut) {
  const size_t in = static_cast<size_t>(fadeIn * kSampleRate);
  const size_t out = static_cast<size_t>(fadeOut * kSampleRate);
  for (size_t i = 0; i < in && i < wave.size(); ++i) wave[i] *= double(i) / in;
  for (size_t i = 0; i < out && i < wave.size(); ++i) {
    const double g = 0.5 - 0.5 * std::cos(kPi * double(i) / out);
    wave[wave.size() - 1 - i] *= g;
  }
  double max = 1e-9;
  for (double v : wave) max = std::max(max, std::fabs(v));
  std::vector<int16_t> samples(wave.size());
  for (size_t i = 0; i < wave.size(); ++i) {
    samples[i] = static_cast<int16_t>(std::lround(wave[i] / max * peak * 32767));
  }
  samples.front() = 0;
  samples.back() = 0;
  return samples;
}

}  // namespace

std::vector<int16_t> DropSound(int n) {
  Noise noise(1000 + n);
  const double length = 0.16 + 0.02 * n;
  std::vector<double> wave(static_cast<size_t>(length * kSampleRate), 0.0);
  const double centre = 1500 + 260 * n;
  AddTap(wave, 0, 1.0, centre, noise.Range(0.010, 0.016), noise);
  AddThump(wave, 0, 0.35, 120 + 14 * n, 0.022);
  // The card settles: a second, fainter touch a few milliseconds later.
  const size_t settle = static_cast<size_t>(noise.Range(0.012, 0.024) * kSampleRate);
  AddTap(wave, settle, 0.28, centre * 1.3, 0.008, noise);
  return Finish(std::move(wave), 0.42, 0.0005, 0.04);
}

std::vector<int16_t> ShuffleSound() {
  Noise noise(77);
  std::vector<double> wave(static_cast<size_t>(0.95 * kSampleRate), 0.0);
  // The riffle: about fifty cards flicking off the thumbs, quick in the
  // middle and slower at both ends.
  const int flicks = 52;
  for (int i = 0; i < flicks; ++i) {
    const double x = double(i) / (flicks - 1);
    const double t = 0.04 + 0.62 * (x - 0.12 * std::sin(2 * kPi * x) / (2 * kPi) * 2);
    const double amp = 0.35 + 0.25 * std::sin(kPi * x) + noise.Range(-0.08, 0.08);
    AddTap(wave, static_cast<size_t>(t * kSampleRate), amp, noise.Range(2600, 4200),
           noise.Range(0.003, 0.006), noise);
  }
  // The cards slide together and are squared with a soft knock.
  BandPass brush(1800, 0.6);
  for (size_t i = 0; i < wave.size(); ++i) {
    const double t = double(i) / kSampleRate;
    const double env = 0.05 * std::sin(kPi * std::clamp((t - 0.05) / 0.75, 0.0, 1.0));
    wave[i] += env * brush.Step(noise.Next());
  }
  AddTap(wave, static_cast<size_t>(0.78 * kSampleRate), 0.6, 1400, 0.012, noise);
  AddThump(wave, static_cast<size_t>(0.78 * kSampleRate), 0.25, 140, 0.02);
  return Finish(std::move(wave), 0.40, 0.005, 0.06);
}

}  // namespace tarnik::assets
