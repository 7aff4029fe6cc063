#include "engine/table/zoom.h"

#include <algorithm>
#include <cmath>

#include "engine/cards/pile_ops.h"
#include "engine/table/layout.h"

namespace tarnik {

int32_t TableZoomInRange(int32_t stored) {
  for (int32_t choice : kTableZoomChoices)
    if (choice == stored) return stored;
  return 0;
}

int32_t FitHeight(const Pile* piles) {
  const int32_t height = TableHeight(piles);
  const int32_t n = CountPiles(piles);
  if (n == 0) return height;
  int32_t first = piles[0].Row, last = piles[0].Row;
  for (int32_t i = 1; i < n; ++i) {
    first = std::min(first, piles[i].Row);
    last = std::max(last, piles[i].Row);
  }
  const int32_t above = 42 * std::max(first, 0) + 8;
  const int32_t below = height - (42 * last + 88);
  return height - 2 * std::clamp(std::min(above, below), 0, 8);
}

double TableZoomFactor(int32_t tableZoom, int width, int height, int32_t fitHeight) {
  const int32_t choice = TableZoomInRange(tableZoom);
  if (choice != 0) return choice / 100.0;
  const double fit =
      std::min(double(width) / kFitWidth, double(height) / std::max(fitHeight, 1));
  return std::max(1.0, fit);
}

ClientSize LogicalClient(int width, int height, double zoom) {
  // A hair of tolerance, so that 1600 ÷ 2.0 stays 800 whatever the rounding.
  auto down = [zoom](int v) { return static_cast<int32_t>(std::floor(v / zoom + 1e-9)); };
  return {down(std::max(width, 0)), down(std::max(height, 0))};
}

}  // namespace tarnik
