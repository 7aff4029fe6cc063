#include "solver/flat_estimate.h"

#include <algorithm>

namespace tarnik::solver {

namespace {

// Whether pile `i` holds exactly four cards, all of one rank.
bool FourOfARank(const FlatPosition& pos, int32_t i) {
  if (pos.count[i] != 4) return false;
  const int32_t rank = Rank(CardValue(pos.At(i, 0)));
  for (int32_t k = 1; k < 4; ++k)
    if (Rank(CardValue(pos.At(i, k))) != rank) return false;
  return true;
}

// What the estimate by runs weighs: a face-down card, and a break above
// face-down cards, which must be undone before they turn; a break where
// nothing lies face down; a card continuing the run below it, or only
// building on it, or lifted with it though the two can never go home
// together (a run across suits where runs go home in suit); an empty pile
// that takes cards.
constexpr int32_t kRunFaceDown = 20;
constexpr int32_t kRunBreakOverDown = 14;
constexpr int32_t kRunBreak = 6;
constexpr int32_t kRunLink = 20;
constexpr int32_t kRunBuilt = 2;
constexpr int32_t kRunLifted = -6;
constexpr int32_t kRunEmpty = 60;
constexpr int32_t kRunEmptyOpen = 120;

// What the `n` cards of pile `i` add to the estimate by how they lie (see
// FlatPileWorth); with `kBlockers`, less the cards lying above a card the
// goal piles need sooner by `distance`, each counted once, read on the
// same walk. A walk of its own for each, since it runs for every pile
// weighed.
template <bool kBlockers>
int32_t CardsWorth(const TableRules& rules, const FlatPosition& pos, int32_t i, int32_t n,
                   CardMask wanted, const GoalDistance& distance, int32_t disorder) {
  int32_t h = 0;
  int32_t blocking = 0;
  uint8_t soonest = kNeverNeeded;
  const uint8_t* cards = pos.cards + pos.start[i];
  for (int32_t k = 0; k < n; ++k) {
    const uint8_t c = cards[k];
    const int32_t above = n - 1 - k;
    if constexpr (kBlockers) {
      const uint8_t d = distance.of[CardValue(c)];
      blocking += d > soonest;
      soonest = std::min(soonest, d);
    }
    if (CardFace(c) == FaceDown) {
      h -= kFaceDown;
      continue;
    }
    const int32_t v = CardValue(c);
    if (k > 0) {
      const uint8_t below = cards[k - 1];
      const int32_t b = CardValue(below);
      if (IsUp(below) && InMask(rules.buildsOn[i][b], v))
        h += kBuilt + (Suit(b) == Suit(v) ? kBuiltInSuit : 0);
      else
        h -= disorder * (above + 1);
    }
    if (InMask(wanted, v)) h -= kWantedCover * above;
  }
  return h - kBlocker * blocking;
}

// The cards of the `n` on pile `i` that lie above a card their goal pile
// needs home first (`goalFirst`, see kGoalFirstEstimate).
int32_t GoalFirstCovers(const FlatPosition& pos, int32_t i, int32_t n, const CardMask* goalFirst) {
  int32_t covers = 0;
  CardMask below = 0;
  const uint8_t* cards = pos.cards + pos.start[i];
  for (int32_t k = 0; k < n; ++k) {
    const int32_t v = CardValue(cards[k]);
    covers += (goalFirst[v] & below) != 0;
    below |= CardMask{1} << v;
  }
  return covers;
}

}  // namespace

CardMask FlatWanted(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos) {
  CardMask wanted = 0;
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    const int32_t i = flat.goals[g];
    wanted |= rules.goalTakes[i][pos.Empty(i) ? 52 : CardValue(pos.Top(i))];
  }
  return wanted;
}

void FlatGoalTops(const FlatRules& flat, const FlatPosition& pos, int32_t* tops) {
  for (int32_t g = 0; g < flat.goalCount; ++g) {
    const int32_t i = flat.goals[g];
    tops[g] = pos.Empty(i) ? 52 : CardValue(pos.Top(i));
  }
}

void FlatDistances(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   GoalDistance& out) {
  int32_t tops[kMaxPiles];
  FlatGoalTops(flat, pos, tops);
  GoalDistances(rules, flat.goals, tops, flat.goalCount, out);
}

