// The toolbar strip, the drag cursor and the program icon.
#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include "asset_files.h"

namespace tarnik {
namespace {

using namespace test;

// Sixteen 16 × 16 pictures, each drawn on a transparent background.
TEST(ShellArt, ToolbarStripHoldsSixteenPictures) {
  const QImage strip(DataFile("Graphic/Toolbar.png"));
  ASSERT_EQ(strip.size(), QSize(16 * 16, 16));
  ASSERT_TRUE(strip.hasAlphaChannel());
  int drawn[16] = {};
  for (int x = 0; x < 256; ++x)
    for (int y = 0; y < 16; ++y) drawn[x / 16] += qAlpha(strip.pixel(x, y)) > 0;
  for (int i = 0; i < 16; ++i) EXPECT_TRUE(drawn[i] > 30 && drawn[i] < 256) << i << " " << drawn[i];
}

// Black and white only, fully opaque where drawn, opaque at its hot spot.
TEST(ShellArt, DragCursorHasTwoColoursAndPointsAtItsCards) {
  const QImage cursor =
      QImage(DataFile("Graphic/DragCursor.png")).convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(cursor.size(), QSize(32, 32));
  int count[2] = {0, 0};
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const QRgb c = cursor.pixel(x, y);
      if (qAlpha(c) == 0) continue;
      ASSERT_EQ(qAlpha(c), 255);
      ASSERT_TRUE((c & 0xFFFFFF) == 0 || (c & 0xFFFFFF) == 0xFFFFFF) << x << "," << y;
      ++count[(c & 0xFFFFFF) != 0];
    }
  EXPECT_TRUE(count[0] > 60 && count[1] > 100) << count[0] << " " << count[1];
  EXPECT_EQ(qAlpha(cursor.pixel(DragCursorHotSpot())), 255);
}

// A well-formed SVG, and seven sizes with rounded, transparent corners.
TEST(ShellArt, IconComesAsSvgAndInSevenSizes) {
  QXmlStreamReader svg(ReadBytes(DataFile("Graphic/Tarnik.svg")));
  ASSERT_TRUE(svg.readNextStartElement());
  EXPECT_EQ(svg.name(), QStringLiteral("svg"));
  while (!svg.atEnd()) svg.readNext();
  EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(DataFile(QString("Graphic/Tarnik-%1.png").arg(size)));
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(std::pair(qAlpha(icon.pixel(0, 0)), qAlpha(icon.pixel(size / 2, size / 2))),
              std::pair(0, 255)) << size;
  }
}

}  // namespace
}  // namespace tarnik
