// The six wave files are short, soft, click-free 16-bit PCM.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "asset_files.h"

namespace tarnik {
namespace {

using test::DataFile;
using test::Le16;
using test::Le32;
using test::ReadBytes;

struct Wave {
  int rate = 0;
  std::vector<int16_t> samples;
};

// Reads a canonical RIFF wave file of mono 16-bit PCM, failing the test on
// anything else.
Wave ReadWave(const char* file) {
  Wave wave;
  const QByteArray b = ReadBytes(DataFile(file));
  EXPECT_GE(b.size(), 44) << file;
  if (b.size() < 44) return wave;
  EXPECT_EQ(b.left(4), QByteArray("RIFF"));
  EXPECT_EQ(Le32(b, 4), uint32_t(b.size() - 8));
  EXPECT_EQ(b.mid(8, 8), QByteArray("WAVEfmt "));
  EXPECT_EQ(Le16(b, 20), 1) << "PCM";
  EXPECT_EQ(Le16(b, 22), 1) << "mono";
  wave.rate = int(Le32(b, 24));
  EXPECT_EQ(Le32(b, 28), uint32_t(wave.rate * 2));
  EXPECT_EQ(Le16(b, 32), 2);
  EXPECT_EQ(Le16(b, 34), 16);
  EXPECT_EQ(b.mid(36, 4), QByteArray("data"));
  const uint32_t bytes = Le32(b, 40);
  EXPECT_EQ(bytes, uint32_t(b.size() - 44));
  for (uint32_t i = 0; i + 1 < bytes; i += 2) wave.samples.push_back(int16_t(Le16(b, 44 + i)));
  return wave;
}

double Seconds(const Wave& w) {
  return w.rate ? double(w.samples.size()) / w.rate : 0;
}

int Peak(const std::vector<int16_t>& s, size_t from, size_t to) {
  int peak = 0;
  for (size_t i = from; i < to && i < s.size(); ++i) peak = std::max(peak, std::abs(int(s[i])));
  return peak;
}

// Soft, audible, and silent at both ends so it neither clicks on nor off.
void ExpectSoftAndClickFree(const Wave& w, const char* name) {
  SCOPED_TRACE(name);
  ASSERT_GT(w.samples.size(), 100u);
  const int peak = Peak(w.samples, 0, w.samples.size());
  EXPECT_GT(peak, 3000);
  EXPECT_LT(peak, 24000);
  EXPECT_LT(std::abs(int(w.samples.front())), 200);
  EXPECT_LT(std::abs(int(w.samples.back())), 200);
  const size_t tail = w.rate / 200;  // the last 5 ms fade out
  EXPECT_LT(Peak(w.samples, w.samples.size() - tail, w.samples.size()), peak / 10);
  for (size_t i = 1; i < w.samples.size(); ++i) {
    ASSERT_LT(std::abs(int(w.samples[i]) - int(w.samples[i - 1])), 16000) << "jump at " << i;
  }
}

TEST(Sounds, ShuffleIsAShortSoftRiffle) {
  const Wave shuffle = ReadWave("Sound/Shuffle.wav");
  EXPECT_GE(shuffle.rate, 22050);
  EXPECT_GT(Seconds(shuffle), 0.4);
  EXPECT_LT(Seconds(shuffle), 1.2);
  ExpectSoftAndClickFree(shuffle, "Shuffle");
}

TEST(Sounds, FiveDropsAreShortAndEachALittleDifferent) {
  const char* names[5] = {"Sound/Drop1.wav", "Sound/Drop2.wav", "Sound/Drop3.wav",
                          "Sound/Drop4.wav", "Sound/Drop5.wav"};
  std::vector<Wave> drops;
  for (const char* name : names) {
    drops.push_back(ReadWave(name));
    EXPECT_GT(Seconds(drops.back()), 0.05) << name;
    EXPECT_LT(Seconds(drops.back()), 0.3) << name;
    ExpectSoftAndClickFree(drops.back(), name);
  }
  for (size_t a = 0; a < drops.size(); ++a) {
    for (size_t b = a + 1; b < drops.size(); ++b) EXPECT_NE(drops[a].samples, drops[b].samples);
  }
}

}  // namespace
}  // namespace tarnik
