// How promising a flat position looks: the same estimate as Estimate in
// heuristic.h gives the engine's table, read off the card bytes.
#pragma once

#include <cstdint>

#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/goal_order.h"
#include "solver/heuristic.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// Higher is better; see Estimate. `goalFirst`, for kGoalFirstEstimate:
// for each card, the cards its goal pile needs home first (none: the term
// is left out).
int32_t FlatEstimate(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     int32_t disorder, const CardMask* goalFirst = nullptr);
// Its parts: the cards the goal piles would take now, how far each card is
// from them (made only where rules.anyGoalOnlyStack), and what one pile
// adds to the estimate (its cards home, and for a pile that is not a goal
// pile, how its cards lie).
CardMask FlatWanted(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos);
// Whether the estimate with `disorder` reads how far each card is from the
// goal piles (FlatDistances).
bool FlatNeedsDistances(const TableRules& rules, int32_t disorder);
// The top card of each goal pile of `pos` as a value (52: empty), in the
// order of FlatRules::goals: what the goal distances are read from.
void FlatGoalTops(const FlatRules& flat, const FlatPosition& pos, int32_t* tops);
void FlatDistances(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   GoalDistance& out);
int32_t FlatPileWorth(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                      int32_t i, CardMask wanted, const GoalDistance& distance,
                      int32_t disorder);
// What kGoalFirstEstimate adds to FlatPileWorth for pile `i`: on a pile
// neither a goal pile nor a stock, kGoalFirstCover less for each card
// lying above a card its goal pile needs home first (`goalFirst`; none:
// nothing).
int32_t FlatGoalFirstWorth(const FlatRules& flat, const FlatPosition& pos, int32_t i,
                           const CardMask* goalFirst);
// What a pile that is neither a goal pile nor a stock adds to the estimate
// by runs (kRunEstimate): face-down cards, and more of them the more breaks
// lie above them; cards that continue the run the pile lifts below them,
// cards that only build on theirs, breaks where a card does neither; an
// empty pile that takes cards is worth `empty` (kRunEmpty, or kRunEmptyOpen
// for kRunEstimateOpen).
int32_t FlatRunWorth(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     int32_t i, int32_t empty);
// Cards on the goal piles, or four times the piles of four of a rank in a
// game with that goal (GameScore); what pile `i` adds to it (inline, since
// every pile weighed reads it), by the four-of-a-rank goal in a game with
// it; and whether the game is won (IsWon).
int32_t FlatScore(const FlatRules& flat, const FlatPosition& pos);
int32_t FlatFourRankScore(const FlatPosition& pos, int32_t i);
inline int32_t FlatPileScore(const FlatRules& flat, const FlatPosition& pos, int32_t i) {
  if (!(flat.gameFlags & GameFlags::FourRank))
    return flat.piles[i].Has(PileFlags::WinGoal) ? pos.count[i] : 0;
  return FlatFourRankScore(pos, i);
}
bool FlatWon(const FlatRules& flat, const FlatPosition& pos);

}  // namespace tarnik::solver
