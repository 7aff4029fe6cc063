// "Graphic/Card.bmp" holds every item of its layout, in place and in the
// right colours, with pure white only where a card must be transparent.
#include <gtest/gtest.h>

#include "asset_files.h"
#include "ui/art/card_images.h"

namespace tarnik {
namespace {

using test::InkedPixels;
using test::SamePixels;

class CardArtTest : public ::testing::Test {
 protected:
  static const QImage& Art() { return test::CardArt(); }
};

// The upside-down copy of an item must be the upright one turned half round.
void ExpectTurned(const QImage& art, QPoint upright, QPoint down, int size) {
  const QImage up = art.copy(upright.x(), upright.y(), size, size).mirrored(true, true);
  EXPECT_TRUE(SamePixels(up, up.rect(), art, down)) << "at " << down.x() << "," << down.y();
}

// Mean of the inked pixels of a rectangle.
QColor MeanInk(const QImage& art, const QRect& r) {
  long sum[3] = {0, 0, 0}, n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb c = art.pixel(x, y);
      if (IsTransparentColour(c)) continue;
      sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c), ++n;
    }
  }
  return n ? QColor(sum[0] / n, sum[1] / n, sum[2] / n) : QColor(Qt::white);
}

TEST_F(CardArtTest, EveryRegionOfTheLayoutHoldsArtwork) {
  ASSERT_EQ(Art().size(), QSize(832, 640));
  for (int style = 0; style < kCardStyles; ++style) {
    for (int p = 0; p < kPictureCount; ++p) {
      const QPoint at = CentrePicturePos(style, p);
      EXPECT_GE(InkedPixels(Art(), QRect(at, QSize(48, 64))), 6) << "style " << style << " p " << p;
    }
  }
  for (int set = 0; set < 2; ++set) {
    for (int k = 0; k < 13; ++k) {
      for (int s : {0, 2}) {
        for (bool down : {false, true}) {
          EXPECT_GE(InkedPixels(Art(), QRect(RankLetterPos(set, k, s, down), QSize(14, 14))), 20);
        }
      }
    }
    for (int s = 0; s < 4; ++s) {
      for (bool down : {false, true}) {
        EXPECT_GE(InkedPixels(Art(), QRect(SuitSymbolPos(set, s, down), QSize(14, 14))), 40);
        EXPECT_GE(InkedPixels(Art(), QRect(PipPos(set, s, down), QSize(10, 10))), 30);
      }
    }
  }
  EXPECT_GE(InkedPixels(Art(), QRect(DropShadowPos(), QSize(64, 80))), 2000);
  for (int m = 0; m < 5; ++m) {
    EXPECT_GE(InkedPixels(Art(), QRect(MarkersPos() + QPoint(64 * m, 0), QSize(64, 80))), 150);
  }
  EXPECT_EQ(InkedPixels(Art(), QRect(CounterStripPos(), QSize(14, 64))), 14 * 64);
}

TEST_F(CardArtTest, UpsideDownItemsAreTheUprightOnesTurned) {
  for (int set = 0; set < 2; ++set) {
    for (int k = 0; k < 13; ++k) {
      for (int s : {0, 2}) {
        ExpectTurned(Art(), RankLetterPos(set, k, s, false), RankLetterPos(set, k, s, true), 14);
      }
    }
    for (int s = 0; s < 4; ++s) {
      ExpectTurned(Art(), SuitSymbolPos(set, s, false), SuitSymbolPos(set, s, true), 14);
      ExpectTurned(Art(), PipPos(set, s, false), PipPos(set, s, true), 10);
    }
  }
}

TEST_F(CardArtTest, LettersAndSuitsKeepInsideTheirBoxes) {
  // Between the 14 x 14 boxes of the letter rows everything is transparent.
  for (int y = 320; y < 384; ++y) {
    for (int x = 0; x < 416; ++x) {
      const bool inBox = (x % 16) >= 1 && (x % 16) <= 14 && ((y - 321) % 16) >= 0 &&
                         ((y - 321) % 16) < 14 && y >= 321;
      const bool letterColumn = x < 208 ? x / 16 < 13 : (x - 208) / 16 < 13;
      if (!(inBox && letterColumn)) {
        ASSERT_TRUE(IsTransparentColour(Art().pixel(x, y))) << x << "," << y;
      }
    }
  }
}

