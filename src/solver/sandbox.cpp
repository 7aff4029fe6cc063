#include "solver/sandbox.h"

#include "model/pile_ops.h"
#include "play/history.h"

namespace tarnik::solver {

namespace {

QuietServices quietServices;
NullDisplay silentDisplay;

}  // namespace

std::unique_ptr<Game> NewQuietGame() {
  auto game = std::make_unique<Game>();
  game->services = &quietServices;
  game->display = &silentDisplay;
  return game;
}

void LoadTable(const SolverTable& table, Game& game) {
  for (int i = 0; i < kMaxPiles; ++i) {
    game.PileTable[i] = Pile{};
    static_cast<PileDef&>(game.PileTable[i]) = table.piles[i];
  }
  game.CurrentFlags = table.gameFlags;
  game.RandomState = table.randomState;
  game.prefs.AutoToggle = table.autoPlay ? 1 : 0;
  game.prefs.ThreeToggle = table.dealThree ? 1 : 0;
  game.prefs.Neatness = 0;
  game.ShowAllCards = false;
  game.CurrentLogRecord = -1;
  LoadPosition(game, table.position);
}

}  // namespace tarnik::solver
