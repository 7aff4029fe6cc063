#include "solver/flat_dead_end.h"

#include <bit>

namespace tarnik::solver {

namespace {

// Flags that bring cards home other than by a drop of one accepted card,
// put cards back where they were, or reorder a pile.
constexpr uint32_t kOtherWaysHome = PileFlags::AutoSuite | PileFlags::AutoStraight |
                                   PileFlags::RemoveBad | PileFlags::GroupRemoval |
                                   PileFlags::SortAscending | PileFlags::SortDescending;
// Flags of a redeal, which puts cards back in another order.
constexpr uint32_t kRedeals =
    PileFlags::Redeal | PileFlags::RedealShow | PileFlags::RedealSource | PileFlags::RedealDest;
// Flags of piles that hand their cards to other piles without a drop.
constexpr uint32_t kGivers =
    PileFlags::ManualFillSource | PileFlags::AutoFillSource | PileFlags::FillFromColumn;

// Whether any card may ever be dropped on pile `f`.
bool TakesDrops(const FlatPile& f) {
  for (CardMask m : f.accepts)
    if (m) return true;
  return false;
}

bool GoalMayTake(const DeadEndRules& dead, const FlatPile& f, int32_t g, int32_t top, int32_t x,
                 CardMask allowed, CardMask dealt);

// Card y must be home before card x when no goal pile, from empty, could
// come to take x without y put on it first. Only where goal piles take no
// dealt cards and each card is one of a kind.
void CompilePrecedence(const FlatRules& flat, DeadEndRules& out) {
  for (int32_t g = 0; g < flat.goalCount; ++g)
    if (out.dealtTo[g]) return;
  const CardMask all = (CardMask{1} << 52) - 1;
  for (int32_t x = 0; x < 52; ++x)
    for (int32_t y = 0; y < 52; ++y) {
      if (y == x) continue;
      const CardMask allowed = all & ~(CardMask{1} << y) & ~(CardMask{1} << x);
      bool some = false;
      for (int32_t g = 0; g < flat.goalCount && !some; ++g)
        some = GoalMayTake(out, flat.piles[flat.goals[g]], g, -1, x, allowed, 0);
      if (!some) out.mustPrecede[x] |= CardMask{1} << y, out.ordered = true;
    }
}

}  // namespace

bool HasGoalOnlyStacks(const FlatRules& flat) {
  for (int32_t p = 0; p < flat.pileCount; ++p)
    if (flat.piles[p].Has(PileFlags::FoundationsOnly) && TakesDrops(flat.piles[p])) return true;
  return false;
}

// Every card must go home (no four-of-a-rank goal); the goal piles take
// one card at a time by its own drop test (or the stock's deal), never give
// one back, are never filled or sorted; no pile that hands out cards
// without a drop is ever given a card; a redeal, if any, is the last one.
void CompileDeadEnds(const FlatRules& flat, const TableRules& rules, DeadEndRules& out) {
  out = DeadEndRules{};
  if (flat.gameFlags & GameFlags::FourRank || flat.anyFlags & kOtherWaysHome) return;
  if (flat.anyFlags & kRedeals) {
    if (flat.gameFlags & GameFlags::RedealUnlimited) return;
    out.afterRedeals = true;
  }
  bool othersTake = false;  // some pile not a goal pile takes drops
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    const FlatPile& f = flat.piles[p];
    if (f.Has(PileFlags::WinGoal)) {
      if (!f.oneCard || f.removal != CardRemoval::None || f.Has(PileFlags::AutoFillDest)) return;
      continue;
    }
    if (f.flags & kGivers && TakesDrops(f)) return;
    othersTake |= TakesDrops(f);
  }
  out.needsHigher = true;
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    const FlatPile& f = flat.piles[flat.goals[g]];
    out.startsGoal[flat.goals[g]] = f.accepts[52];
    out.dealtTo[g] = f.Has(PileFlags::ManualFillDest);
    // An exempt rank goes home without a higher card (LowAndKing, LowAndAce).
    const bool king = f.Has(PileFlags::LowAndKing), ace = f.Has(PileFlags::LowAndAce);
    out.needsHigher &= king || ace;
    for (int32_t v = 0; v < 52; ++v)
      if ((king && Rank(v) == kKing) || (ace && Rank(v) == kAce)) out.exempt |= CardMask{1} << v;
    for (int32_t t = 0; t < 52; ++t)
      for (int32_t x = 0; x < 52; ++x)
        if (InMask(f.accepts[t], x)) out.takesOn[g][x] |= CardMask{1} << t;
    for (int32_t x = 0; x < 52; ++x) out.takenOn[x] |= out.takesOn[g][x];
  }
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    const FlatPile& f = flat.piles[p];
    out.mustDrop[p] = !f.Has(PileFlags::WinGoal) && !(f.flags & kGivers);
    out.keepsOrder[p] = out.mustDrop[p] && !f.Has(PileFlags::RemoveAnyCard) &&
                        (f.Has(PileFlags::FoundationsOnly) || !othersTake);
  }
  for (int32_t v = 0; v < 52; ++v)
    for (int32_t w = 0; w < 52; ++w)
      if (Suit(w) == Suit(v) && Rank(w) > Rank(v)) out.higher[v] |= CardMask{1} << w;
  out.oneDeck = true;
  for (int32_t v = 0; v < 52; ++v) {
    out.copies[v] = rules.copies[v];
    out.oneDeck &= rules.copies[v] == 1;
  }
  if (out.oneDeck) CompilePrecedence(flat, out);
  out.active = flat.goalCount > 0;
}

