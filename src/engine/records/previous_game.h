// "Back to Previous Game": whenever a game in progress with at least one
// recorded move is replaced, it is kept as a saved game of its own, and the
// command swaps the game in play with the kept one, so the player can go
// back and forth. The kept game lasts between runs; the player's log and the
// tournaments never hear of it.
#pragma once

#include <string>

#include "engine/game/game.h"

namespace tarnik {

constexpr const char* kPreviousGamePath = "Data/Previous.tkg";

// Keeps the game in play, with its history and snapshot, when it has a
// recorded move and its saved form would open again; the same game is not
// written twice.
void KeepPreviousGame(Game& game);
// Looks for a kept game at start-up; whether there is one.
bool FindPreviousGame(Game& game);
// Swaps the game in play with the kept one, as opening a saved game does.
// 1 when it did; 0 when there is none or it no longer fits the library
// (after a message; the kept file is then dropped).
int BackToPreviousGame(Game& game);
// The library name of the kept game ("" when there is none), and the kept
// game renumbered to the place of that name after the library was sorted.
std::string PreviousGameName(const Game& game);
void RenumberPreviousGame(Game& game, const std::string& name);

}  // namespace tarnik
