#include "solver/progress_proof.h"

#include <algorithm>
#include <bit>

namespace tarnik::solver {

namespace {

// Whether a tableau pile gives and takes cards by its tables alone: any
// number of cards, no table-wide condition or automatic move, any part of
// a run lifted from the card pressed, with no free cells to limit it.
// "Automatic play" is the player's, looked at apart.
bool PlainColumn(const FlatPile& p) {
  if (p.flags & ~PileFlags::AutoPlay) return false;
  if (p.sizeLimit != 0 || p.oneCard || p.placementNone || p.attributes) return false;
  return p.take == FlatTake::Limited;
}

// Whether the build of column `p` makes every trade harmless: each card
// builds on two tops at most, one rank above it and out of its suit, and
// a press lifts it with the top it lies on; the tops a card builds on
// take the same cards and continue the same runs; the cards an empty
// column takes build on nothing.
bool TradesHarmless(const FlatPile& p, const CardMask* buildsOn) {
  CardMask builders = 0;  // the cards that build on some top
  for (int32_t v = 0; v < 52; ++v) {
    if (p.accepts[v] != buildsOn[v]) return false;  // a drop that builds on nothing
    builders |= p.accepts[v];
    for (CardMask m = p.accepts[v]; m; m &= m - 1) {
      const int32_t c = std::countr_zero(m);
      if (Suit(c) == Suit(v) || Rank(c) + 1 != Rank(v)) return false;
      if (!InMask(p.continues[c], v)) return false;
    }
  }
  if (p.accepts[52] & builders) return false;
  for (int32_t c = 0; c < 52; ++c) {
    int32_t tops[3], n = 0;
    for (int32_t v = 0; v < 52 && n < 3; ++v)
      if (InMask(p.accepts[v], c)) tops[n++] = v;
    if (n == 3) return false;
    if (n == 2 &&
        (p.accepts[tops[0]] != p.accepts[tops[1]] || p.continues[tops[0]] != p.continues[tops[1]]))
      return false;
  }
  return true;
}

}  // namespace

bool ProgressProves(const FlatRules& flat, const TableRules& rules) {
  uint64_t tableau = 0;
  for (int32_t p = 0; p < flat.pileCount; ++p)
    if (IsTableau(flat.piles[p])) tableau |= uint64_t{1} << p;
  if (tableau == 0 || !rules.singleCopies || flat.autoPlay || flat.sorts) return false;
  if (flat.runPiles != 0 || (flat.dealPiles & tableau) || flat.cellCount || flat.filledCount)
    return false;
  if (flat.anyFlags & PileFlags::NeedFreeCells) return false;
  if (flat.gameFlags & GameFlags::FourRank) return false;
  const int32_t first = std::countr_zero(tableau);
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    const FlatPile& pile = flat.piles[p];
    if (pile.overlaid || pile.covererCount != 0) return false;
    if (pile.Has(PileFlags::WinGoal) && !pile.oneCard) return false;
    if (!(tableau >> p & 1)) continue;
    if (!PlainColumn(pile) || !PlayAlike(pile, flat.piles[first])) return false;
    if (!(flat.turnPiles >> p & 1)) return false;
  }
  return TradesHarmless(flat.piles[first], rules.buildsOn[first]);
}

bool WasteWaits(const FlatRules& flat, const TableRules& rules) {
  return flat.progressProves && rules.stockCycles && rules.stock >= 0 && rules.waste >= 0;
}

void ReadTwins(const FlatRules& flat, CardMask twins[52]) {
  std::fill(twins, twins + 52, CardMask{0});
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    const FlatPile& pile = flat.piles[p];
    if (!IsTableau(pile)) continue;
    for (int32_t c = 0; c < 52; ++c) {
      if (pile.accepts[c] == 0) continue;  // a card nothing goes onto has no twin
      for (int32_t v = 0; v < 52; ++v)
        if (v != c && pile.accepts[v] == pile.accepts[c] && pile.continues[v] == pile.continues[c])
          twins[c] |= CardMask{1} << v;
    }
    return;  // the tableau piles are alike
  }
}

CardMask OpenCards(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   CardMask wanted, uint64_t tableau) {
  CardMask open = 0, cycle = 0;
  for (int32_t p = 0; p < flat.pileCount; ++p) {
    const int32_t n = pos.count[p];
    if (n == 0) continue;
    const FlatPile& pile = flat.piles[p];
    if (p == rules.stock || p == rules.waste) {
      for (int32_t k = 0; k < n; ++k) cycle |= CardMask{1} << CardValue(pos.At(p, k));
      continue;
    }
    if (pile.Has(PileFlags::WinGoal)) {
      open |= CardMask{1} << CardValue(pos.Top(p));
      continue;
    }
    const bool column = tableau >> p & 1;
    for (int32_t k = 0; k < n; ++k) {
      const uint8_t card = pos.At(p, k);
      if (!IsUp(card)) continue;
      if (column && k > 0 && IsUp(pos.At(p, k - 1))) {
        const int32_t below = CardValue(pos.At(p, k - 1));
        if (InMask(pile.accepts[below], CardValue(card)) && !InMask(wanted, below)) continue;
      }
      open |= CardMask{1} << CardValue(card);
    }
  }
  // A card of the cycle goes onto a card by a drag from the waste, which
  // must itself find an open card to go onto it: rank by rank upward.
  for (CardMask m = cycle; m; m &= m - 1) {
    const int32_t v = std::countr_zero(m);
    if (rules.builders[v] & open) open |= CardMask{1} << v;
  }
  return open;
}

}  // namespace tarnik::solver
