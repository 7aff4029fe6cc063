// What a pile is to a player: a foundation, the stock, a waste pile, a free
// cell, a reserve or a tableau pile, read off its rules, with the words for
// it. The rules pages speak of piles by these names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/cards/cards.h"

namespace tarnik {

enum class PileRole { Foundation, Discard, Stock, Waste, FreeCell, Reserve, Column, Tableau };

// The role a pile plays in its game.
PileRole RoleOf(const PileDef& pile);
// "foundation", "tableau column"; with `plural` "foundations".
std::string RoleName(PileRole role, bool plural);
// "the waste pile", "the four free cells", "the reserve and the waste pile":
// the piles of the game whose flags hold `flag`, named by role; empty when
// none does.
// `plural` tells whether the words name more than one pile.
std::string PilesWithFlag(const GameDef& game, uint32_t flag, bool* plural = nullptr);
// "one" to "twenty", digits above.
std::string NumberWord(int32_t n);

}  // namespace tarnik