int32_t FlatPileWorth(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                      int32_t i, CardMask wanted, const GoalDistance& distance,
                      int32_t disorder) {
  const FlatPile& p = flat.piles[i];
  const int32_t home = kHomeCard * FlatPileScore(flat, pos, i);
  if (p.Has(PileFlags::WinGoal)) return home;
  const int32_t n = pos.count[i];
  const bool blockers = disorder == kBlockerEstimate;
  disorder = DisorderOf(disorder);
  if ((disorder == kRunEstimate || disorder == kRunEstimateOpen) &&
      !p.Has(PileFlags::ManualFillSource))
    return home + FlatRunWorth(flat, rules, pos, i,
                               disorder == kRunEstimateOpen ? kRunEmptyOpen : kRunEmpty);
  if (n == 0) {
    if (p.placementNone || p.start == PileStart::None) return 0;
    if (p.sizeLimit == 1) return blockers ? kRoomyCell : kFreeCell;
    return kFreeColumn;
  }
  if (p.Has(PileFlags::ManualFillSource)) return home - kStockCard * n;
  int32_t h = home + (blockers ? CardsWorth<true>(rules, pos, i, n, wanted, distance, disorder)
                               : CardsWorth<false>(rules, pos, i, n, wanted, distance, disorder));
  if (rules.goalOnlyStack[i]) {
    uint8_t values[kMaxCards];
    for (int32_t k = 0; k < n; ++k) values[k] = static_cast<uint8_t>(CardValue(pos.At(i, k)));
    h -= kBlocked * BlockingPairs(values, n, distance);
  }
  return h;
}

int32_t FlatGoalFirstWorth(const FlatRules& flat, const FlatPosition& pos, int32_t i,
                           const CardMask* goalFirst) {
  const FlatPile& p = flat.piles[i];
  if (!goalFirst || p.Has(PileFlags::WinGoal) || p.Has(PileFlags::ManualFillSource)) return 0;
  return -kGoalFirstCover * GoalFirstCovers(pos, i, pos.count[i], goalFirst);
}

int32_t FlatRunWorth(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     int32_t i, int32_t empty) {
  const FlatPile& p = flat.piles[i];
  const int32_t n = pos.count[i];
  if (n == 0) return p.placementNone || p.start == PileStart::None ? 0 : empty;
  int32_t down = 0;
  for (int32_t k = 0; k < n; ++k) down += CardFace(pos.At(i, k)) == FaceDown;
  const int32_t breakCost = down > 0 ? kRunBreakOverDown : kRunBreak;
  // Where the pile lifts runs, a link is a card the run lifts with the one
  // below, and that may go home with it; elsewhere a card built on one of
  // its suit.
  const bool lifts = p.take == FlatTake::Whole || p.take == FlatTake::Limited;
  int32_t h = -kRunFaceDown * down;
  for (int32_t k = 1; k < n; ++k) {
    const uint8_t below = pos.At(i, k - 1), card = pos.At(i, k);
    if (!IsUp(card) || !IsUp(below)) continue;
    const int32_t b = CardValue(below), v = CardValue(card);
    if (!InMask(rules.buildsOn[i][b], v)) h -= breakCost;
    else if (lifts ? MendsRun(p, v, b) : Suit(b) == Suit(v)) h += kRunLink;
    else if (lifts && InMask(p.continues[v], b)) h += kRunLifted - breakCost;
    else h += kRunBuilt - breakCost;
  }
  return h;
}

bool FlatNeedsDistances(const TableRules& rules, int32_t disorder) {
  return rules.anyGoalOnlyStack || disorder == kBlockerEstimate;
}

int32_t FlatFourRankScore(const FlatPosition& pos, int32_t i) {
  return FourOfARank(pos, i) ? 4 : 0;
}

// Without the four-of-a-rank goal only the goal piles count.
int32_t FlatScore(const FlatRules& flat, const FlatPosition& pos) {
  int32_t score = 0;
  if (!(flat.gameFlags & GameFlags::FourRank)) {
    for (int32_t g = 0; g < flat.goalCount; ++g) score += pos.count[flat.goals[g]];
    return score;
  }
  for (int32_t i = 0; i < flat.pileCount; ++i) score += FlatPileScore(flat, pos, i);
  return score;
}

bool FlatWon(const FlatRules& flat, const FlatPosition& pos) {
  if (FlatScore(flat, pos) == flat.deckSize) return true;
  if (!(flat.gameFlags & GameFlags::FourRank)) return false;
  // IsFourRankWin: thirteen piles of four of a rank, and no pile of four
  // cards that is not one.
  int32_t passed = 0;
  for (int32_t i = 0; i < flat.pileCount; ++i) {
    if (pos.count[i] != 4) continue;
    if (!FourOfARank(pos, i)) return false;
    ++passed;
  }
  return passed == 13;
}

int32_t FlatEstimate(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     int32_t disorder, const CardMask* goalFirst) {
  const CardMask wanted = FlatWanted(flat, rules, pos);
  GoalDistance distance{};
  if (FlatNeedsDistances(rules, disorder)) FlatDistances(flat, rules, pos, distance);
  const bool firstCovers = disorder == kGoalFirstEstimate;
  if (firstCovers) disorder = kDefaultDisorder;
  int32_t h = 0;
  for (int32_t i = 0; i < flat.pileCount; ++i)
    h += FlatPileWorth(flat, rules, pos, i, wanted, distance, disorder) +
         (firstCovers ? FlatGoalFirstWorth(flat, pos, i, goalFirst) : 0);
  return h;
}

}  // namespace tarnik::solver
