// The toolbar strip, the drag cursor and the program icon.
#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include "asset_files.h"
#include "ui/art/card_images.h"

namespace tarnik {
namespace {

using test::DataFile;
using test::ReadBytes;

// Pixels of a rectangle that are not fully transparent.
int Opaque(const QImage& image, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) n += qAlpha(image.pixel(x, y)) > 0;
  }
  return n;
}

TEST(ShellArt, ToolbarStripHoldsSixteenPictures) {
  const QImage strip(DataFile("Graphic/Toolbar.png"));
  ASSERT_EQ(strip.size(), QSize(16 * 16, 16));
  ASSERT_TRUE(strip.hasAlphaChannel());
  for (int i = 0; i < 16; ++i) {
    const int drawn = Opaque(strip, QRect(16 * i, 0, 16, 16));
    EXPECT_GT(drawn, 30) << "picture " << i;
    EXPECT_LT(drawn, 256) << "picture " << i << " has no transparent background";
  }
}

TEST(ShellArt, DragCursorHasTwoColoursAndPointsAtItsCards) {
  const QImage cursor =
      QImage(DataFile("Graphic/DragCursor.png")).convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(cursor.size(), QSize(32, 32));
  int black = 0, white = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb c = cursor.pixel(x, y);
      if (qAlpha(c) == 0) continue;
      ASSERT_EQ(qAlpha(c), 255);
      const QRgb rgb = c & 0xFFFFFF;
      ASSERT_TRUE(rgb == 0 || rgb == 0xFFFFFF) << x << "," << y;
      (rgb ? white : black)++;
    }
  }
  EXPECT_GT(black, 60);
  EXPECT_GT(white, 100);
  EXPECT_EQ(qAlpha(cursor.pixel(DragCursorHotSpot())), 255);
}

TEST(ShellArt, IconComesAsSvgAndInSevenSizes) {
  QXmlStreamReader svg(ReadBytes(DataFile("Graphic/Tarnik.svg")));
  ASSERT_TRUE(svg.readNextStartElement());
  EXPECT_EQ(svg.name(), QStringLiteral("svg"));
  while (!svg.atEnd()) svg.readNext();
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(DataFile(QString("Graphic/Tarnik-%1.png").arg(size).toUtf8().constData()));
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "rounded corner of size " << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << "size " << size;
  }
}

}  // namespace
}  // namespace tarnik
