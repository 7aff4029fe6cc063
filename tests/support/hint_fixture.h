// The king of hearts over the queen, every other card home: with a spare
// column the king must move there first; without it no win exists.
#pragma once

#include <vector>

#include "support/play_table.h"

namespace tarnik::testing {

// Piles: 0 the column, 1 the spare column when asked for, then four
// foundations built up in suit from the ace.
GameDef KingOverQueenGame(bool withSpareColumn);
// The cards of that table, pile by pile from the bottom.
std::vector<std::vector<Placed>> KingOverQueen(bool withSpareColumn);

}  // namespace tarnik::testing
