// The artwork bitmaps are in the exact format the game reads; bad ones are refused.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "asset_files.h"

namespace tarnik {
namespace {

using namespace test;

// A 24-bit bottom-up bitmap whose pixels follow the 54 header bytes, rows
// without padding (header fields as {offset, bytes, value}); the reader
// takes the first stored row as the bottom one, each pixel blue, green, red.
TEST(BitmapFiles, LayoutSizesIn24BitsWithoutPaddingReadBottomUp) {
  for (const auto& [file, width, height] :
       {std::tuple{"Graphic/Card.bmp", 832, 640}, {"Graphic/Back.bmp", 1024, 1024}}) {
    const QByteArray b = ReadBytes(DataFile(file));
    ASSERT_EQ(b.size(), 54 + width * height * 3) << file;
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    const uint32_t fields[][3] = {
        {2, 4, uint32_t(b.size())}, {10, 4, 54}, {14, 4, 40}, {18, 4, uint32_t(width)},
        {22, 4, uint32_t(height)},  {26, 2, 1},  {28, 2, 24}, {30, 4, 0}};
    for (const auto& f : fields) EXPECT_EQ(Le(b, f[0], f[1]), f[2]) << file << " @" << f[0];
    const QImage art = LoadBitmapFile(DataFile(file));
    ASSERT_EQ(art.size(), QSize(width, height));
    for (const auto& [x, y] : {std::pair{0, height - 1}, {575, height - 1}, {width - 1, 0}}) {
      const int at = 54 + 3 * (x + width * (height - 1 - y));
      EXPECT_EQ(art.pixel(x, y) & 0xFFFFFF,
                qRgb(uint8_t(b[at + 2]), uint8_t(b[at + 1]), uint8_t(b[at])) & 0xFFFFFF);
    }
  }
}

// Each table tile repeats without a seam: the mean step across its edge (127
// to 0) is like the steps inside, in both directions.
TEST(BitmapFiles, TableTilesRepeatWithoutASeam) {
  const QImage tiles = LoadBitmapFile(DataFile("Graphic/Back.bmp"));
  for (int t = 0; t < kBackTileCount; ++t)
    for (const bool rows : {false, true}) {
      const auto step = [&](int at) {  // mean difference of line `at` and the next
        double sum = 0;
        for (int i = 0; i < 128; ++i) {
          const QPoint a = rows ? QPoint(i, at) : QPoint(at, i);
          const QPoint b = rows ? QPoint(i, (at + 1) % 128) : QPoint((at + 1) % 128, i);
          const QRgb p = tiles.pixel(BackTilePos(t) + a), q = tiles.pixel(BackTilePos(t) + b);
          sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                 std::abs(qBlue(p) - qBlue(q));
        }
        return sum / 384;
      };
      double inside = 0;
      for (int at = 0; at < 127; ++at) inside += step(at) / 127;
      EXPECT_LE(step(127), 2.0 * inside + 3.0) << "tile " << t << " rows " << rows;
    }
}

// Missing, short, cut, 8-bit, absurdly wide and foreign files are refused.
TEST(BitmapFiles, ReaderRefusesMissingShortAndForeignFiles) {
  QTemporaryDir dir;
  QString error;
  EXPECT_TRUE(LoadBitmapFile(dir.filePath("none.bmp"), &error).isNull() && !error.isEmpty());
  const QByteArray good = ReadBytes(DataFile("Graphic/Card.bmp"));
  QByteArray eightBit = good, huge = good;
  eightBit[28] = 8;
  huge[21] = char(0x7F);  // width beyond any picture
  for (const QByteArray& bad :
       {good.left(good.size() - 1), good.left(30), eightBit, huge, QByteArray(100, 'x')}) {
    QFile file(dir.filePath("bad.bmp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bad);
    file.close();
    EXPECT_TRUE(LoadBitmapFile(dir.filePath("bad.bmp")).isNull()) << bad.size();
  }
}

}  // namespace
}  // namespace tarnik
