#include "solver/flat_buried.h"

#include <bit>

namespace tarnik::solver {

namespace {

constexpr CardMask kAllCards = (CardMask{1} << 52) - 1;

// Flags that move cards other than by a drop of a lifted group: whole runs
// sent home, removals, pairing, sorting.
constexpr uint32_t kOtherMoves = PileFlags::AutoSuite | PileFlags::AutoStraight |
                                 PileFlags::RemoveBad | PileFlags::GroupRemoval |
                                 PileFlags::SortAscending | PileFlags::SortDescending;
// Flags of piles that hand out cards without a drop, give them up in a
// redeal, or give a card from within.
constexpr uint32_t kGivers = PileFlags::ManualFillSource | PileFlags::AutoFillSource |
                             PileFlags::FillFromColumn | PileFlags::Redeal | PileFlags::RedealShow |
                             PileFlags::RedealSource | PileFlags::RedealDest |
                             PileFlags::RemoveAnyCard;

// Whether a goal pile's cards always lie each on one its drop table let it
// go on, from empty: it starts empty, takes one dropped card at a time and
// nothing else, and gives back (if at all) only from its top.
bool BuildsFromEmpty(const FlatPile& f) {
  return f.oneCard && f.initialSize == 0 &&
         !(f.flags & (kGivers | PileFlags::AutoFillDest | PileFlags::ManualFillDest));
}

// Whether goal pile `f`, from empty, could come to take card `x` with no
// card of `barred` put on it first, by its drop table alone.
bool ReachesFromEmpty(const FlatPile& f, int32_t x, CardMask barred) {
  if (InMask(f.accepts[52], x)) return true;
  CardMask reach = f.accepts[52] & ~barred;
  for (CardMask front = reach; front;) {
    CardMask next = 0;
    for (CardMask m = front; m; m &= m - 1) {
      const CardMask on = f.accepts[std::countr_zero(m)];
      if (InMask(on, x)) return true;
      next |= on;
    }
    front = next & ~barred & ~reach;
    reach |= front;
  }
  return false;
}

// For each card x, the cards y without which no goal pile could come to
// take x (in suit from the ace: the lower cards of its suit).
void CompileGoalFirst(const FlatRules& flat, BuriedRules& out) {
  for (int32_t x = 0; x < 52; ++x)
    for (int32_t y = 0; y < 52; ++y) {
      if (y == x) continue;
      const CardMask barred = CardMask{1} << x | CardMask{1} << y;
      bool some = false;
      for (int32_t g = 0; g < flat.goalCount && !some; ++g)
        some = ReachesFromEmpty(flat.piles[flat.goals[g]], x, barred);
      if (!some) out.goalFirst[x] |= CardMask{1} << y;
    }
}

}  // namespace

// Holds where every card must go home (no four-of-a-rank goal), one deck,
// goal piles that build from empty by drops, nothing moves cards but drags
// of lifted groups, their forced and automatic moves home, the stock and
// redeals (whose piles are left out), some pile that keeps its cards takes
// drops, and no pile takes any card while empty (a free cell, Spider's
// columns): there a card nearly always has a way out, and the check would
// cost without cutting.
void CompileBuried(const FlatRules& flat, const TableRules& rules, BuriedRules& out) {
  out = BuriedRules{};
  if (flat.gameFlags & GameFlags::FourRank) return;
  // What each card's goal pile needs first, where every goal pile builds
  // from empty: the check reads it, and so does the estimate where a press
  // on any face-up card lifts the cards above it (kGoalFirstEstimate).
  bool pressed = false;
  for (int32_t p = 0; p < flat.pileCount; ++p)
    pressed |= !flat.piles[p].Has(PileFlags::WinGoal) && flat.piles[p].take == FlatTake::Pressed;
  out.goalOrdered = pressed && flat.goalCount > 0;
  for (int32_t g = 0; g < flat.goalCount; ++g)
    out.goalOrdered = out.goalOrdered && BuildsFromEmpty(flat.piles[flat.goals[g]]);
  if (out.goalOrdered) CompileGoalFirst(flat, out);
  if (flat.anyFlags & kOtherMoves) return;
  if (flat.goalCount == 0 || rules.deckSize != 52 || rules.lacking) return;
  for (int32_t v = 0; v < 52; ++v)
    if (rules.copies[v] != 1) return;
  bool builds = false, filledElse = false;
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    const FlatPile& f = flat.piles[p];
    // A group lifted from a pile not a holds pile brings cards onto a holds
    // pile that were never dropped there one by one.
    if (f.take != FlatTake::Top && f.take != FlatTake::Nothing &&
        !f.Has(PileFlags::RemoveAnyCard) && (f.Has(PileFlags::WinGoal) || f.flags & kGivers))
      filledElse = true;
    if (f.Has(PileFlags::WinGoal)) {
      if (!BuildsFromEmpty(f)) return;
      out.homeReturns |= f.take != FlatTake::Nothing;
      continue;
    }
    if ((f.accepts[52] & kAllCards) == kAllCards) return;
    out.holds[p] = !(f.flags & kGivers);
    out.startOnly |= out.holds[p] && f.take == FlatTake::Pressed;
    if (out.holds[p] && f.flags & (PileFlags::ManualFillDest | PileFlags::AutoFillDest))
      filledElse = true;
    for (int32_t t = 0; t < 52; ++t) {
      builds |= out.holds[p] && f.accepts[t] != 0;
      for (CardMask m = f.accepts[t] & kAllCards; m; m &= m - 1)
        (out.holds[p] ? out.holdsTops : out.otherTops)[std::countr_zero(m)] |= CardMask{1} << t;
      const CardMask on = f.accepts[t] & kAllCards & ~(CardMask{1} << t);
      (out.holds[p] ? out.onHolds : out.onOther)[t] |= on;
      out.anyOther |= !out.holds[p] && on;
    }
    for (CardMask m = f.accepts[52] & kAllCards; m; m &= m - 1)
      out.startPiles[std::countr_zero(m)] |= uint64_t{1} << p;
    out.onEmpty[p] = f.accepts[52] & kAllCards;
    if (out.onEmpty[p]) out.emptyTakers |= uint64_t{1} << p;
  }
  if (!builds) return;
  out.comeByDrops = !filledElse;
  if (!out.goalOrdered) CompileGoalFirst(flat, out);
  out.goalOrdered = out.active = true;
}

