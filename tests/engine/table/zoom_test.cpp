// The table's zoom: "Fit window" (never below 1) or a fixed "Table size"; client / zoom.
#include "engine/table/zoom.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "support/table_builder.h"

namespace tarnik {
namespace {

// Each "Table size" choice on windows of several shapes.
TEST(Zoom, FitAndFixedSizesGiveTheZoomAndTheLogicalClient) {
  struct Case { int32_t choice; int width, height, fitHeight; double zoom; int32_t w, h; };
  const Case cases[] = {
      {0, 800, 526, 492, 1.0, 800, 526},    // the classic window: pixel for pixel
      {0, 640, 400, 492, 1.0, 640, 400},    // smaller than the classic one: never below 1
      {0, 1600, 984, 492, 2.0, 800, 492},   // exactly twice the fit height
      {0, 1920, 1006, 492, 1006 / 492.0, 939, 492},  // maximised on 1920 × 1080
      {0, 1000, 2000, 492, 1.25, 800, 1600},  // tall and narrow: the width decides
      {100, 1920, 1006, 492, 1.0, 1920, 1006},
      {125, 1000, 700, 492, 1.25, 800, 560},
      {300, 800, 526, 492, 3.0, 266, 175},  // a fixed size larger than the window overhangs
      {175, 1600, 984, 492, 2.0, 800, 492}, // not a choice: fits the window
      {-1, 800, 526, 492, 1.0, 800, 526},
  };
  for (const Case& c : cases) {
    const double zoom = TableZoomFactor(c.choice, c.width, c.height, c.fitHeight);
    EXPECT_DOUBLE_EQ(zoom, c.zoom) << c.choice << " " << c.width << "x" << c.height;
    const ClientSize logical = LogicalClient(c.width, c.height, zoom);
    EXPECT_EQ(std::pair(logical.Width, logical.Height), std::pair(c.w, c.h))
        << c.choice << " " << c.width << "x" << c.height;
  }
}

// The fit height cuts the top and bottom margins only where no pile lies.
TEST(Zoom, FitHeightCutsTheMarginsOnlyWhereNoPileLies) {
  // Cells as column, row.
  struct Case { std::initializer_list<std::pair<int32_t, int32_t>> cells; int32_t fitHeight; };
  const Case cases[] = {
      {{{0, 0}, {2, 0}, {0, 2}}, 492},   // Klondike's rows 0 and 2
      {{{0, 0}, {0, 9}}, 492},           // row 9 leaves 42 pixels below
      {{{0, 0}, {4, 10}}, 508},          // a pile in row 10 lies on the bottom edge
      {{{0, 3}, {0, 10}}, 508},
      {{{0, 12}}, 42 * 12 + 88},         // taller than ten rows: nothing below it
  };
  for (const Case& c : cases) {
    Pile piles[kMaxPiles] = {};
    int n = 0;
    for (auto [column, row] : c.cells) {
      static_cast<PileDef&>(piles[n]) = testing::OpenPile();
      piles[n].Column = column, piles[n++].Row = row;
    }
    EXPECT_EQ(FitHeight(piles), c.fitHeight) << n << " piles";
  }
}

}  // namespace
}  // namespace tarnik
