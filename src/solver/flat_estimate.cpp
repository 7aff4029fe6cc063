#include "solver/flat_estimate.h"

namespace tarnik::solver {

namespace {

constexpr int32_t kHomeCard = 100;   // a card on a goal pile
constexpr int32_t kFaceDown = 12;    // a card still face down
constexpr int32_t kWantedCover = 5;  // a card above a card the goals want now
constexpr int32_t kBuilt = 4;        // a card lying on a card it builds on
constexpr int32_t kBuiltInSuit = 2;  // … in the same suit
constexpr int32_t kFreeCell = 8;     // an empty pile that holds one card
constexpr int32_t kFreeColumn = 20;  // an empty pile that holds any number
constexpr int32_t kStockCard = 1;    // a card still in a stock

}  // namespace

CardMask FlatWanted(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos) {
  CardMask wanted = 0;
  for (int32_t i = 0; i < flat.pileCount; ++i)
    if (flat.piles[i].Has(PileFlags::WinGoal))
      wanted |= rules.goalTakes[i][pos.Empty(i) ? 52 : CardValue(pos.Top(i))];
  return wanted;
}

int32_t FlatPileWorth(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                      int32_t i, CardMask wanted, int32_t disorder) {
  const FlatPile& p = flat.piles[i];
  if (p.Has(PileFlags::WinGoal)) return kHomeCard * pos.count[i];
  const int32_t n = pos.count[i];
  if (n == 0) {
    if (p.placementNone || p.start == PileStart::None) return 0;
    return p.sizeLimit == 1 ? kFreeCell : kFreeColumn;
  }
  if (p.Has(PileFlags::ManualFillSource)) return -kStockCard * n;
  int32_t h = 0;
  for (int32_t k = 0; k < n; ++k) {
    const uint8_t c = pos.At(i, k);
    const int32_t above = n - 1 - k;
    if (CardFace(c) == FaceDown) {
      h -= kFaceDown;
      continue;
    }
    const int32_t v = CardValue(c);
    if (k > 0) {
      const uint8_t below = pos.At(i, k - 1);
      const int32_t b = CardValue(below);
      if (IsUp(below) && InMask(rules.buildsOn[i][b], v))
        h += kBuilt + (Suit(b) == Suit(v) ? kBuiltInSuit : 0);
      else
        h -= disorder * (above + 1);
    }
    if (InMask(wanted, v)) h -= kWantedCover * above;
  }
  return h;
}

int32_t FlatScore(const FlatRules& flat, const FlatPosition& pos) {
  int32_t score = 0;
  for (int32_t i = 0; i < flat.pileCount; ++i)
    if (flat.piles[i].Has(PileFlags::WinGoal)) score += pos.count[i];
  return score;
}

int32_t FlatEstimate(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     int32_t disorder) {
  const CardMask wanted = FlatWanted(flat, rules, pos);
  int32_t h = 0;
  for (int32_t i = 0; i < flat.pileCount; ++i)
    h += FlatPileWorth(flat, rules, pos, i, wanted, disorder);
  return h;
}

}  // namespace tarnik::solver