namespace {

// What the first pass found: the cards on holds piles, each pile's cards,
// and (where home is for good) the cards home.
struct Held {
  CardMask cards = 0, home = 0;
  CardMask pile[kMaxPiles];  // set for every pile of the table
};

// Whether card `y` could go onto a pile not a goal pile: onto a top of
// `reach` on a holds pile, a loose top elsewhere, or an empty pile not
// `closed`.
bool Drops(const BuriedRules& b, int32_t y, CardMask reach, CardMask loose, uint64_t closed) {
  const CardMask self = CardMask{1} << y;
  return (b.holdsTops[y] & reach & ~self) || (b.otherTops[y] & loose & ~self) ||
         (b.startPiles[y] & ~closed);
}

// What `Arriving` found last, kept for its next call with fewer cards
// covered and fewer piles closed: every card reached then is reached again.
struct Arrival {
  bool made = false;
  CardMask reach = 0, loose = 0;
  uint64_t closed = 0;
  // The cards that could be dropped onto a pile not a goal pile then: onto
  // a card of `reach` on a holds pile, a loose card elsewhere, or a pile
  // not closed (what Drops answers for each card, for all at once).
  CardMask drops = 0;
};

// The cards that could be dropped (onto a pile not a goal pile) once the
// cards of `tops` show on holds piles, the cards of `looser` are loose, and
// the piles of `opened` may empty.
CardMask DropsOnto(const BuriedRules& b, CardMask tops, CardMask looser, uint64_t opened) {
  CardMask out = 0;
  for (CardMask m = tops; m; m &= m - 1) out |= b.onHolds[std::countr_zero(m)];
  if (b.anyOther)
    for (CardMask m = looser & kAllCards; m; m &= m - 1) out |= b.onOther[std::countr_zero(m)];
  for (uint64_t m = opened & b.emptyTakers; m; m &= m - 1) out |= b.onEmpty[std::countr_zero(m)];
  return out;
}

// The cards that may be a top on a holds pile some day: those lying on one
// and not `covered`, and those elsewhere (not covered, not home for good)
// that could be dropped on a pile not a goal pile, onto one of these, or
// onto an empty pile not `closed` (a least fixpoint, from the cards there).
// Where `was` holds a call with more cards covered and more piles closed,
// its cards are reached again, and only what the new tops, loose cards and
// open piles add is looked for.
CardMask Arriving(const BuriedRules& b, const Held& held, CardMask covered, uint64_t closed,
                  Arrival& was) {
  const CardMask loose = ~covered & ~held.home;
  if (!b.comeByDrops) {
    was = {true, loose, loose, closed, DropsOnto(b, loose & kAllCards, loose, ~closed)};
    return loose;
  }
  CardMask left = loose & ~held.cards & kAllCards, looser = loose, reach = 0, drops = 0;
  uint64_t opened = ~closed;
  if (was.made) {
    looser &= ~was.loose;
    opened &= was.closed;
    reach = was.reach;
    drops = was.drops;
    left &= ~reach;
  }
  const CardMask tops = held.cards & looser;
  reach |= tops;
  drops |= DropsOnto(b, tops, looser, opened);
  CardMask add = left & drops;
  while (add) {
    reach |= add;
    left &= ~add;
    const CardMask onto = DropsOnto(b, add, 0, 0);
    drops |= onto;
    add = left & onto;
  }
  was = {true, reach, loose, closed, drops};
  return reach;
}

// The cards of `cards` that a press on a card below them would lift along
// with them where that card could go onto a pile not a goal pile (`free`):
// a group of two or more never goes home. Where any face-up card lifts all
// above it, one walk up the pile finds the lowest such card that could go,
// which lifts every card above it.
template <typename Free>
CardMask LiftedOut(const BuriedRules& b, const FlatRules& flat, const FlatPosition& pos,
                   const Held& held, CardMask cards, Free free) {
  CardMask out = 0;
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    if (!(held.pile[p] & cards) || !b.holds[p]) continue;
    const FlatPile& f = flat.piles[p];
    if (f.take == FlatTake::Pressed) {
      CardMask rest = held.pile[p] & cards;
      bool lifts = false;  // some face-up card below could go
      for (int32_t k = 0; rest; ++k) {
        const uint8_t c = pos.At(p, k);
        const CardMask bit = CardMask{1} << CardValue(c);
        if (rest & bit) {
          rest &= ~bit;
          if (lifts) out |= bit;
        }
        lifts = lifts || (IsUp(c) && free(CardValue(c)));
      }
      continue;
    }
    if (f.take != FlatTake::Whole && f.take != FlatTake::Limited) continue;  // the top alone
    for (int32_t k = pos.count[p] - 1; k > 0; --k) {
      const int32_t x = CardValue(pos.At(p, k));
      if (!InMask(cards, x)) continue;
      for (int32_t j = k - 1; j >= 0; --j) {  // down the run below x
        const uint8_t c = pos.At(p, j);
        if (!(IsUp(c) && InMask(f.continues[CardValue(pos.At(p, j + 1))], CardValue(c)))) break;
        if (free(CardValue(c))) {
          out |= CardMask{1} << x;
          break;
        }
      }
    }
  }
  return out;
}

