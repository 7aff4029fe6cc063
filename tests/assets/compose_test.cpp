// The sheet of card faces is composed from the artwork as the game needs
// it, for every combination of the appearance settings.
#include <gtest/gtest.h>

#include "asset_files.h"
#include "ui/art/card_images.h"

namespace tarnik {
namespace {

using test::CardArt;
using test::InkedPixels;
using test::SamePixels;

class ComposeTest : public ::testing::Test {
 protected:
  static QImage Sheet(CardAppearance a) { return ComposeCardSheet(CardArt(), a); }
  static QRect Cell(int col, int row) { return QRect(64 * col, 80 * row, 64, 80); }
};

TEST_F(ComposeTest, NoFaceLetsTheTableShowThroughItsSurface) {
  for (int combo = 0; combo < 32; ++combo) {
    const CardAppearance a{combo >> 4 & 1, combo >> 3 & 1, combo >> 2 & 1, combo & 3, 0};
    const QImage sheet = Sheet(a);
    for (int row = 0; row <= 8; ++row) {
      for (int col = 0; col < 13; ++col) {
        const QRect c = Cell(col, row);
        // All of the card but its rounded corners must be opaque.
        ASSERT_EQ(InkedPixels(sheet, c.adjusted(0, 5, 0, -5)), 64 * 70)
            << "combo " << combo << " cell " << col << "," << row;
        ASSERT_EQ(InkedPixels(sheet, c.adjusted(5, 0, -5, 0)), 54 * 80)
            << "combo " << combo << " cell " << col << "," << row;
        ASSERT_TRUE(IsTransparentColour(sheet.pixel(c.topLeft())));
      }
    }
  }
}

TEST_F(ComposeTest, IndexPipFollowsThePipArrangement) {
  // Arrangement A (styles 0, 1) shows the small pip at (51, 3) on every
  // card, arrangement B (styles 2, 3) only on aces and court cards.
  for (int style = 0; style < 4; ++style) {
    const QImage sheet = Sheet({0, 0, 0, style, 0});
    const QImage surface = CardArt().copy(QRect(SurfacePos(0, false), QSize(64, 80)));
    for (int k = 0; k < 13; ++k) {
      const QRect pip = QRect(64 * k + 51, 3, 10, 10);
      const bool plain = SamePixels(surface, QRect(51, 3, 10, 10), sheet, pip.topLeft());
      const bool expected = style < 2 || k == 0 || k >= 10;
      EXPECT_EQ(!plain, expected) << "style " << style << " rank " << k;
    }
  }
}

TEST_F(ComposeTest, HighlightedFacesDifferOnlyInTheirSurface) {
  const QImage sheet = Sheet({1, 0, 0, 0, 0});
  for (int s = 0; s < 4; ++s) {
    EXPECT_FALSE(SamePixels(sheet, Cell(4, s), sheet, Cell(4, s + 4).topLeft()));
    // Same surface colour under every card of a row, another one highlighted.
    EXPECT_EQ(sheet.pixel(64 * 4 + 30, 80 * s + 76), sheet.pixel(64 * 7 + 30, 80 * s + 76));
    EXPECT_NE(sheet.pixel(64 * 4 + 30, 80 * s + 76), sheet.pixel(64 * 4 + 30, 80 * (s + 4) + 76));
  }
}

TEST_F(ComposeTest, RankMarkersUseTheClassicFrameWhateverTheStyle) {
  const QImage classic = Sheet({0, 1, 0, 0, 0});
  for (int style = 1; style < 4; ++style) {
    const QImage other = Sheet({0, 1, 0, style, 0});
    EXPECT_TRUE(SamePixels(classic, QRect(0, 640, 832, 80), other, QPoint(0, 640)));
    EXPECT_FALSE(SamePixels(classic, Cell(5, 0), other, Cell(5, 0).topLeft()));
  }
}

TEST_F(ComposeTest, ChangingTheBackChangesOnlyTheBackCell) {
  const QImage first = Sheet({0, 0, 0, 0, 0});
  for (int back = 1; back < kCardBacks; ++back) {
    const QImage other = Sheet({0, 0, 0, 0, back});
    for (int row = 0; row < 10; ++row) {
      for (int col = 0; col < 13; ++col) {
        const bool same = SamePixels(first, Cell(col, row), other, Cell(col, row).topLeft());
        EXPECT_EQ(same, !(row == 9 && col == 0))
            << "back " << back << " cell " << col << "," << row;
      }
    }
  }
}

TEST_F(ComposeTest, SpecialRowHoldsBackShadowAndMarkersOnly) {
  const QImage sheet = Sheet({0, 0, 0, 0, 3});
  EXPECT_TRUE(SamePixels(CardArt(), QRect(CardBackPos(3), QSize(64, 80)), sheet, QPoint(0, 720)));
  EXPECT_TRUE(SamePixels(CardArt(), QRect(DropShadowPos(), QSize(64, 80)), sheet, QPoint(64, 720)));
  EXPECT_TRUE(SamePixels(CardArt(), QRect(MarkersPos(), QSize(320, 80)), sheet, QPoint(512, 720)));
  EXPECT_EQ(InkedPixels(sheet, QRect(128, 720, 384, 80)), 0);
}

TEST_F(ComposeTest, SettingsOutOfRangeCountAsZero) {
  const QImage zero = Sheet({0, 0, 0, 0, 0});
  const QImage wild = Sheet({7, -1, 2, 99, -5});
  EXPECT_TRUE(SamePixels(zero, zero.rect(), wild, QPoint(0, 0)));
  const CardAppearance clamped = ClampAppearance({1, 1, 1, 3, 7});
  EXPECT_EQ(clamped.style, 3);
  EXPECT_EQ(clamped.back, 7);
}

TEST_F(ComposeTest, TransparencyIsAlphaZeroExactlyWhereTheSheetIsWhite) {
  const QImage sheet = Sheet({0, 0, 0, 2, 1});
  const QImage alpha = SheetWithTransparency(sheet);
  for (int y = 0; y < sheet.height(); y += 3) {
    for (int x = 0; x < sheet.width(); x += 3) {
      ASSERT_EQ(qAlpha(alpha.pixel(x, y)) == 0, IsTransparentColour(sheet.pixel(x, y)));
    }
  }
}

TEST(PipLayout, MatchesTheArrangementsTable) {
  QPoint spots[11];
  EXPECT_EQ(PipLayout(0, 9, spots), 11);
  EXPECT_EQ(spots[3], QPoint(27, 23));
  EXPECT_EQ(PipLayout(1, 0, spots), 1);
  EXPECT_EQ(spots[0], QPoint(51, 3));
  EXPECT_EQ(PipLayout(3, 9, spots), 10);
  EXPECT_EQ(spots[2], QPoint(27, 14));
  EXPECT_EQ(PipLayout(2, 6, spots), 7);
  EXPECT_EQ(spots[6], QPoint(37, 64));
  EXPECT_EQ(PipLayout(2, 12, spots), 1);
  EXPECT_EQ(PipLayout(0, 13, spots), 0);
}

}  // namespace
}  // namespace tarnik
