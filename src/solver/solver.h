// The solver: searches the player's possible actions in any game, played by
// the same engine code as the window (drags allowed by TakeableCard and
// CanDrop, stock clicks, flips, redeals and pair marks, each with its
// automatic follow-ups), for a line of play that wins. It works on its own
// copy of the table, so that a worker thread may run it while the game goes
// on: capture the table on the thread that owns the game, then solve.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/cards/cards.h"
#include "engine/play/history.h"

namespace tarnik {

struct Game;
struct Library;
struct Preferences;

// The three answers: a winning line was found, no win exists (every position
// reachable was searched), or the budget ran out first.
enum class Verdict { Won, Lost, Unknown };

// "won", "lost" or "unknown".
const char* VerdictName(Verdict verdict);

// One player action, as a line of the action language of `tarnik-tool play`.
struct SolverAction {
  enum class Kind { Drag, Click };
  Kind kind = Kind::Click;
  int32_t pile = 0;     // the pile pressed
  int32_t card = -1;    // the card pressed, counted from the bottom; -1 the pile itself
  int32_t target = -1;  // where a drag drops its cards

  bool operator==(const SolverAction&) const = default;
};

// "drag P K Q" or "click P K" (or "click P -").
std::string ActionLine(const SolverAction& action);

// Everything the search needs to know about a table, held by value so that
// it may be handed to another thread.
struct SolverTable {
  PileDef piles[kMaxPiles] = {};
  uint32_t gameFlags = 0;
  uint32_t randomState = 0;  // the redeal's interleaving depends on it
  bool autoPlay = false;     // the player's "Automatic play"
  bool dealThree = true;     // the player's "Allow deal three."
  PositionRecord position;   // the cards on the table and the redeals left
};

// Copies the game in play into `table`. Refuses, saying why, while cards are
// being dragged (they are on no pile).
bool CaptureTable(const Game& game, SolverTable& table, std::string& refusal);

// What a long search reports from time to time.
struct SolveProgress {
  int64_t nodes = 0;  // positions expanded so far
  int64_t elapsedMs = 0;
  int32_t bestScore = 0;  // most cards on the goal piles in any position seen
  int32_t deckSize = 0;
};

// The most memory one search holds, whatever its budget of time and
// positions: it answers "unknown" rather than grow past it.
constexpr int64_t kMostSearchBytes = int64_t{512} << 20;

struct SolveOptions {
  int64_t maxNodes = 2'000'000;      // positions expanded before giving up
  int64_t maxMilliseconds = 10'000;  // time before giving up
  // Memory the search may hold; never more than kMostSearchBytes.
  int64_t maxBytes = kMostSearchBytes;
  // Called about every 50 ms from the searching thread.
  std::function<void(const SolveProgress&)> progress;
  // When set and raised by another thread, the search stops with Unknown.
  const std::atomic<bool>* cancel = nullptr;
  // On a machine of two cores or more, a search still going after this
  // many milliseconds shares its proof of loss with a second thread (most
  // deals are decided sooner, and pay nothing for a thread); negative,
  // never, and a search gives the same answer and counts every time.
  int64_t secondThreadAfterMs = 40;
  // The window's searches, after which the program mostly waits on the
  // player: a search that held more than a few tens of megabytes has the
  // allocator hand its free pages back when it ends, rather than keep them
  // until the program quits. Searches run back to back (a bench, a tool)
  // keep them for the next, which would otherwise map them in afresh.
  bool handBackMemory = false;
};

struct SolveResult {
  Verdict verdict = Verdict::Unknown;
  std::vector<SolverAction> actions;  // the winning line when Won
  int64_t nodes = 0;
  int64_t elapsedMs = 0;
  bool cancelled = false;
};

// Searches for a winning line from the captured table. A table that is
// already won answers Won with no actions.
SolveResult Solve(const SolverTable& table, const SolveOptions& options);

// The next action of a winning line, for the Hint command: `found` is false
// when the search found no win (lost, or out of budget).
struct Hint {
  bool found = false;
  SolverAction action;
  Verdict verdict = Verdict::Unknown;
};
Hint FindHint(const SolverTable& table, const SolveOptions& options);

// Deals game `gameIndex` of the library with `seed` the way a new game does
// (with the player's preferences) into `table`; false when the game cannot be
// read or is not in the library.
bool DealTable(const Library& library, int32_t gameIndex, uint32_t seed, const Preferences& prefs,
               SolverTable& table);

// Whether the deal is won by the solver within `milliseconds`: Won, Lost, or
// Unknown when time ran out (or the deal could not be made). A search of
// the window's (SolveOptions::handBackMemory).
Verdict CheckDeal(const Library& library, int32_t gameIndex, uint32_t seed,
                  const Preferences& prefs, int64_t milliseconds,
                  const std::atomic<bool>* cancel = nullptr);

}  // namespace tarnik
