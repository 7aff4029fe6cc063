// When the records meet the disk: the player file, the tournament file and
// the game in progress are read at start-up and written at shut-down, and
// the player file changes hands at "Open/Create Player...".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/game/game.h"

namespace tarnik {

// The file dialog of "Open/Create Player...": given the current player file
// name, the name the player chose, or nothing when cancelled.
using ChoosePlayerFile = std::function<std::optional<std::string>(const std::string& current)>;

// The player file name kept in the preferences.
std::string PlayerPath(const Game& game);
// Start-up: reads the player file and the tournament file, then reopens the
// game in progress, or deals the current game with a fresh seed.
void LoadRecords(Game& game, uint32_t tickMilliseconds);
// Shut-down: writes the game in progress, the tournament file and the player
// file, each through a temporary file.
void SaveRecords(const Game& game);
// "Open/Create Player...": writes the current player's file, lets the player
// choose another and reads it (a new name starts an empty log). A name of
// 256 characters or more, or an empty one, is not taken: the current player
// stays.
void OpenPlayer(Game& game, const ChoosePlayerFile& choose);

}  // namespace tarnik