void CompileBoardDeadEnds(const FlatRules& flat, const TableRules& rules, DeadEndRules& out) {
  out = DeadEndRules{};
  if (rules.nothingBuilds || HasGoalOnlyStacks(flat)) CompileDeadEnds(flat, rules, out);
  else CompileBuried(flat, rules, out.buried);
}

namespace {

// The cards of mustDrop piles and the goal tops each may still go on.
struct Needs {
  CardMask on[kMaxCards];
  int32_t count = 0;
};

// Kuhn's augmenting path: finds goal tops for needer `i`, moving others.
bool Augment(const Needs& needs, int32_t i, CardMask& tried, int32_t (&owner)[64]) {
  for (CardMask m = needs.on[i] & ~tried; m; m &= m - 1) {
    const int32_t t = std::countr_zero(m);
    tried |= CardMask{1} << t;
    if (owner[t] < 0 || Augment(needs, owner[t], tried, owner)) {
      owner[t] = i;
      return true;
    }
  }
  return false;
}

// Whether every needer can have a top of its own: a goal top is covered by
// the card dropped on it and never shows again, so two cards never go on
// the same one.
bool EachHasItsOwn(const Needs& needs) {
  int32_t owner[64];
  for (int32_t& o : owner) o = -1;
  for (int32_t i = 0; i < needs.count; ++i) {
    CardMask tried = 0;
    if (!Augment(needs, i, tried, owner)) return false;
  }
  return true;
}

// Whether goal pile `f` (its place `g` among the goals; its top `top`, or
// -1 when empty) could come to take card `x` with only the cards of
// `allowed` put on it first: the tops it may reach, by the drop tables and
// the stock's deals (`dealt`, the cards of piles that give without a drop).
// Every allowed card counts as free for every goal, so a "no" is certain.
bool GoalMayTake(const DeadEndRules& dead, const FlatPile& f, int32_t g, int32_t top, int32_t x,
                 CardMask allowed, CardMask dealt) {
  const CardMask want = dead.takesOn[g][x];
  CardMask reach = dead.dealtTo[g] ? dealt & allowed : 0;
  if (top >= 0) {
    reach |= CardMask{1} << top;
  } else {
    if (InMask(f.accepts[52], x)) return true;
    reach |= f.accepts[52] & allowed;
  }
  for (CardMask front = reach; front;) {
    if (front & want) return true;
    CardMask next = 0;
    for (CardMask m = front; m; m &= m - 1) next |= f.accepts[std::countr_zero(m)];
    front = next & allowed & ~reach;
    reach |= front;
  }
  return false;
}

// Whether the cards not home can be sent home in some order that puts each
// card after those it needs first (`first`): peels off cards whose needs
// are met until none is left, or a ring is all that remains.
bool SomeOrder(CardMask left, const CardMask (&first)[52]) {
  while (left) {
    CardMask ready = 0;
    for (CardMask m = left; m; m &= m - 1) {
      const int32_t x = std::countr_zero(m);
      if (!(first[x] & left)) ready |= CardMask{1} << x;
    }
    if (!ready) return false;
    left &= ~ready;
  }
  return true;
}

// Whether some goal pile could come to take card `x` with only the cards
// of `allowed` put on goal piles first.
bool SomeGoalMayTake(const DeadEndRules& dead, const FlatRules& flat, const FlatPosition& pos,
                     int32_t x, CardMask allowed, CardMask dealt) {
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    const int32_t p = flat.goals[g];
    const int32_t top = pos.Empty(p) ? -1 : CardValue(pos.Top(p));
    if (GoalMayTake(dead, flat.piles[p], g, top, x, allowed, dealt)) return true;
  }
  return false;
}

}  // namespace

