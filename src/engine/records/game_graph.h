// The game graph's arithmetic: the running share of won deals over a game's
// logged deals, as bar heights in pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/game/game.h"

namespace tarnik {

constexpr int kGraphWidth = 607;   // the plot, in pixels
constexpr int kGraphHeight = 241;  // 240 pixels are 100 percent

// One bar per record of game g's log that counts (made for g, not empty), in
// record order: bar k is 240 × (won among the first k + 1) div (k + 1).
std::vector<int32_t> GraphBarHeights(const Game& game, int64_t g);

}  // namespace tarnik
