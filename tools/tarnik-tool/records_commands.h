// The commands of tarnik-tool that read and write the player's records:
// saved games and player files.
#pragma once

#include <string>

#include "commands.h"
#include "engine/game/game.h"

namespace tarnik::tool {

// show SAVED.tkg LIBRARY: the position on the table of a saved game.
int Show(const Args& args);
// stats PLAYER.tkp LIBRARY: played, won, lost and percent of each game.
int Stats(const Args& args);

// Opens SAVED.tkg (args[0]) with LIBRARY (args[1]) as "Open Saved Game..."
// does: the generator state is the seed, the table the position at
// UndoPosition. False when it cannot, with `status` 1 for a file the game
// refuses (its message printed) and 2 for a bad argument.
bool OpenSavedFromArgs(const Args& args, const char* command, Game& game, int& status);

// Takes "--save PATH" out of the arguments. False (after the refusal) when
// "--save" has no path or comes twice; `path` stays empty without it.
bool TakeSaveOption(Args& args, std::string& path);
// Writes the saved game of the game in play; 0, or the refusal status.
int SaveTo(const Game& game, const std::string& path);

}  // namespace tarnik::tool
