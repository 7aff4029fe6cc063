// The six wave files are short, soft, click-free 16-bit PCM.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "asset_files.h"

namespace tarnik {
namespace {

using namespace test;

// The samples of a canonical RIFF wave file of mono 16-bit PCM at `rate`,
// failing the test on anything else.
std::vector<int16_t> ReadWave(const QString& file, int& rate) {
  const QByteArray b = ReadBytes(DataFile(file));
  if (b.size() < 44) return ADD_FAILURE() << file.toStdString(), std::vector<int16_t>{};
  EXPECT_EQ(b.left(4) + b.mid(8, 8) + b.mid(36, 4), QByteArray("RIFFWAVEfmt data"));
  rate = int(Le(b, 24, 4));
  // {offset, bytes, value}: sizes, PCM, mono, bytes per second and sample, bits.
  const uint32_t fields[][3] = {{4, 4, uint32_t(b.size() - 8)},  {20, 2, 1}, {22, 2, 1},
                                {28, 4, uint32_t(rate * 2)},     {32, 2, 2}, {34, 2, 16},
                                {40, 4, uint32_t(b.size() - 44)}};
  for (const auto& f : fields)
    EXPECT_EQ(Le(b, f[0], f[1]), f[2]) << file.toStdString() << " @" << f[0];
  std::vector<int16_t> samples;
  for (int i = 44; i + 1 < b.size(); i += 2) samples.push_back(int16_t(Le(b, i, 2)));
  return samples;
}

int Peak(const std::vector<int16_t>& s, size_t from) {
  int peak = 0;
  for (size_t i = from; i < s.size(); ++i) peak = std::max(peak, std::abs(int(s[i])));
  return peak;
}

// Each sound lasts its time, is soft but audible, starts and ends silent
// with a 5 ms fade and never jumps.
TEST(Sounds, ShortSoftAndClickFree) {
  for (const char* name : {"Shuffle", "Drop1", "Drop2", "Drop3", "Drop4", "Drop5"}) {
    SCOPED_TRACE(name);
    int rate = 0;
    const std::vector<int16_t> w = ReadWave(QString("Sound/%1.wav").arg(name), rate);
    ASSERT_GT(w.size(), 100u);
    const bool drop = name[0] == 'D';
    EXPECT_TRUE(rate >= 22050 && w.size() > (drop ? 0.05 : 0.4) * rate &&
                w.size() < (drop ? 0.3 : 1.2) * rate)
        << rate << " " << w.size();
    const int peak = Peak(w, 0);
    EXPECT_TRUE(peak > 3000 && peak < 24000) << peak;
    EXPECT_TRUE(std::abs(int(w.front())) < 200 && std::abs(int(w.back())) < 200);
    EXPECT_LT(Peak(w, w.size() - rate / 200), peak / 10);
    for (size_t i = 1; i < w.size(); ++i)
      ASSERT_LT(std::abs(int(w[i]) - int(w[i - 1])), 16000) << "jump at " << i;
  }
}

}  // namespace
}  // namespace tarnik
