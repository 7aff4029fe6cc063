// The twenty favourite buttons: each starts a library game with a fresh
// random deal; the customise dialog binds a button to a game of the list.
#pragma once

#include <cstdint>

#include "engine/game/game.h"

namespace tarnik {

// The label of favourite button `slot` (0 to 19): the name of its game, or
// "" when the game is not in the library.
const char* FavoriteLabel(const Game& game, int32_t slot);
// A favourite button of "Favorite games": deals its game with a fresh seed,
// never the seed of the deal in play. Nothing for a slot outside 0 … 19.
void StartFavorite(Game& game, int32_t slot, uint32_t tickMilliseconds);
// A favourite button of "Customize Favorites": the button to change next.
void ChooseFavoriteSlot(Game& game, int32_t slot);
// A selection in the game list of "Customize Favorites": binds the chosen
// button to that library game.
void ChooseFavoriteGame(Game& game, int32_t listIndex);

}  // namespace tarnik
