#include "engine/records/win_prompt.h"

#include <cstring>

#include "engine/records/player_log.h"

namespace tarnik {

std::string WinPromptText(const Game& game) {
  const int32_t g = game.CurrentGame;
  std::string name;
  if (g >= 0 && g < game.library.GameCount)
    name.assign(game.library.GameNames[g], strnlen(game.library.GameNames[g], kNameSize));
  return "You won this deal of " + name + ".\n\nPlayed: " + std::to_string(CountPlayed(game, g)) +
         "\nWon: " + std::to_string(CountWon(game, g));
}

}  // namespace tarnik
