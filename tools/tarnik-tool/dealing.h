// Dealing a game named on the command line, and printing a table, shared by
// the commands that deal or play.
#pragma once

#include "commands.h"
#include "engine/game/game.h"

namespace tarnik::tool {

// Opens LIBRARY, checks GAME and SEED and starts the game with every
// preference at its default; on a bad argument prints the refusal and
// returns false.
bool DealFromArgs(const Args& args, const char* command, Game& game);
// One line per pile in table order: its index, then "Value:Face" of each
// card from the bottom up.
void PrintTable(const Game& game);

}  // namespace tarnik::tool
