#include "engine/records/favorites.h"

#include "engine/deal/deal.h"
#include "engine/deal/game_index.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"

namespace tarnik {

static bool IsSlot(int32_t slot) {
  return slot >= 0 && slot < kFavoriteCount;
}

const char* FavoriteLabel(const Game& game, int32_t slot) {
  return IsSlot(slot) ? NameOfGame(game.library, game.prefs.Favorites[slot]) : "";
}

void StartFavorite(Game& game, int32_t slot, uint32_t tickMilliseconds) {
  if (!IsSlot(slot)) return;
  game.CurrentGame = GameInRange(game.library, game.prefs.Favorites[slot]);
  game.CurrentSeed =
      game.services->NewDealSeed(game, FreshSeedOtherThan(tickMilliseconds, game.CurrentSeed));
  StartGame(game, game.CurrentSeed);
}

void ChooseFavoriteSlot(Game& game, int32_t slot) {
  if (IsSlot(slot)) game.records.FavoriteSlot = slot;
}

void ChooseFavoriteGame(Game& game, int32_t listIndex) {
  if (listIndex < 0 || listIndex >= game.library.GameCount) return;
  game.prefs.Favorites[IndexInRange(game.records.FavoriteSlot, kFavoriteCount)] = listIndex;
}

}  // namespace tarnik
