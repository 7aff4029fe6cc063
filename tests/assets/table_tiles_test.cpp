// The table backgrounds repeat without seams and are all different.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "asset_files.h"
#include "ui/art/card_images.h"

namespace tarnik {
namespace {

using test::DataFile;

// Mean difference of the colour channels of two pixels.
double Distance(QRgb a, QRgb b) {
  return (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
          std::abs(qBlue(a) - qBlue(b))) /
         3.0;
}

class TableTilesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { art_ = new QImage(LoadBitmapFile(DataFile("Graphic/Back.bmp"))); }
  static void TearDownTestSuite() { delete art_; }
  // Pixel (x, y) of tile t, coordinates taken modulo the tile size.
  static QRgb At(int t, int x, int y) {
    return art_->pixel(BackTilePos(t) + QPoint((x + 128) % 128, (y + 128) % 128));
  }
  // Mean difference between column x and column x + 1 (wrapping), or rows
  // when `rows` is set.
  static double Step(int t, int at, bool rows) {
    double sum = 0;
    for (int i = 0; i < 128; ++i) {
      sum += rows ? Distance(At(t, i, at), At(t, i, at + 1))
                  : Distance(At(t, at, i), At(t, at + 1, i));
    }
    return sum / 128;
  }
  static QImage* art_;
};
QImage* TableTilesTest::art_ = nullptr;

TEST_F(TableTilesTest, EveryTileRepeatsWithoutASeam) {
  ASSERT_EQ(art_->size(), QSize(1024, 1024));
  for (int t = 0; t < kBackTileCount; ++t) {
    for (bool rows : {false, true}) {
      // The step across the edge (127 to 0) must look like any step inside.
      double inside = 0;
      for (int at = 0; at < 127; ++at) inside += Step(t, at, rows);
      inside /= 127;
      EXPECT_LE(Step(t, 127, rows), 2.0 * inside + 3.0)
          << "tile " << t << (rows ? " rows" : " cols");
    }
  }
}

TEST_F(TableTilesTest, AllSixtyFourTilesAreDifferent) {
  for (int a = 0; a < kBackTileCount; ++a) {
    for (int b = a + 1; b < kBackTileCount; ++b) {
      double sum = 0;
      for (int y = 0; y < 128; y += 2) {
        for (int x = 0; x < 128; x += 2) sum += Distance(At(a, x, y), At(b, x, y));
      }
      EXPECT_GT(sum / (64 * 64), 4.0) << "tiles " << a << " and " << b;
    }
  }
}

TEST_F(TableTilesTest, TilesAreTexturedNotFlat) {
  for (int t = 0; t < kBackTileCount; ++t) {
    double inside = 0;
    for (int at = 0; at < 127; ++at) inside += Step(t, at, false);
    EXPECT_GT(inside / 127, 0.5) << "tile " << t;
  }
}

}  // namespace
}  // namespace tarnik
