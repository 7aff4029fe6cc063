// The solver's private copy of a game: a table laid out from a captured
// SolverTable, played by the engine with services that record no position
// and touch no log, and a display that draws and sounds nothing.
#pragma once

#include <memory>

#include "engine/game/game.h"
#include "engine/table/display.h"
#include "solver/solver.h"

namespace tarnik::solver {

// Plays like the real services but keeps no history and no log.
class QuietServices : public PlayServices {
 public:
  void ResetHistory(Game&) override {}
  void RecordPosition(Game&) override {}
  int32_t FindLogRecord(Game&) override { return -1; }
  int32_t OpenLogRecord(Game&) override { return -1; }
  void RaiseDealScore(Game&, int32_t) override {}
  bool MarkDealWon(Game&) override { return false; }
};

// A fresh game on the heap (the record is large) that plays silently.
std::unique_ptr<Game> NewQuietGame();

// A quiet game for one search: this thread's spare one with its table but
// the library set back to a fresh game's, or a new one. A game's record is
// nearly a megabyte, mostly the history and the log that a quiet game
// never writes: making one cost a short search a fifth of its time.
std::unique_ptr<Game> TakeQuietGame();
// Keeps `game` (taken with TakeQuietGame) for this thread's next search.
void GiveQuietGame(std::unique_ptr<Game> game);

// Lays the captured table out on a quiet game.
void LoadTable(const SolverTable& table, Game& game);

// The run-time state of a game's piles and cards, copied as memory: the
// links point into the same game, so copying it back restores the table
// exactly and far faster than laying a snapshot out again.
struct TableImage {
  Pile piles[kMaxPiles];
  Card deck[kMaxCards];
  Pile floatPile;
  Pile* dragSource = nullptr;
  Pile* dropTarget = nullptr;
  int32_t redealsLeft = 0;
  int32_t pileCount = 0;
  int32_t cardCount = 0;
};

// Copies the table of `game` (its first `pileCount` piles and `cardCount`
// cards) into `image`, and back into the same game.
void SaveImage(const Game& game, int32_t pileCount, int32_t cardCount, TableImage& image);
void RestoreImage(const TableImage& image, Game& game);

}  // namespace tarnik::solver
