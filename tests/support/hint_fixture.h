// A table whose next winning move follows from the rules alone: one column
// holds the queen of hearts under the king of hearts and the foundations
// hold every other card. With an empty second column the king must move
// there first (then both go home); without it the king has nowhere to go and
// no win exists.
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
