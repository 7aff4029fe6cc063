// Edit mode's pointer: a pile dragged with the right button to another grid
// cell, and a left click with the right button held that steps its direction.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;

// Puts the edited pile in the grid cell under the pointer and deals the
// edited game afresh.
void MovePileToPoint(Game& game, uint16_t x, uint16_t y);
// Steps the edited pile's direction and deals afresh.
void CycleDirection(Game& game);

}  // namespace tarnik