bool DeadEnd(const DeadEndRules& dead, const FlatRules& flat, const FlatPosition& pos) {
  if (!dead.active || (dead.afterRedeals && pos.redealsLeft != 0)) return false;
  // Goal tops now, cards not home (and how many copies of each), and one
  // place per empty goal pile (the bits past the cards) with the cards it
  // may start with.
  CardMask tops = 0, away = 0, dealt = 0, starts[64 - 52] = {};
  int32_t empty = 0;
  uint8_t awayCount[52] = {};
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    if (!flat.piles[p].Has(PileFlags::WinGoal)) {
      for (int32_t k = 0; k < pos.count[p]; ++k) {
        const int32_t v = CardValue(pos.At(p, k));
        away |= CardMask{1} << v;
        ++awayCount[v];
        if (!dead.mustDrop[p]) dealt |= CardMask{1} << v;
      }
    } else if (pos.Empty(p)) {
      if (empty < 64 - 52) starts[empty++] = dead.startsGoal[p];
      else return false;
    } else {
      tops |= CardMask{1} << CardValue(pos.Top(p));
    }
  }
  Needs needs;
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    if (!dead.mustDrop[p]) continue;
    // Cards every copy of which not yet home lies below card k; how many
    // copies of each lie below it.
    CardMask below = 0;
    uint8_t belowCount[52] = {};
    for (int32_t k = 0; k < pos.count[p]; ++k) {
      const int32_t x = CardValue(pos.At(p, k));
      const CardMask self = awayCount[x] - belowCount[x] == 1 ? CardMask{1} << x : 0;
      const CardMask later = away & ~self & ~(dead.keepsOrder[p] ? below : 0);
      CardMask on = dead.takenOn[x] & (tops | later);
      for (int32_t e = 0; e < empty; ++e)
        if (InMask(starts[e], x)) on |= CardMask{1} << (52 + e);
      if (!on) return true;
      if (dead.needsHigher && !InMask(dead.exempt, x) && !(dead.higher[x] & away)) return true;
      if (below && dead.keepsOrder[p] && !SomeGoalMayTake(dead, flat, pos, x, later, dealt))
        return true;
      needs.on[needs.count++] = on;
      if (++belowCount[x] == awayCount[x]) below |= CardMask{1} << x;
    }
  }
  if (!dead.oneDeck) return false;
  if (!dead.ordered) return !EachHasItsOwn(needs);
  // The cards each card needs home first: its goal piles' needs, and the
  // card lying on it on a keepsOrder pile.
  CardMask first[52] = {};
  for (CardMask m = away; m; m &= m - 1) {
    const int32_t x = std::countr_zero(m);
    first[x] = dead.mustPrecede[x] & away;
  }
  for (int32_t p = 0; p < flat.pileCount; ++p)
    if (dead.keepsOrder[p])
      for (int32_t k = 0; k + 1 < pos.count[p]; ++k)
        first[CardValue(pos.At(p, k))] |= CardMask{1} << CardValue(pos.At(p, k + 1));
  return !SomeOrder(away, first) || !EachHasItsOwn(needs);
}

}  // namespace tarnik::solver
