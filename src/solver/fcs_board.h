// The deal of a FreeCell-family game (free cells, four foundations built up
// in suit from the ace, eight columns built down in alternate colours) as a
// board in the text format of the Freecell Solver program (fc-solve), so
// that its verdicts can be compared with ours.
#pragma once

#include <string>

namespace tarnik {

struct Game;

// Writes the table as a board: the foundations line, the free cells line,
// then one line per column from its bottom card up. Refuses, saying why, for
// a game outside the family.
bool FreecellBoard(const Game& game, std::string& board, std::string& refusal);

}  // namespace tarnik
