#include "solver/flat_transfer.h"

#include "solver/flat_legality.h"
#include "solver/flat_play.h"
#include "solver/flat_reach.h"

namespace tarnik::solver {

namespace {

// Whether the top card of pile `from` may be dragged to pile `to` now, by
// the same tests as a listed drag.
bool TopMayGo(const FlatRules& flat, const FlatPosition& pos, int32_t from, int32_t to) {
  if (pos.Empty(from) || !IsUp(pos.Top(from))) return false;
  const int32_t k = pos.count[from] - 1;
  if (!FlatReachable(flat, pos, from) || FlatTakeable(flat, pos, from, k) != k ||
      !FlatPressable(flat, pos, from, k) || !FlatReachable(flat, pos, to))
    return false;
  if (flat.piles[to].overlaid && !FlatDropReaches(flat, pos, to)) return false;
  return FlatCanDrop(flat, pos, from, to, CardValue(pos.Top(from)), 1);
}

// Drags the top card of `from` to `to` when allowed, appending the drag;
// false when not allowed or the card does not stay there.
bool Step(const FlatRules& flat, FlatPosition& pos, int32_t from, int32_t to,
          std::vector<SolverAction>* line) {
  if (!TopMayGo(flat, pos, from, to)) return false;
  const uint8_t card = pos.Top(from);
  const SolverAction drag{SolverAction::Kind::Drag, from, pos.count[from] - 1, to};
  ApplyFlatAction(flat, pos, drag);
  if (line) line->push_back(drag);
  return !pos.Empty(to) && CardValue(pos.Top(to)) == CardValue(card);
}

// Whether pile `p` is one a run may pass through: empty, not a goal pile,
// and giving its top card alone, as the pile the run leaves does.
bool Passage(const FlatRules& flat, const FlatPosition& pos, int32_t p) {
  const FlatPile& pile = flat.piles[p];
  return pos.Empty(p) && !pile.Has(PileFlags::WinGoal) && pile.take == FlatTake::Top;
}

}  // namespace

bool IsTransfer(const FlatRules& flat, const FlatPosition& pos, const SolverAction& action) {
  return action.kind == SolverAction::Kind::Drag && flat.piles[action.pile].take == FlatTake::Top &&
         action.card < pos.count[action.pile] - 1;
}

bool PlayTransfer(const FlatRules& flat, FlatPosition& pos, const SolverAction& action,
                  std::vector<SolverAction>* line) {
  const int32_t from = action.pile, to = action.target;
  const int32_t n = pos.count[from] - action.card;  // the cards of the run
  const int32_t landed = pos.count[to] + n;
  int32_t via[kMaxPiles];
  int32_t used = 0;
  for (int32_t p = 0; p < flat.pileCount && used < n - 1; ++p)
    if (p != from && p != to && Passage(flat, pos, p)) via[used++] = p;
  if (used < n - 1) return false;
  for (int32_t m = 0; m < n - 1; ++m)
    if (!Step(flat, pos, from, via[m], line)) return false;
  if (!Step(flat, pos, from, to, line)) return false;
  for (int32_t m = n - 2; m >= 0; --m)
    if (!Step(flat, pos, via[m], to, line)) return false;
  return pos.count[to] == landed;
}

void ListTransfers(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   FlatPosition& scratch, std::vector<Choice>& out) {
  int32_t empty = 0;
  for (int32_t p = 0; p < flat.pileCount; ++p) empty += Passage(flat, pos, p);
  if (empty == 0) return;
  for (int32_t i = 0; i < flat.pileCount; ++i) {
    if (flat.piles[i].take != FlatTake::Top || pos.count[i] < 2) continue;
    // The run on top of pile i: each card built on the one below it.
    int32_t run = 1;
    while (run < pos.count[i] && run <= empty) {
      const uint8_t below = pos.At(i, pos.count[i] - run - 1), card = pos.At(i, pos.count[i] - run);
      if (!IsUp(below) || !InMask(rules.buildsOn[i][CardValue(below)], CardValue(card))) break;
      ++run;
    }
    for (int32_t n = 2; n <= run; ++n) {
      const int32_t bottom = pos.count[i] - n;
      const int32_t card = CardValue(pos.At(i, bottom));
      bool emptyTried = false;  // a run goes to one empty pile, whichever
      for (int32_t q = 0; q < flat.pileCount; ++q) {
        if (q == i || flat.piles[q].Has(PileFlags::WinGoal)) continue;
        if (pos.Empty(q)) {
          // n - 1 other empty piles to pass through; a whole pile stays.
          if (!Passage(flat, pos, q) || emptyTried || n == pos.count[i] || n > empty - 1) continue;
          emptyTried = true;
        } else if (!InMask(rules.buildsOn[q][CardValue(pos.Top(q))], card)) {
          continue;
        }
        const SolverAction action{SolverAction::Kind::Drag, i, bottom, q};
        CopyPosition(pos, scratch);
        if (PlayTransfer(flat, scratch, action, nullptr)) out.push_back({0, action});
      }
    }
  }
}

}  // namespace tarnik::solver
