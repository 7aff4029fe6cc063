#include "solver/solver.h"

#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/play/pointer.h"
#include "engine/play/start_game.h"
#include "solver/sandbox.h"
#include "solver/search.h"

namespace tarnik {

const char* VerdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::Won:
      return "won";
    case Verdict::Lost:
      return "lost";
    default:
      return "unknown";
  }
}

std::string ActionLine(const SolverAction& action) {
  const std::string card = action.card < 0 ? "-" : std::to_string(action.card);
  if (action.kind == SolverAction::Kind::Drag)
    return "drag " + std::to_string(action.pile) + " " + card + " " + std::to_string(action.target);
  return "click " + std::to_string(action.pile) + " " + card;
}

bool CaptureTable(const Game& game, SolverTable& table, std::string& refusal) {
  if (IsDragging(game)) {
    refusal = "cards are being moved";
    return false;
  }
  for (int i = 0; i < kMaxPiles; ++i) table.piles[i] = DefOf(game.PileTable[i]);
  table.gameFlags = game.CurrentFlags;
  table.randomState = game.RandomState;
  table.autoPlay = game.prefs.AutoToggle != 0;
  table.dealThree = game.prefs.ThreeToggle != 0;
  SavePosition(game, table.position);
  return true;
}

SolveResult Solve(const SolverTable& table, const SolveOptions& options) {
  return solver::Search(table, options);
}

Hint FindHint(const SolverTable& table, const SolveOptions& options) {
  const SolveResult result = Solve(table, options);
  Hint hint;
  hint.verdict = result.verdict;
  if (result.verdict == Verdict::Won && !result.actions.empty()) {
    hint.found = true;
    hint.action = result.actions.front();
  }
  return hint;
}

bool DealTable(const Library& library, int32_t gameIndex, uint32_t seed, const Preferences& prefs,
               SolverTable& table) {
  if (gameIndex < 0 || gameIndex >= library.GameCount) return false;
  auto game = solver::TakeQuietGame();
  game->library = library;
  game->prefs = prefs;
  game->CurrentGame = gameIndex;
  game->CurrentSeed = seed;
  StartGame(*game, seed);
  if (!game->PileTable[0].Flags) return false;
  std::string refusal;
  const bool captured = CaptureTable(*game, table, refusal);
  solver::GiveQuietGame(std::move(game));
  return captured;
}

Verdict CheckDeal(const Library& library, int32_t gameIndex, uint32_t seed,
                  const Preferences& prefs, int64_t milliseconds, const std::atomic<bool>* cancel) {
  auto table = std::make_unique<SolverTable>();
  if (!DealTable(library, gameIndex, seed, prefs, *table)) return Verdict::Unknown;
  SolveOptions options;
  options.maxMilliseconds = milliseconds;
  options.cancel = cancel;
  options.handBackMemory = true;
  return Solve(*table, options).verdict;
}

}  // namespace tarnik
