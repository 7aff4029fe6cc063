// The sheet of card faces composed from the artwork, for every appearance setting.
#include <gtest/gtest.h>

#include "asset_files.h"

namespace tarnik {
namespace {

using namespace test;

QImage Sheet(CardAppearance a) {
  return ComposeCardSheet(CardArt(), a);
}
QRect Cell(int col, int row) {
  return QRect(64 * col, 80 * row, 64, 80);
}
bool SameCell(const QImage& a, const QImage& b, int col, int row) {
  return SamePixels(a, Cell(col, row), b, Cell(col, row).topLeft());
}

// No face lets the table through but at its rounded corners, in any setting.
TEST(Compose, NoFaceLetsTheTableShowThroughItsSurface) {
  for (int combo = 0; combo < 32; ++combo) {
    const QImage sheet = Sheet({combo >> 4 & 1, combo >> 3 & 1, combo >> 2 & 1, combo & 3, 0});
    for (int row = 0; row <= 8; ++row)
      for (int col = 0; col < 13; ++col) {
        const QRect c = Cell(col, row);
        const int inked = InkedPixels(sheet, c.adjusted(0, 5, 0, -5)) +
                          InkedPixels(sheet, c.adjusted(5, 0, -5, 0));
        ASSERT_TRUE(inked == 64 * 70 + 54 * 80 && IsTransparentColour(sheet.pixel(c.topLeft())))
            << "combo " << combo << " cell " << col << "," << row;
      }
  }
}

// Highlighted faces (rows 4 … 7) differ from their row only in the surface;
// the rank markers keep the classic frame whatever the style; a back
// changes only the back cell; the special row holds back, shadow, markers.
TEST(Compose, RowsOfTheSheet) {
  const QImage sheet = Sheet({1, 0, 0, 0, 0});
  for (int s = 0; s < 4; ++s) {
    EXPECT_FALSE(SamePixels(sheet, Cell(4, s), sheet, Cell(4, s + 4).topLeft()));
    EXPECT_EQ(sheet.pixel(64 * 4 + 30, 80 * s + 76), sheet.pixel(64 * 7 + 30, 80 * s + 76));
    EXPECT_NE(sheet.pixel(64 * 4 + 30, 80 * s + 76), sheet.pixel(64 * 4 + 30, 80 * (s + 4) + 76));
  }
  const QImage classic = Sheet({0, 1, 0, 0, 0});
  for (int style = 1; style < 4; ++style) {
    const QImage other = Sheet({0, 1, 0, style, 0});
    EXPECT_TRUE(SamePixels(classic, QRect(0, 640, 832, 80), other, QPoint(0, 640)));
    EXPECT_FALSE(SameCell(classic, other, 5, 0));
  }
  const QImage first = Sheet({0, 0, 0, 0, 0});
  for (int back = 1; back < kCardBacks; ++back) {
    const QImage other = Sheet({0, 0, 0, 0, back});
    for (int row = 0; row < 10; ++row)
      for (int col = 0; col < 13; ++col)
        EXPECT_EQ(SameCell(first, other, col, row), !(row == 9 && col == 0))
            << back << " " << col << "," << row;
  }
  const QImage special = Sheet({0, 0, 0, 0, 3});
  for (const auto& [from, width, x] : {std::tuple{CardBackPos(3), 64, 0},
                                       {DropShadowPos(), 64, 64}, {MarkersPos(), 320, 512}})
    EXPECT_TRUE(SamePixels(CardArt(), QRect(from, QSize(width, 80)), special, {x, 720})) << x;
  EXPECT_EQ(InkedPixels(special, QRect(128, 720, 384, 80)), 0);
}

// Settings out of range count as zero; transparency is alpha 0 exactly
// where the sheet is white.
TEST(Compose, OutOfRangeSettingsAndTransparency) {
  const QImage zero = Sheet({0, 0, 0, 0, 0});
  EXPECT_TRUE(SamePixels(zero, zero.rect(), Sheet({7, -1, 2, 99, -5}), QPoint(0, 0)));
  const CardAppearance clamped = ClampAppearance({1, 1, 1, 3, 7});
  EXPECT_EQ(std::pair(clamped.style, clamped.back), std::pair(3, 7));
  const QImage sheet = Sheet({0, 0, 0, 2, 1});
  const QImage alpha = SheetWithTransparency(sheet);
  for (int y = 0; y < sheet.height(); y += 3)
    for (int x = 0; x < sheet.width(); x += 3)
      ASSERT_EQ(qAlpha(alpha.pixel(x, y)) == 0, IsTransparentColour(sheet.pixel(x, y)));
}

// The pips of a rank in each arrangement ({style, rank, count, spot, where});
// arrangement A (styles 0, 1) shows the small pip at (51, 3) on every card,
// arrangement B (styles 2, 3) only on aces and court cards.
TEST(Compose, PipsFollowTheArrangements) {
  const int cases[][6] = {{0, 9, 11, 3, 27, 23}, {1, 0, 1, 0, 51, 3},  {3, 9, 10, 2, 27, 14},
                          {2, 6, 7, 6, 37, 64},  {2, 12, 1, -1, 0, 0}, {0, 13, 0, -1, 0, 0}};
  for (const auto& c : cases) {
    QPoint spots[11];
    const int count = PipLayout(c[0], c[1], spots);
    EXPECT_EQ(std::pair(count, c[3] < 0 ? QPoint() : spots[c[3]]),
              std::pair(c[2], QPoint(c[4], c[5])))
        << c[0] << " " << c[1];
  }
  const QImage surface = CardArt().copy(QRect(SurfacePos(0, false), QSize(64, 80)));
  for (int style = 0; style < 4; ++style) {
    const QImage sheet = Sheet({0, 0, 0, style, 0});
    for (int k = 0; k < 13; ++k)
      EXPECT_EQ(!SamePixels(surface, QRect(51, 3, 10, 10), sheet, {64 * k + 51, 3}),
                style < 2 || k == 0 || k >= 10)
          << "style " << style << " rank " << k;
  }
}

}  // namespace
}  // namespace tarnik
