// The Hint command's engine half: the table its search starts from, whether
// the game still shows that table when the answer comes back (the player may
// play on meanwhile), and where the hinted cards and their target lie.
#pragma once

#include <atomic>
#include <cstdint>

#include "solver/solver.h"

namespace tarnik {

struct Game;

constexpr int64_t kHintMilliseconds = 3000;  // the search's budget
constexpr int kHintShowMilliseconds = 1500;  // how long the marks stay
// More positions than three seconds reach: as the deal check, a hint is
// bound by its time and the memory a search may hold. With two threads a
// count of two million stopped four-suit Spider's hints after about two
// seconds, and left deals without a hint that the third second wins.
constexpr int64_t kHintPositions = 1'000'000'000;

// The search options of a hint, stopped when `cancel` is raised: its
// budget, and its memory handed back when it ends (a search of the window).
SolveOptions HintOptions(const std::atomic<bool>* cancel);

// What a hint search was asked about.
struct HintRequest {
  SolverTable table;
  int32_t gameIndex = 0;
  uint32_t seed = 0;
};

// Copies the table in play into `request`; false while cards are being
// dragged.
bool CaptureHint(const Game& game, HintRequest& request);
// Whether the game still shows the table of `request`: the same game and
// deal, rules, cards and redeals left, and the same settings the solver
// plays with.
bool HintIsCurrent(const Game& game, const HintRequest& request);

// A rectangle of the table in window pixels.
struct TableRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  bool operator==(const TableRect&) const = default;
};

// Where a hinted action lies: the cards to take (or the pile to click) and,
// for a drag, the pile to drop them on.
struct HintMarks {
  bool valid = false;  // false when the action does not fit the table
  TableRect cards;
  bool hasTarget = false;
  TableRect target;
};
HintMarks MarkHint(const Game& game, const SolverAction& action);

}  // namespace tarnik
