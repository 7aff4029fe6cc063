#include "solver/flat_play.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "engine/deal/deal.h"
#include "engine/play/pairing.h"
#include "engine/play/stock.h"
#include "solver/flat_legality.h"

namespace tarnik::solver {

namespace {

// Whether a pile gives up its cards in a redeal.
bool GivesUpCards(const FlatPile& f) {
  return f.Has(PileFlags::RedealDest) || f.Has(PileFlags::RedealSource);
}

// Keeps a sorted pile in order by exchanging card values, faces staying
// where they are (SortPile).
void SortFlat(const FlatRules& rules, FlatPosition& pos, int32_t p) {
  const FlatPile& f = rules.piles[p];
  const bool up = f.Has(PileFlags::SortAscending), down = f.Has(PileFlags::SortDescending);
  if (!up && !down) return;
  const int32_t n = pos.count[p];
  auto swapValues = [&](int32_t a, int32_t b) {
    uint8_t &x = pos.At(p, a), &y = pos.At(p, b);
    const uint8_t vx = static_cast<uint8_t>(CardValue(x)), vy = static_cast<uint8_t>(CardValue(y));
    x = static_cast<uint8_t>((x & ~63) | vy);
    y = static_cast<uint8_t>((y & ~63) | vx);
    pos.Touch(p);
  };
  if (up)
    for (int32_t a = 0; a < n; ++a)
      for (int32_t b = a + 1; b < n; ++b)
        if (CardValue(pos.At(p, a)) > CardValue(pos.At(p, b))) swapValues(a, b);
  if (down)
    for (int32_t a = 0; a < n; ++a)
      for (int32_t b = a + 1; b < n; ++b)
        if (CardValue(pos.At(p, a)) < CardValue(pos.At(p, b))) swapValues(a, b);
}

// Lifts card `k` of `from` (alone from a RemoveAnyCard pile, else with the
// cards above it) and drops it on `to`, which sorts it (LiftCards, DropOnPile).
void MoveAndDrop(const FlatRules& rules, FlatPosition& pos, int32_t from, int32_t k, int32_t to) {
  MoveCards(pos, from, k, to, rules.piles[from].Has(PileFlags::RemoveAnyCard));
  if (rules.anyFlags & (PileFlags::SortAscending | PileFlags::SortDescending))
    SortFlat(rules, pos, to);
}

// Moves the top card of `from` onto `to` as every single move does.
void MoveTop(const FlatRules& rules, FlatPosition& pos, int32_t from, int32_t to) {
  MoveAndDrop(rules, pos, from, pos.count[from] - 1, to);
}

// Fills empty AutoFillDest piles from the fill sources (AutoFill).
void FlatAutoFill(const FlatRules& rules, FlatPosition& pos) {
  if (!(rules.anyFlags & (PileFlags::AutoFillSource | PileFlags::FillFromColumn))) return;
  for (int32_t s = 0; s < rules.pileCount; ++s) {
    const FlatPile& src = rules.piles[s];
    const bool column = src.Has(PileFlags::FillFromColumn);
    if (!column && !src.Has(PileFlags::AutoFillSource)) continue;
    for (int32_t d = 0; d < rules.pileCount && !pos.Empty(s); ++d) {
      const FlatPile& dst = rules.piles[d];
      if (!dst.Has(PileFlags::AutoFillDest) || !pos.Empty(d)) continue;
      if (column && dst.column != src.column) continue;
      if (CardFace(pos.Top(s)) == FaceDown) pos.TurnTop(s, FaceUp);
      MoveTop(rules, pos, s, d);
    }
  }
}

// Whether the pile may hold a complete run: thirteen cards or more with a
// face-up ace on top. Inline, since most piles looked at fail it.
inline bool MayHoldRun(const FlatPosition& pos, int32_t p) {
  return pos.count[p] >= 13 && IsUp(pos.Top(p)) && Rank(CardValue(pos.Top(p))) == kAce;
}

// Whether the pile holds a complete face-up run from the ace on top down to
// a king, in suit when `sameSuit`.
bool HoldsCompleteRun(const FlatPosition& pos, int32_t p, bool sameSuit) {
  if (!MayHoldRun(pos, p)) return false;
  int32_t k = pos.count[p] - 1;
  for (; k > 0 && IsUp(pos.At(p, k - 1)); --k) {
    const int32_t a = CardValue(pos.At(p, k)), b = CardValue(pos.At(p, k - 1));
    if (!(sameSuit ? b == a + 4 : Rank(b) == Rank(a) + 1)) break;
  }
  return Rank(CardValue(pos.At(p, k))) == kKing;
}

// One step of an automatic run (AutoSuiteStep, AutoStraightStep): a complete
// run goes to the first empty goal pile that may take it, one card at a time.
// Only the piles in `look` can hold a run that goes home, unless a goal pile
// in it is empty: that goal may be one a run left outside was waiting for.
bool FlatAutoRunStep(const FlatRules& rules, FlatPosition& pos, uint32_t flag, bool sameSuit,
                     uint64_t look) {
  for (uint64_t g = look & rules.goalPiles; g; g &= g - 1)
    if (pos.Empty(std::countr_zero(g))) look = ~uint64_t{0};
  for (uint64_t m = look & rules.runPiles; m; m &= m - 1) {
    const int32_t p = std::countr_zero(m);
    if (!rules.piles[p].Has(flag) || !HoldsCompleteRun(pos, p, sameSuit)) continue;
    const int32_t start =
        sameSuit ? static_cast<int32_t>(PileStart::AutoSpades) + Suit(CardValue(pos.Top(p))) : -1;
    int32_t goal = -1;
    for (int32_t i = 0; i < rules.goalCount && goal < 0; ++i) {
      const int32_t q = rules.goals[i];
      if (!pos.Empty(q)) continue;
      if (start < 0 || static_cast<int32_t>(rules.piles[q].start) == start) goal = q;
    }
    if (goal < 0) continue;
    for (int32_t i = 0; i < 13; ++i) MoveTop(rules, pos, p, goal);
    return true;
  }
  return false;
}

// Whether some pile an automatic run step with `look` reads (see
// FlatAutoRunStep) may hold a complete run.
bool MayRunHome(const FlatRules& rules, const FlatPosition& pos, uint64_t look) {
  for (uint64_t g = look & rules.goalPiles; g; g &= g - 1)
    if (pos.Empty(std::countr_zero(g))) look = ~uint64_t{0};
  for (uint64_t m = look & rules.runPiles; m; m &= m - 1)
    if (MayHoldRun(pos, std::countr_zero(m))) return true;
  return false;
}

// The automatic suit runs, then the automatic straight runs (AutoRuns), in
// table order as the engine takes them. Each looks only at the piles changed
// since it last looked; the suit runs have not seen what the straight runs
// moved, so those piles stay unseen.
void FlatAutoRuns(const FlatRules& rules, FlatPosition& pos) {
  if (!(rules.anyFlags & (PileFlags::AutoSuite | PileFlags::AutoStraight))) return;
  // Most moves leave no pile the runs look at that may hold one: both
  // kinds of run then look, find nothing and leave every pile seen.
  if (!MayRunHome(rules, pos, pos.unseenRuns)) {
    pos.unseenRuns = 0;
    return;
  }
  if (rules.anyFlags & PileFlags::AutoSuite)
    while (FlatAutoRunStep(rules, pos, PileFlags::AutoSuite, true, pos.unseenRuns)) {
    }
  const uint64_t suitSaw = pos.unseenRuns;
  pos.unseenRuns = 0;
  if (rules.anyFlags & PileFlags::AutoStraight)
    while (FlatAutoRunStep(rules, pos, PileFlags::AutoStraight, false, suitSaw | pos.unseenRuns)) {
    }
}

// One automatic move from pile `p` (AutoMoveFromPile): turns its face-down
// candidate card, or sends a card to the first goal pile that takes it.
bool FlatAutoMove(const FlatRules& rules, FlatPosition& pos, int32_t p) {
  const FlatPile& f = rules.piles[p];
  if (!f.Has(PileFlags::AutoPlay) || pos.Empty(p)) return false;
  if (f.Has(PileFlags::BeforeTake) && !CellsCleared(rules, pos)) return false;
  const bool single = f.Has(PileFlags::RemoveAnyCard);
  int32_t k = single ? 0 : pos.count[p] - 1;
  if (CardFace(pos.At(p, k)) == FaceDown) {
    pos.At(p, k) = WithFace(pos.At(p, k), FaceUp);
    --pos.downGained;
    pos.Touch(p);
    return true;
  }
  for (; k < pos.count[p]; ++k)
    for (int32_t goal = 0; goal < rules.pileCount; ++goal) {
      if (!rules.piles[goal].Has(PileFlags::WinGoal)) continue;
      if (!FlatCanDrop(rules, pos, p, goal, CardValue(pos.At(p, k)), 1)) continue;
      MoveAndDrop(rules, pos, p, k, goal);
      FlatAutoFill(rules, pos);
      return true;
    }
  return false;
}

// With the player's "Automatic play", automatic moves in table order until
// none is left (AutoPlayAll).
void FlatAutoPlay(const FlatRules& rules, FlatPosition& pos) {
  if (!rules.autoPlay) return;
  for (bool moved = true; moved;) {
    moved = false;
    for (int32_t p = 0; p < rules.pileCount && !moved; ++p) moved = FlatAutoMove(rules, pos, p);
  }
}

// The deal of FlatDeal where no pile sorts its cards and the stock deals to
// others only: the same cards, faces and piles touched as its moves one card
// at a time, with the card bytes laid out again once instead of shifted for
// every card (a deal of ten cards was ten shifts across the table).
void DealAtOnce(const FlatRules& rules, FlatPosition& pos, int32_t stock) {
  int32_t gets[kMaxPiles] = {};
  int32_t left = pos.count[stock], dealt = 0;
  for (uint64_t m = rules.dealPiles; m && left > 0; m &= m - 1) {
    const int32_t d = std::countr_zero(m);
    const FlatPile& dst = rules.piles[d];
    if (dst.Has(PileFlags::MustBeEmpty) && !pos.Empty(d)) continue;
    gets[d] = std::clamp(dst.cardsPerClick, 0, left);
    left -= gets[d];
    dealt += gets[d];
  }
  if (dealt == 0) return;
  // The stock's top card goes first, to the first pile that receives.
  const uint8_t* next = pos.cards + pos.start[stock] + pos.count[stock];
  uint8_t laid[kMaxCards];
  int32_t k = 0;
  for (int32_t p = 0; p < rules.pileCount; ++p) {
    const int32_t keep = p == stock ? pos.count[p] - dealt : pos.count[p];
    std::memcpy(laid + k, pos.cards + pos.start[p], static_cast<size_t>(keep));
    k += keep;
    for (int32_t i = 0; i < gets[p]; ++i) {
      const uint8_t card = *--next;
      pos.downGained -= CardFace(card) == FaceDown;
      laid[k++] = WithFace(card, FaceUp);
    }
    if (gets[p] > 0) pos.Touch(p);
    pos.count[p] = static_cast<uint8_t>(keep + gets[p]);
  }
  std::memcpy(pos.cards, laid, static_cast<size_t>(k));
  for (int32_t p = 0, at = 0; p < rules.pileCount; at += pos.count[p++])
    pos.start[p] = static_cast<uint8_t>(at);
  pos.Touch(stock);
}

// Deals from the stock to every receiving pile in table order (DealFromStock),
// the piles that receive compiled as bits.
void FlatDeal(const FlatRules& rules, FlatPosition& pos, int32_t stock) {
  if (!rules.sorts && !(rules.dealPiles >> stock & 1)) {
    DealAtOnce(rules, pos, stock);
    return;
  }
  for (uint64_t m = rules.dealPiles; m; m &= m - 1) {
    const int32_t d = std::countr_zero(m);
    const FlatPile& dst = rules.piles[d];
    if (dst.Has(PileFlags::MustBeEmpty) && !pos.Empty(d)) continue;
    for (int32_t i = 0; i < dst.cardsPerClick && !pos.Empty(stock); ++i) {
      pos.TurnTop(stock, FaceUp);
      MoveTop(rules, pos, stock, d);
    }
  }
}

// When the RemoveBad piles show all four suits on top, their non-king top
// cards go to the last goal pile (RemoveBadCards).
void FlatRemoveBad(const FlatRules& rules, FlatPosition& pos) {
  if (!(rules.anyFlags & PileFlags::RemoveBad)) return;
  bool seen[4] = {};
  int32_t goal = -1;
  for (int32_t p = 0; p < rules.pileCount; ++p) {
    if (rules.piles[p].Has(PileFlags::WinGoal)) goal = p;
    if (rules.piles[p].Has(PileFlags::RemoveBad) && !pos.Empty(p))
      seen[Suit(CardValue(pos.Top(p)))] = true;
  }
  if (goal < 0 || !(seen[0] && seen[1] && seen[2] && seen[3])) return;
  for (int32_t p = 0; p < rules.pileCount; ++p) {
    if (!rules.piles[p].Has(PileFlags::RemoveBad) || pos.Empty(p) ||
        Rank(CardValue(pos.Top(p))) == kKing)
      continue;
    MoveTop(rules, pos, p, goal);
  }
}

// Whether the marked top cards, in table order, pair off under the game's
// pairing rules (PairCheck).
bool FlatPairCheck(const FlatRules& rules, const FlatPosition& pos) {
  int v[kMaxMarked] = {};
  int m = 0;
  for (int32_t p = 0; p < rules.pileCount; ++p) {
    if (pos.Empty(p) || CardFace(pos.Top(p)) != Marked) continue;
    if (m < kMaxMarked) v[m] = Rank(CardValue(pos.Top(p))) + 1;
    ++m;
  }
  return PairsOff(v, m, rules.gameFlags);
}

// Marks or unmarks the top card of pile `p`; a set that pairs off goes to
// the first goal pile (ToggleMark).
void FlatToggleMark(const FlatRules& rules, FlatPosition& pos, int32_t p) {
  pos.marks = true;
  pos.TurnTop(p, CardFace(pos.Top(p)) == FaceUp ? Marked : FaceUp);
  if (!FlatPairCheck(rules, pos)) return;
  int32_t goal = 0;
  while (goal < rules.pileCount && !rules.piles[goal].Has(PileFlags::WinGoal)) ++goal;
  if (goal == rules.pileCount) return;  // no goal pile: the set stays marked
  for (int32_t q = 0; q < rules.pileCount; ++q) {
    if (pos.Empty(q) || CardFace(pos.Top(q)) != Marked) continue;
    pos.TurnTop(q, FaceUp);
    MoveTop(rules, pos, q, goal);
  }
}

// The click on a non-empty stock (StockClick).
void FlatStockClick(const FlatRules& rules, FlatPosition& pos, int32_t stock) {
  if (rules.piles[stock].Has(PileFlags::BeforeDeal) &&
      !(CellsCleared(rules, pos) && PilesFilled(rules, pos)))
    return;
  if (FlatAnyMarked(rules, pos)) return;
  FlatDeal(rules, pos, stock);
  FlatRemoveBad(rules, pos);
  FlatAutoRuns(rules, pos);
  FlatAutoPlay(rules, pos);
}

// Cards on the piles that give up their cards in a redeal.
int32_t RedealCards(const FlatRules& rules, const FlatPosition& pos) {
  int32_t n = 0;
  for (int32_t p = 0; p < rules.pileCount; ++p)
    if (GivesUpCards(rules.piles[p])) n += pos.count[p];
  return n;
}

// Moves every card of `giver` onto `pile` as a gathering takes them, each
// the giver's top in turn: one block in reverse order, turned face down
// when `turn`.
void GatherBlock(FlatPosition& pos, int32_t giver, int32_t pile, bool turn) {
  const int32_t n = pos.count[giver];
  MoveCards(pos, giver, 0, pile, false);
  uint8_t* block = &pos.At(pile, pos.count[pile] - n);
  std::reverse(block, block + n);
  for (int32_t i = 0; i < n && turn; ++i)
    if (IsUp(block[i])) {
      block[i] = WithFace(block[i], FaceDown);
      ++pos.downGained;
    }
}

// Gathers the redeal piles' cards onto `pile`, interleaved by the game's
// generator, and refills the RedealSource piles (GatherAndRedeal).
bool FlatGather(const FlatRules& rules, FlatPosition& pos, int32_t pile, bool keepFaces) {
  int32_t remaining =
      RedealCards(rules, pos) - (GivesUpCards(rules.piles[pile]) ? pos.count[pile] : 0);
  uint32_t r = GatherStartState(rules.randomState);
  bool moved = false;
  // With one pile giving up cards, each card the interleaving takes is
  // that pile's top: its cards come over in reverse order, as one block.
  int32_t giver = -1, givers = 0;
  for (int32_t q = 0; q < rules.pileCount; ++q)
    if (q != pile && !pos.Empty(q) && GivesUpCards(rules.piles[q])) giver = q, ++givers;
  if (givers == 1) {
    GatherBlock(pos, giver, pile, rules.piles[giver].Has(PileFlags::RedealDest) && !keepFaces);
    moved = true;
    remaining = 0;
  }
  while (remaining > 0) {
    bool tookAny = false;
    for (int32_t q = 0; q < rules.pileCount; ++q) {
      if (q == pile || pos.Empty(q) || !GivesUpCards(rules.piles[q])) continue;
      r *= kRandomMultiplier;
      if (r % 3u == 0) continue;
      --remaining;
      if (rules.piles[q].Has(PileFlags::RedealDest) && IsUp(pos.Top(q)) && !keepFaces)
        pos.TurnTop(q, FaceDown);
      MoveCards(pos, q, pos.count[q] - 1, pile, true);
      tookAny = moved = true;
    }
    if (!tookAny && remaining > 0 && RedealCards(rules, pos) == 0) break;
  }
  for (int32_t s = 0; s < rules.pileCount; ++s)
    if (rules.piles[s].Has(PileFlags::RedealSource) && s != pile)
      while (!pos.Empty(pile) && pos.count[s] < rules.piles[s].initialSize) {
        MoveCards(pos, pile, pos.count[pile] - 1, s, true);
        moved = true;
      }
  return moved;
}

// One redeal through `pile` when one is left (TryRedeal).
void FlatRedeal(const FlatRules& rules, FlatPosition& pos, int32_t pile, bool keepFaces) {
  const bool unlimited = rules.gameFlags & GameFlags::RedealUnlimited;
  if (pos.redealsLeft == 0 && !unlimited) return;
  if (!FlatGather(rules, pos, pile, keepFaces)) return;
  if (pos.redealsLeft != 0 && !unlimited) --pos.redealsLeft;
  FlatAutoPlay(rules, pos);
}

// The drag of the group whose deepest card is card `grab` of the action's
// pile: drop, automatic filling and runs.
void FlatDragFrom(const FlatRules& rules, FlatPosition& pos, const SolverAction& action,
                  int32_t grab) {
  MoveAndDrop(rules, pos, action.pile, grab, action.target);
  // Each step is called only where the rules have it: a drag is the most
  // frequent action, and most games have none of them.
  if (rules.anyFlags & (PileFlags::AutoFillSource | PileFlags::FillFromColumn))
    FlatAutoFill(rules, pos);
  if (rules.anyFlags & (PileFlags::AutoSuite | PileFlags::AutoStraight)) FlatAutoRuns(rules, pos);
  if (rules.autoPlay) FlatAutoPlay(rules, pos);
}

// The drag: lift, drop, automatic filling and runs.
void FlatDrag(const FlatRules& rules, FlatPosition& pos, const SolverAction& action) {
  const int32_t p = action.pile;
  if (action.card < 0 || action.card >= pos.count[p]) return;
  const int32_t grab = FlatTakeable(rules, pos, p, action.card);
  if (grab < 0) return;
  FlatDragFrom(rules, pos, action, grab);
}

}  // namespace

bool FlatClickDealsOne(const FlatRules& rules, int32_t stock) {
  if (stock < 0 || stock >= rules.pileCount || std::popcount(rules.dealPiles) != 1) return false;
  const FlatPile& s = rules.piles[stock];
  const FlatPile& d = rules.piles[std::countr_zero(rules.dealPiles)];
  const uint32_t others = PileFlags::RemoveBad | PileFlags::AutoSuite | PileFlags::AutoStraight;
  return s.Has(PileFlags::ManualFillSource) && !s.Has(PileFlags::GroupRemoval) &&
         !s.Has(PileFlags::BeforeDeal) && !d.Has(PileFlags::MustBeEmpty) &&
         d.cardsPerClick == 1 && !d.Has(PileFlags::SortAscending) &&
         !d.Has(PileFlags::SortDescending) && !(rules.anyFlags & others) && !rules.autoPlay;
}

bool FlatClickRedealsOne(const FlatRules& rules, int32_t stock, int32_t waste) {
  if (stock < 0 || stock >= rules.pileCount || waste < 0 || waste >= rules.pileCount ||
      waste == stock || rules.autoPlay)
    return false;
  const FlatPile& s = rules.piles[stock];
  if (s.Has(PileFlags::Redeal) == s.Has(PileFlags::RedealShow)) return false;
  for (int32_t p = 0; p < rules.pileCount; ++p) {
    if (rules.piles[p].Has(PileFlags::RedealSource)) return false;
    if (p != stock && GivesUpCards(rules.piles[p]) != (p == waste)) return false;
  }
  return true;
}

void FlatRedealOne(const FlatRules& rules, FlatPosition& pos, int32_t stock, int32_t waste) {
  const bool unlimited = rules.gameFlags & GameFlags::RedealUnlimited;
  if (pos.redealsLeft == 0 && !unlimited) return;
  GatherBlock(pos, waste, stock,
              rules.piles[waste].Has(PileFlags::RedealDest) &&
                  !rules.piles[stock].Has(PileFlags::RedealShow));
  if (pos.redealsLeft != 0 && !unlimited) --pos.redealsLeft;
}

bool FlatAnyMarked(const FlatRules& rules, const FlatPosition& pos) {
  if (!pos.marks) return false;
  for (int32_t p = 0; p < rules.pileCount; ++p)
    if (!pos.Empty(p) && CardFace(pos.Top(p)) == Marked) return true;
  return false;
}

void SeeFlatRuns(const FlatRules& rules, FlatPosition& pos) {
  pos.unseenRuns = 0;
  for (uint64_t m = rules.runPiles; m; m &= m - 1) {
    const int32_t p = std::countr_zero(m);
    if (HoldsCompleteRun(pos, p, !rules.piles[p].Has(PileFlags::AutoStraight)))
      pos.unseenRuns |= uint64_t{1} << p;
  }
}

void SortFlatPiles(const FlatRules& rules, FlatPosition& pos) {
  for (int32_t p = 0; p < rules.pileCount; ++p) SortFlat(rules, pos, p);
}

// A listed drag lifts from the card it presses (ListDragsFrom lists the
// press on a group's deepest card): only the bounds are checked again.
void ApplyListedAction(const FlatRules& rules, FlatPosition& pos, const SolverAction& action) {
  if (action.kind == SolverAction::Kind::Drag && action.pile >= 0 &&
      action.pile < rules.pileCount && action.target >= 0 && action.target < rules.pileCount &&
      action.card >= 0 && action.card < pos.count[action.pile]) {
    FlatDragFrom(rules, pos, action, action.card);
    return;
  }
  ApplyFlatAction(rules, pos, action);
}

void ApplyFlatAction(const FlatRules& rules, FlatPosition& pos, const SolverAction& action) {
  if (action.pile < 0 || action.pile >= rules.pileCount) return;
  if (action.kind == SolverAction::Kind::Drag) {
    if (action.target >= 0 && action.target < rules.pileCount) FlatDrag(rules, pos, action);
    return;
  }
  const int32_t p = action.pile;
  const FlatPile& f = rules.piles[p];
  if (pos.Empty(p)) {
    if (f.Has(PileFlags::Redeal)) FlatRedeal(rules, pos, p, false);
    if (f.Has(PileFlags::RedealShow)) FlatRedeal(rules, pos, p, true);
  } else if (f.Has(PileFlags::GroupRemoval) && FlatAnyMarked(rules, pos)) {
    FlatToggleMark(rules, pos, p);
    FlatAutoFill(rules, pos);
  } else if (f.Has(PileFlags::ManualFillSource)) {
    FlatStockClick(rules, pos, p);
  } else if (f.Has(PileFlags::GroupRemoval)) {
    FlatToggleMark(rules, pos, p);
    FlatAutoFill(rules, pos);
  } else {
    pos.TurnTop(p, FaceUp);
    FlatAutoPlay(rules, pos);
  }
}

}  // namespace tarnik::solver
