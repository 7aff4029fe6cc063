// The two artwork bitmaps are in the exact format the game reads, and the
// reader refuses files it cannot use.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "asset_files.h"
#include "ui/art/card_images.h"

namespace tarnik {
namespace {

using test::DataFile;
using test::Le16;
using test::Le32;
using test::ReadBytes;

// Checks the headers of a 24-bit bottom-up bitmap whose pixels follow the
// 54 header bytes directly, rows without padding.
void ExpectPlainBitmap(const char* file, int width, int height) {
  SCOPED_TRACE(file);
  const QByteArray bytes = ReadBytes(DataFile(file));
  ASSERT_EQ(bytes.size(), 54 + width * height * 3);
  EXPECT_EQ(bytes.left(2), QByteArray("BM"));
  EXPECT_EQ(Le32(bytes, 2), uint32_t(bytes.size()));
  EXPECT_EQ(Le32(bytes, 10), 54u);
  EXPECT_EQ(Le32(bytes, 14), 40u);
  EXPECT_EQ(int32_t(Le32(bytes, 18)), width);
  EXPECT_EQ(int32_t(Le32(bytes, 22)), height);  // positive: rows bottom-up
  EXPECT_EQ(Le16(bytes, 26), 1);
  EXPECT_EQ(Le16(bytes, 28), 24);
  EXPECT_EQ(Le32(bytes, 30), 0u);  // no compression
}

TEST(BitmapFiles, HaveTheLayoutSizesIn24BitsWithoutPadding) {
  ExpectPlainBitmap("Graphic/Card.bmp", 832, 640);
  ExpectPlainBitmap("Graphic/Back.bmp", 1024, 1024);
}

TEST(BitmapFiles, ReaderTakesRowsBottomUpInBlueGreenRedOrder) {
  const QByteArray bytes = ReadBytes(DataFile("Graphic/Card.bmp"));
  const QImage art = LoadBitmapFile(DataFile("Graphic/Card.bmp"));
  ASSERT_EQ(art.size(), QSize(832, 640));
  // The first stored row is the bottom row of the picture.
  for (int x : {0, 100, 575, 831}) {
    const int at = 54 + 3 * x;
    EXPECT_EQ(art.pixel(x, 639) & 0xFFFFFF,
              qRgb(uint8_t(bytes[at + 2]), uint8_t(bytes[at + 1]), uint8_t(bytes[at])) & 0xFFFFFF);
  }
  const int top = 54 + 639 * 832 * 3 + 3 * 300;
  EXPECT_EQ(art.pixel(300, 0) & 0xFFFFFF,
            qRgb(uint8_t(bytes[top + 2]), uint8_t(bytes[top + 1]), uint8_t(bytes[top])) & 0xFFFFFF);
}

TEST(BitmapFiles, ReaderRefusesMissingShortAndForeignFiles) {
  QTemporaryDir dir;
  QString error;
  EXPECT_TRUE(LoadBitmapFile(dir.filePath("none.bmp"), &error).isNull());
  EXPECT_FALSE(error.isEmpty());

  const QByteArray good = ReadBytes(DataFile("Graphic/Card.bmp"));
  auto write = [&](const char* name, const QByteArray& data) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
    return dir.filePath(name);
  };
  EXPECT_TRUE(LoadBitmapFile(write("short.bmp", good.left(good.size() - 1))).isNull());
  EXPECT_TRUE(LoadBitmapFile(write("header.bmp", good.left(30))).isNull());
  QByteArray eightBit = good;
  eightBit[28] = 8;
  EXPECT_TRUE(LoadBitmapFile(write("8bit.bmp", eightBit)).isNull());
  QByteArray huge = good;
  huge[21] = char(0x7F);  // width beyond any picture
  EXPECT_TRUE(LoadBitmapFile(write("huge.bmp", huge)).isNull());
  EXPECT_TRUE(LoadBitmapFile(write("text.bmp", QByteArray(100, 'x'))).isNull());
}

}  // namespace
}  // namespace tarnik