TEST_F(CardArtTest, LettersAndSuitsComeInBlackAndRed) {
  for (int set = 0; set < 2; ++set) {
    for (int k = 0; k < 13; ++k) {
      const QColor black = MeanInk(Art(), QRect(RankLetterPos(set, k, 0, false), QSize(14, 14)));
      const QColor red = MeanInk(Art(), QRect(RankLetterPos(set, k, 2, false), QSize(14, 14)));
      EXPECT_LT(std::max({black.red(), black.green(), black.blue()}), 110);
      EXPECT_GT(red.red(), red.green() + 80);
    }
    for (int s = 0; s < 4; ++s) {
      const QColor ink = MeanInk(Art(), QRect(PipPos(set, s, false), QSize(10, 10)));
      if (s >= 2)
        EXPECT_GT(ink.red(), ink.green() + 80) << "suit " << s;
      else
        EXPECT_LT(ink.red(), 110) << "suit " << s;
    }
  }
}

TEST_F(CardArtTest, SurfacesAndBacksAreOpaqueWithTransparentCorners) {
  QPoint cards[12];
  for (int i = 0; i < 4; ++i) cards[i] = SurfacePos(i / 2, i % 2);
  for (int b = 0; b < 8; ++b) cards[4 + b] = CardBackPos(b);
  for (const QPoint& at : cards) {
    for (QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 79), QPoint(63, 79)}) {
      EXPECT_TRUE(IsTransparentColour(Art().pixel(at + corner)));
    }
    // Everything but the rounded corners covers the table.
    EXPECT_EQ(InkedPixels(Art(), QRect(at + QPoint(0, 5), QSize(64, 70))), 64 * 70);
    EXPECT_EQ(InkedPixels(Art(), QRect(at + QPoint(5, 0), QSize(54, 80))), 54 * 80);
  }
}

TEST_F(CardArtTest, PicturesLeaveTheCornerIndicesUncovered) {
  // A picture lies at (8, 8) of the face; the upper index takes cell
  // columns 1 to 14, rows 2 to 31, the lower one columns 49 to 62, rows
  // 48 to 77. The picture must be transparent where it overlaps them.
  for (int style = 0; style < kCardStyles; ++style) {
    for (int p = 0; p < kPictureCount; ++p) {
      const QPoint at = CentrePicturePos(style, p);
      EXPECT_EQ(InkedPixels(Art(), QRect(at, QSize(7, 24))), 0) << style << " " << p;
      EXPECT_EQ(InkedPixels(Art(), QRect(at + QPoint(41, 40), QSize(7, 24))), 0)
          << style << " " << p;
    }
  }
}

TEST_F(CardArtTest, TheFourStylesDrawTheirPicturesDifferently) {
  for (int p = 0; p < kPictureCount; ++p) {
    for (int a = 0; a < kCardStyles; ++a) {
      for (int b = a + 1; b < kCardStyles; ++b) {
        const QRect ra(CentrePicturePos(a, p), QSize(48, 64));
        EXPECT_FALSE(SamePixels(Art(), ra, Art(), CentrePicturePos(b, p)))
            << "picture " << p << " of styles " << a << " and " << b;
      }
    }
  }
  // The classic courts are full-colour figures, not a letter in one ink.
  for (int style : {0, 1}) {
    const QImage king = Art().copy(QRect(CentrePicturePos(style, KingPicture(0)), QSize(48, 64)));
    EXPECT_GT(InkedPixels(king, king.rect()), 900) << "style " << style;
    const QColor mean = MeanInk(king, king.rect());
    EXPECT_GT(std::max({mean.red(), mean.green(), mean.blue()}) -
                  std::min({mean.red(), mean.green(), mean.blue()}),
              20);
  }
}

}  // namespace
}  // namespace tarnik
