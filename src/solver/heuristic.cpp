#include "solver/heuristic.h"

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "solver/goal_order.h"

namespace tarnik::solver {

namespace {

// The cards the goal piles would take now.
CardMask WantedNow(const Game& game, const TableRules& rules) {
  CardMask wanted = 0;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = game.PileTable[i];
    if (p.Has(PileFlags::WinGoal)) wanted |= rules.goalTakes[i][p.TopCard ? p.TopCard->Value : 52];
  }
  return wanted;
}

// The worth of one pile that is not a goal pile.
int32_t PileWorth(const Pile& p, const CardMask (&builds)[52], CardMask wanted, int32_t disorder) {
  if (!p.TopCard) {
    if (p.Placement == CardPlacement::None || p.PileStart == PileStart::None) return 0;
    return p.SizeLimit == 1 ? kFreeCell : kFreeColumn;
  }
  if (p.Has(PileFlags::ManualFillSource)) return -kStockCard * p.Count;
  int32_t h = 0, above = p.Count - 1;
  for (const Card *c = p.BottomCard, *below = nullptr; c; below = c, c = c->Above, --above) {
    if (c->Face == FaceDown) {
      h -= kFaceDown;
      continue;
    }
    if (below && below->Face == FaceUp && InMask(builds[below->Value], c->Value))
      h += kBuilt + (Suit(below->Value) == Suit(c->Value) ? kBuiltInSuit : 0);
    else if (below)
      h -= disorder * (above + 1);
    if (InMask(wanted, c->Value)) h -= kWantedCover * above;
  }
  return h;
}

// The distances of the cards from the goal piles' tops (see GoalDistances).
void Distances(const Game& game, const TableRules& rules, GoalDistance& out) {
  int32_t goals[kMaxPiles], tops[kMaxPiles], n = 0;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = game.PileTable[i];
    if (!p.Has(PileFlags::WinGoal)) continue;
    goals[n] = i;
    tops[n++] = p.TopCard ? p.TopCard->Value : 52;
  }
  GoalDistances(rules, goals, tops, n, out);
}

// What the blocking pairs of a pile that gives cards only to goal piles cost.
int32_t BlockingCost(const Pile& p, const GoalDistance& distance) {
  uint8_t values[kMaxCards];
  int32_t n = 0;
  for (const Card* c = p.BottomCard; c && n < kMaxCards; c = c->Above) values[n++] = c->Value;
  return kBlocked * BlockingPairs(values, n, distance);
}

}  // namespace

int32_t Estimate(const Game& game, const TableRules& rules, int32_t disorder) {
  const CardMask wanted = WantedNow(game, rules);
  GoalDistance distance{};
  if (rules.anyGoalOnlyStack) Distances(game, rules, distance);
  int32_t h = kHomeCard * GameScore(game.PileTable, game.CurrentFlags);
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    const Pile& p = game.PileTable[i];
    if (p.Has(PileFlags::WinGoal)) continue;
    h += PileWorth(p, rules.buildsOn[i], wanted, DisorderOf(disorder));
    if (rules.goalOnlyStack[i]) h -= BlockingCost(p, distance);
  }
  return h;
}

bool IsWon(const Game& game, const TableRules& rules) {
  return GameScore(game.PileTable, game.CurrentFlags) == rules.deckSize || IsFourRankWin(game);
}

}  // namespace tarnik::solver