// The largest set, within `stuck`, of which no card can be the first to
// move while the set's cards and the cards below them stay where they are;
// the set where it holds a card of `moved`, else none. Each round lets go
// the cards with a way out, so the set only shrinks.
CardMask SomeStaysShut(const BuriedRules& b, const FlatRules& flat, const FlatPosition& pos,
                   const Held& held, CardMask stuck, CardMask moved, Arrival& arrival) {
  // For each card of `stuck`: the cards below it, the cards below it that
  // a press could lift with it, and its pile.
  CardMask below[52], carriers[52];
  uint8_t pileOf[52];
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    if (!(held.pile[p] & stuck)) continue;
    const FlatPile& f = flat.piles[p];
    const bool runs = f.take == FlatTake::Whole || f.take == FlatTake::Limited;
    CardMask under = 0, up = 0, run = 0;
    for (int32_t k = 0; k < pos.count[p]; ++k) {
      const uint8_t c = pos.At(p, k);
      const int32_t x = CardValue(c);
      if (runs) {  // a group is a run: each card continues the one below
        const uint8_t lower = k > 0 ? pos.At(p, k - 1) : 0;
        run = k > 0 && IsUp(lower) && InMask(f.continues[x], CardValue(lower))
                  ? run | CardMask{1} << CardValue(lower)
                  : 0;
      }
      if (InMask(stuck, x)) {
        below[x] = under;
        pileOf[x] = static_cast<uint8_t>(p);
        // Any face-up card lifts all above it; else a run, or the top alone.
        carriers[x] = f.take == FlatTake::Pressed ? up : runs ? run : 0;
      }
      under |= CardMask{1} << x;
      if (IsUp(c)) up |= CardMask{1} << x;
    }
  }
  for (;;) {
    CardMask covered = 0, lifted = 0;  // no top before some card of the set moves
    uint64_t closed = 0;               // piles that never empty before then
    for (CardMask m = stuck; m; m &= m - 1) {
      const int32_t x = std::countr_zero(m);
      covered |= below[x];
      lifted |= carriers[x];
      closed |= uint64_t{1} << pileOf[x];
    }
    // Cards that could go onto a pile not a goal pile, alone or as the
    // bottom of a group.
    Arriving(b, held, covered, closed, arrival);
    const CardMask drops = arrival.drops & (stuck | lifted);
    CardMask freed = 0;
    for (CardMask m = stuck; m; m &= m - 1) {
      const int32_t x = std::countr_zero(m);
      if (!(b.goalFirst[x] & (covered | stuck)) || InMask(drops, x) || (carriers[x] & drops))
        freed |= CardMask{1} << x;
    }
    if (!freed) return stuck;
    stuck &= ~freed;
    if (!(stuck & moved)) return 0;
  }
}

