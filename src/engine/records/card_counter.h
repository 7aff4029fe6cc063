// The card counter's arithmetic: which face-down cards it lists and where
// each rank chip goes on the panel and comes from on the sheet of faces.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/cards/cards.h"

namespace tarnik {

// The counter panel: 13 × 2 strips of 14 × 64 pixels.
constexpr int kCounterPanelWidth = 182;
constexpr int kCounterPanelHeight = 128;
constexpr int kChipWidth = 12;
constexpr int kChipHeight = 14;

// One rank chip: its corner on the sheet of faces and on the panel.
struct CounterChip {
  int32_t sheetX = 0;
  int32_t sheetY = 0;
  int32_t panelX = 0;
  int32_t panelY = 0;
  bool operator==(const CounterChip&) const = default;
};

// The chips of the face-down cards of the table `piles`, in drawing order: of
// the stock piles (piles that are refilled by hand) when `showsStock`, else
// of every other pile. None when `gameFlags` hold FourDeck.
std::vector<CounterChip> CounterChips(const Pile* piles, uint32_t gameFlags, int32_t rankOffset,
                                      bool showsStock);

}  // namespace tarnik
