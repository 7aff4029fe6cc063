// A double click with the left button: on the top card of a pile it does
// what a right click there does (one automatic move home). Where that moves
// nothing, and in games whose clicks mark cards, the second click is an
// ordinary press, as it always was.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;

// Whether a click on some pile marks cards (a pairing game).
bool ClicksMarkCards(const Game& game);
// The second press of a double click at (x, y).
void DoubleClick(Game& game, int16_t x, int16_t y);

}  // namespace tarnik
