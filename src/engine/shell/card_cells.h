// Which picture of the composed card sheet every card and every empty pile
// shows, and the texts drawn beside piles. Pure decisions over the game
// state, shared by the table drawing and its tests.
#pragma once

#include <cstdint>

#include "engine/game/game.h"

namespace tarnik {

// A cell of the card sheet: column 0 … 12, row 0 … 9.
struct SheetCell {
  int32_t column = 0;
  int32_t row = 0;
  bool operator==(const SheetCell&) const = default;
};

constexpr int32_t kWonTableTile = 63;

// The column of a card's face: its rank as displayed, after RankOffset.
int32_t DisplayedRank(const Game& game, int32_t value);
// The cell a card of `pile` shows (face, highlighted face or back).
SheetCell CardCell(const Game& game, const Pile& pile, const Card& card);
// The cell an empty pile shows.
SheetCell EmptyPileCell(const Game& game, const Pile& pile);
// The cell of a pile's top card drawn plain or as the drop target: its
// face whatever way up it lies.
SheetCell TopCardCell(const Game& game, const Card& card, bool highlighted);
// The rank a wrapping foundation needs next (" 2", "10", " K" …), or null
// for other builds and for piles of 13 cards or more.
const char* NextRankLabel(RankBuild build, int32_t count);
// The background tile: the won-deal tile while the deal in play is won.
int32_t TableTile(const Game& game);

}  // namespace tarnik
