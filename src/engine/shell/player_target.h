// Which files may become the player file. The player file is written over
// whole at every save, so a file that holds anything else must never be
// taken for one by mistake.
#pragma once

#include <string>

#include "engine/game/game.h"

namespace tarnik {

constexpr const char* kDefaultPlayerPath = "Data/Tarnik.tkp";

enum class PlayerTarget {
  Free,         // no file of that name yet: a new player
  PlayerFile,   // a regular file of 307200 bytes, or an empty one
  OtherFile,    // a regular file of another size: perhaps a damaged player file
  ProgramFile,  // no regular file, or a file of the game's own: never taken
};

// What the named file is to "Open/Create Player...". The game's own files
// are the game library (and the library the data folder was filled from),
// the tournament file, saved games (by their magic or a ".tkg" name) and any
// ".tkl" or ".tkt" file; anything that is not a regular file (a folder, a
// pipe, a device) counts with them.
PlayerTarget ClassifyPlayerTarget(const Game& game, const std::string& path);

}  // namespace tarnik
