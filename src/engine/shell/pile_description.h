// What a screen reader says about a pile: its name as the rules page gives
// it ("Pile 3"), and its card count and top card as the player sees them.
#pragma once

#include <cstdint>
#include <string>

#include "engine/game/game.h"

namespace tarnik {

// "Pile N", N counted from 1 in table order as on the rules page.
std::string PileName(int32_t index);
// "5 cards, top card Queen of Hearts", "1 card, face down", "empty".
std::string DescribePile(const Game& game, int32_t index);

}  // namespace tarnik
