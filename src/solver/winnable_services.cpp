#include "solver/winnable_services.h"

#include "engine/game/game.h"
#include "solver/winnable_deal.h"

namespace tarnik {

// With the preference on, the first candidate seed the solver wins.
uint32_t WinnableServices::NewDealSeed(Game& game, uint32_t freshSeed) {
  if (!DealsOnlyWinnable(game.prefs)) return freshSeed;
  return WinnableDealSeed(game.library, game.CurrentGame, game.prefs, freshSeed);
}

}  // namespace tarnik
