// "Offer a new deal after a win" (off by default): after the win animation a
// box shows the game's figures from the player's log, with "New Deal" and
// "Close".
#pragma once

#include <string>

#include "engine/game/game.h"

namespace tarnik {

constexpr const char* kWinPromptCaption = "Game won";
constexpr const char* kNewDealButton = "New Deal";
constexpr const char* kCloseButton = "Close";

// The box's text: the game's name and its Played and Won figures.
std::string WinPromptText(const Game& game);

}  // namespace tarnik
