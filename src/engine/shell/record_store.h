// When the records meet the disk: the player file, the tournament file and
// the game in progress are read at start-up and written at shut-down, and
// the player file changes hands at "Open/Create Player...".
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/game/game.h"
#include "engine/records/preference_store.h"

namespace tarnik {

// The file dialog of "Open/Create Player...": given the current player file
// name, the name the player chose, or nothing when cancelled.
using ChoosePlayerFile = std::function<std::optional<std::string>(const std::string& current)>;

// The player file name kept in the preferences.
std::string PlayerPath(const Game& game);
// Start-up: reads the player file and the tournament file, then reopens the
// game in progress, or deals the current game with a fresh seed. A game in
// progress the game refuses is kept aside as "Data/Last.refused.tkg" (the
// two before it as "-2" and "-3"), and the message says so.
void LoadRecords(Game& game, uint32_t tickMilliseconds);
// Shut-down: writes the game in progress, the tournament file and the player
// file, each through a temporary file. The player file is never written over
// one of the game's own files (a player path that names one at start-up
// gives way to the default player file).
void SaveRecords(const Game& game);
// The messages of a file chosen as the player file that is not one.
constexpr const char* kNotPlayerFileText = "That file is not a player file.";
constexpr const char* kNotPlayerFileCaption = "Not a player file";
constexpr const char* kOtherFileQuestion =
    "That file is not a player file. Keep this player's records in it, "
    "writing over what it holds?";

// Shut-down as a whole: the player's records first (as SaveRecords), then
// the window rectangle kept at the close and the other preferences, so that
// a session that ends in a hurry loses preferences at worst.
void SaveAtExit(Game& game, PreferenceStore& store);

// "Open/Create Player...": writes the current player's file, lets the player
// choose another and reads it (a new name starts an empty log). A name of
// 256 characters or more, or an empty one, is not taken: the current player
// stays. Nor is one of the game's own files or anything but a regular file
// (with a message); any other file that is not a player file is taken only
// when the player says Yes to writing over it.
void OpenPlayer(Game& game, const ChoosePlayerFile& choose);

}  // namespace tarnik
