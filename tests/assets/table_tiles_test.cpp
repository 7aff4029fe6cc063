// The table backgrounds repeat without seams, are textured and all differ.
#include <gtest/gtest.h>

#include <cstdlib>

#include "asset_files.h"

namespace tarnik {
namespace {

using namespace test;

const QImage& Tiles() {
  static const QImage art = LoadBitmapFile(DataFile("Graphic/Back.bmp"));
  return art;
}

// Pixel (x, y) of tile t, coordinates taken modulo the tile size.
QRgb At(int t, int x, int y) {
  return Tiles().pixel(BackTilePos(t) + QPoint((x + 128) % 128, (y + 128) % 128));
}

// Mean difference of the colour channels of two pixels.
double Distance(QRgb a, QRgb b) {
  return (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
          std::abs(qBlue(a) - qBlue(b))) /
         3.0;
}

// Mean difference between column `at` and the next (wrapping), or rows.
double Step(int t, int at, bool rows) {
  double sum = 0;
  for (int i = 0; i < 128; ++i)
    sum += rows ? Distance(At(t, i, at), At(t, i, at + 1)) : Distance(At(t, at, i), At(t, at + 1, i));
  return sum / 128;
}

// The step across the edge (127 to 0) looks like any step inside, the steps
// inside show a texture, not a flat colour, and no two tiles look alike.
TEST(TableTiles, EveryTileRepeatsWithoutASeamIsTexturedAndDiffers) {
  ASSERT_EQ(Tiles().size(), QSize(1024, 1024));
  for (int t = 0; t < kBackTileCount; ++t) {
    for (bool rows : {false, true}) {
      double inside = 0;
      for (int at = 0; at < 127; ++at) inside += Step(t, at, rows) / 127;
      EXPECT_LE(Step(t, 127, rows), 2.0 * inside + 3.0) << "tile " << t << " rows " << rows;
      EXPECT_TRUE(rows || inside > 0.5) << "tile " << t;
    }
    for (int b = t + 1; b < kBackTileCount; ++b) {
      double sum = 0;
      for (int y = 0; y < 128; y += 2)
        for (int x = 0; x < 128; x += 2) sum += Distance(At(t, x, y), At(b, x, y));
      EXPECT_GT(sum / (64 * 64), 4.0) << "tiles " << t << " and " << b;
    }
  }
}

}  // namespace
}  // namespace tarnik
