// Playing with the mouse: a left press starts a drag, deals from the stock,
// marks a card, turns a face-down card or starts a redeal; the release drops
// the dragged cards on the highlighted pile or sends them home; a right
// click asks for one automatic move. Coordinates are the table's, as signed
// 16-bit values.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;

void PointerDown(Game& game, int16_t x, int16_t y);
void PointerMove(Game& game, int16_t x, int16_t y);
void PointerUp(Game& game);
void RightClick(Game& game, int16_t x, int16_t y);
// Whether cards are being dragged (and commands must wait).
bool IsDragging(const Game& game);

}  // namespace tarnik
