#include "solver/flat_return.h"

#include <bit>
#include <cstring>

namespace tarnik::solver {

namespace {

// The cards that show face up on top of piles not goal piles.
CardMask TableTops(const FlatRules& flat, const FlatPosition& base) {
  CardMask tops = 0;
  for (int32_t p = 0; p < flat.pileCount; ++p)
    if (!base.Empty(p) && !flat.piles[p].Has(PileFlags::WinGoal) && IsUp(base.Top(p)))
      tops |= CardMask{1} << CardValue(base.Top(p));
  return tops;
}

// TableTops of the position to expand, made once for it.
CardMask TopsOf(ReturnMemo& memo, const FlatRules& flat, const FlatPosition& base) {
  if (!memo.topsMade) {
    memo.tops = TableTops(flat, base);
    memo.topsMade = true;
  }
  return memo.tops;
}

// The goal pile `choice` takes its card from, in goal order, and the bit of
// its target, where the memo may answer for it: a drag of the top card of
// a goal pile, where no other card the goal pile would then take shows
// on the table (so no other card could be sent there instead), onto a
// pile that is no goal pile and lifts its top card whatever lies below
// (the top alone, or any pressed card with the cards above it). -1 else.
int32_t GoalOf(ReturnMemo& memo, const FlatRules& flat, const TableRules& rules,
               const FlatPosition& base, const Choice& choice, uint64_t& bit) {
  const SolverAction& a = choice.action;
  if (choice.clicks != 0 || a.kind != SolverAction::Kind::Drag) return -1;
  const int32_t g = a.pile, t = a.target;
  if (g < 0 || t < 0 || t >= 32 || g >= flat.pileCount || t >= flat.pileCount) return -1;
  const FlatPile& from = flat.piles[g];
  const FlatPile& to = flat.piles[t];
  if (!from.Has(PileFlags::WinGoal) || to.Has(PileFlags::WinGoal)) return -1;
  if (to.take != FlatTake::Pressed && to.take != FlatTake::Top) return -1;
  if (to.Has(PileFlags::BeforeTake | PileFlags::RemoveAnyCard)) return -1;
  const int32_t n = base.count[g];
  if (n < 1 || a.card != n - 1) return -1;
  const int32_t below = n >= 2 ? CardValue(base.At(g, n - 2)) : 52;
  // With more than one deck, another copy of the card itself may show.
  if (TopsOf(memo, flat, base) & rules.goalTakes[g][below]) return -1;
  bit = uint64_t{1} << (2 * rules.classOf[t] + (base.Empty(t) ? 1 : 0));
  for (int32_t k = 0; k < flat.goalCount; ++k)
    if (flat.goals[k] == g) return k;
  return -1;
}

// Finds the memo's entry for the goal piles of `base`, or starts one.
ReturnMemo::Entry& Read(ReturnMemo& memo, const FlatRules& flat, const FlatPosition& base) {
  if (memo.read) return memo.entries[memo.at];
  memo.read = true;
  uint8_t now[kMaxPiles + kMaxCards];
  int32_t size = 0;
  for (int32_t k = 0; k < flat.goalCount; ++k) {
    const int32_t g = flat.goals[k];
    now[size++] = base.count[g];
    std::memcpy(now + size, base.cards + base.start[g], base.count[g]);
    size += base.count[g];
  }
  for (int32_t e = 0; e < ReturnMemo::kEntries; ++e) {
    const ReturnMemo::Entry& entry = memo.entries[e];
    if (entry.size == size && std::memcmp(now, entry.goals, size) == 0) {
      memo.at = e;
      return memo.entries[e];
    }
  }
  memo.at = memo.next;
  memo.next = (memo.next + 1) % ReturnMemo::kEntries;
  ReturnMemo::Entry& entry = memo.entries[memo.at];
  entry.size = size;
  std::memcpy(entry.goals, now, size);
  for (int32_t k = 0; k < flat.goalCount; ++k) entry.known[k] = entry.back[k] = 0;
  return entry;
}

// Whether two positions hold the same cards on the same piles.
bool Same(const FlatPosition& a, const FlatPosition& b) {
  const int32_t n = a.pileCount;
  return std::memcmp(a.count, b.count, n) == 0 &&
         std::memcmp(a.cards, b.cards, a.start[n]) == 0;
}

}  // namespace

// Reads whether the memo holds.
void CompileReturns(const FlatRules& flat, ReturnMemo& memo) {
  memo.holds = false;
  constexpr uint32_t kAfterDrop = PileFlags::AutoFillSource | PileFlags::AutoFillDest |
                                  PileFlags::AutoStraight | PileFlags::AutoSuite |
                                  PileFlags::SortAscending | PileFlags::SortDescending |
                                  PileFlags::RemoveBad | PileFlags::KingsToTop |
                                  PileFlags::FillFromColumn;
  if (flat.autoPlay || flat.sorts || (flat.anyFlags & kAfterDrop)) return;
  for (int32_t p = 0; p < flat.pileCount; ++p)
    if (flat.piles[p].overlaid || flat.piles[p].covererCount > 0) return;
  memo.holds = flat.goalCount > 0;
}

bool ComesBackFrom(ReturnMemo& memo, const FlatRules& flat, const TableRules& rules,
                   const FlatPosition& base, const Choice& choice) {
  memo.asked = true;
  uint64_t bit = 0;
  const int32_t k = memo.holds ? GoalOf(memo, flat, rules, base, choice, bit) : -1;
  if (k < 0) return false;
  const ReturnMemo::Entry& entry = Read(memo, flat, base);
  return (entry.known[k] & entry.back[k] & bit) != 0;
}

void NoteReturn(ReturnMemo& memo, const FlatRules& flat, const TableRules& rules,
                const FlatPosition& base, const FlatPosition& child, const Choice& choice) {
  uint64_t bit = 0;
  const int32_t k = memo.holds ? GoalOf(memo, flat, rules, base, choice, bit) : -1;
  if (k < 0) return;
  ReturnMemo::Entry& entry = Read(memo, flat, base);
  entry.known[k] |= bit;
  if (Same(base, child)) entry.back[k] |= bit;
  else entry.back[k] &= ~bit;
}

int32_t UndoCount(const ReturnMemo& memo, const FlatRules& flat, const FlatPosition& base,
                  const FlatPosition& child, const Choice& choice, bool forced) {
  const SolverAction& a = choice.action;
  if (!memo.holds || forced || choice.clicks != 0 || a.kind != SolverAction::Kind::Drag) return 0;
  const int32_t from = a.pile, to = a.target;
  if (from < 0 || to < 0 || from == to || from >= flat.pileCount || to >= flat.pileCount) return 0;
  if ((flat.piles[from].flags | flat.piles[to].flags) & PileFlags::RemoveAnyCard) return 0;
  if (child.changed != (uint64_t{1} << from | uint64_t{1} << to)) return 0;
  const int32_t count = base.count[from] - a.card;
  if (a.card < 0 || count < 1 || count > INT16_MAX || child.count[from] != a.card ||
      child.count[to] != base.count[to] + count)
    return 0;
  return count;
}

bool Undoes(const FlatPosition& pos, const Choice& choice, const SolverAction& last,
            int32_t count) {
  const SolverAction& a = choice.action;
  return count > 0 && choice.clicks == 0 && a.kind == SolverAction::Kind::Drag &&
         a.pile == last.target && a.target == last.pile && a.card == pos.count[a.pile] - count;
}

}  // namespace tarnik::solver
