// The king of hearts over the queen, all else home: with a spare column the king moves first.
#pragma once

#include <vector>

#include "support/play_table.h"

namespace tarnik::testing {

// Piles: the column, the spare column when asked for, four foundations up in suit.
GameDef KingOverQueenGame(bool withSpareColumn);
// The cards of that table, pile by pile from the bottom.
std::vector<std::vector<Placed>> KingOverQueen(bool withSpareColumn);

}  // namespace tarnik::testing