// Whether a set the memo keeps is shut in again. Only a set on holds piles
// whose cards of `moved` all passed the first look (`stuck`) can be: a card
// of a set shut in has no way out through the tops now. Any set found is
// one the whole check would find too.
bool ShutAgain(const BuriedRules& b, const FlatRules& flat, const FlatPosition& pos,
               const Held& held, CardMask stuck, CardMask moved, const BuriedMemo& memo) {
  for (const CardMask set : memo.sets) {
    if (!(set & moved) || (set & ~held.cards) || (set & moved & ~stuck)) continue;
    Arrival arrival;
    if (SomeStaysShut(b, flat, pos, held, set, moved, arrival)) return true;
  }
  return false;
}

}  // namespace

bool Buried(const BuriedRules& b, const FlatRules& flat, const FlatPosition& pos,
            CardMask moved, BuriedMemo* memo) {
  Held held;
  CardMask tops = 0;
  uint64_t filled = 0;
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    const bool home = !b.homeReturns && flat.piles[p].Has(PileFlags::WinGoal);
    held.pile[p] = 0;
    if (pos.Empty(p) || !(b.holds[p] || home)) continue;
    CardMask cards = 0;
    const uint8_t* c = pos.cards + pos.start[p];
    for (int32_t k = 0, n = pos.count[p]; k < n; ++k) cards |= CardMask{1} << CardValue(c[k]);
    if (b.holds[p]) {
      held.pile[p] = cards;
      held.cards |= cards;
      tops |= CardMask{1} << CardValue(pos.Top(p));
      filled |= uint64_t{1} << p;
    } else {
      held.home |= cards;
    }
  }
  // First as if every held card stayed: only a card with no way out of
  // its own even then, nor a card below it that lifts it and has one, may
  // be shut in. The cards of `moved` first: the set needs one of them.
  // The cards that may show on a holds pile are worked out only once some
  // card of `moved` has no way out through the tops there now.
  const CardMask covered = held.cards & ~tops, loose = ~covered & ~held.home;
  const auto dropsNow = [&](int32_t x) { return Drops(b, x, tops, loose, filled); };
  // The cards of `cards` whose goal pile needs a card on a holds pile first.
  const auto waiting = [&](CardMask cards) {
    CardMask out = 0;
    for (CardMask m = cards; m; m &= m - 1) {
      const int32_t x = std::countr_zero(m);
      if (b.goalFirst[x] & held.cards) out |= CardMask{1} << x;
    }
    return out;
  };
  CardMask stuck = 0;
  for (CardMask m = waiting(held.cards & moved); m; m &= m - 1)
    if (!dropsNow(std::countr_zero(m))) stuck |= m & -m;
  if (!stuck) return false;
  if (memo && ShutAgain(b, flat, pos, held, stuck, moved, *memo)) return true;
  // A card below that lifts it and has a top now frees it for sure.
  stuck &= ~LiftedOut(b, flat, pos, held, stuck, dropsNow);
  if (!stuck) return false;
  Arrival arrival;
  Arriving(b, held, covered, filled, arrival);
  const CardMask drops = arrival.drops;
  const auto dropsLater = [&](int32_t x) { return InMask(drops, x); };
  stuck &= ~drops;
  if (stuck) stuck &= ~LiftedOut(b, flat, pos, held, stuck, dropsLater);
  if (!stuck) return false;
  stuck |= waiting(held.cards & ~moved & ~drops);
  const CardMask shut = SomeStaysShut(b, flat, pos, held, stuck, moved, arrival);
  if (shut && memo) {
    memo->sets[memo->next] = shut;
    memo->next = (memo->next + 1) % BuriedMemo::kSets;
  }
  return shut != 0;
}

}  // namespace tarnik::solver
