// How promising a position looks, judged from the pile rules alone: cards on
// the goal piles, cards the goal piles want next and how deep they lie,
// face-down cards, cards lying in the order their pile builds or, on piles
// that give cards only to goal piles, in the order the goals need them, and
// room to move (empty piles that take cards).
#pragma once

#include <cstdint>

#include "solver/table_rules.h"

namespace tarnik {
struct Game;
}

namespace tarnik::solver {

// What each thing the estimate counts is worth; the engine's table and the
// flat positions weigh alike, so both paths search in the same order.
constexpr int32_t kHomeCard = 100;   // a card on a goal pile
constexpr int32_t kFaceDown = 12;    // a card still face down
constexpr int32_t kWantedCover = 5;  // a card above a card the goals want now
constexpr int32_t kBuilt = 4;        // a card lying on a card it builds on
constexpr int32_t kBuiltInSuit = 2;  // … in the same suit
constexpr int32_t kFreeCell = 8;     // an empty pile that holds one card
constexpr int32_t kFreeColumn = 20;  // an empty pile that holds any number
constexpr int32_t kStockCard = 1;    // a card still in a stock
// A card lying above a card the goal piles need sooner, on a pile that
// gives its cards only to goal piles (counted once per such pair).
constexpr int32_t kBlocked = 10;

// Higher is better. `disorder` is what each card above a card out of its
// pile's order costs: strategies differ in how much they care.
constexpr int32_t kDefaultDisorder = 2;
// The disorder that asks the flat positions for the estimate by runs
// instead (FlatRunWorth): games whose runs lift only in suit.
constexpr int32_t kRunEstimate = -1;
// The estimate by runs with an empty pile worth twice as much: strategies by
// stock phase differ in how much they keep columns free.
constexpr int32_t kRunEstimateOpen = -2;
// The estimate minding only builds (disorder 0) that also counts, on piles
// that are neither goal piles nor stocks, each card lying above a card the
// goal piles need sooner (kBlocker each), and an empty pile that holds one
// card at kRoomyCell: where free cells limit the runs lifted, such a card
// must find a place before the card below it goes home, and each free cell
// both gives it one and lengthens the runs lifted.
constexpr int32_t kBlockerEstimate = -3;
constexpr int32_t kBlocker = 5;
constexpr int32_t kRoomyCell = 16;
// The default estimate that also counts, on piles that are neither goal
// piles nor stocks, each card lying above a card its goal pile needs home
// first (in suit, a lower card of its suit) at kGoalFirstCover, as much as
// a card home: such a card must leave its pile before the card below it
// goes home (BuriedRules::goalFirst; the flat positions only, which weigh
// the rest as kDefaultDisorder: see FlatGoalFirstWorth).
constexpr int32_t kGoalFirstEstimate = -4;
constexpr int32_t kGoalFirstCover = 100;
// The disorder weight an estimate code stands for, its other terms aside.
constexpr int32_t DisorderOf(int32_t disorder) {
  return disorder == kBlockerEstimate ? 0 : disorder;
}
int32_t Estimate(const Game& game, const TableRules& rules, int32_t disorder = kDefaultDisorder);

// Whether every card has reached its goal.
bool IsWon(const Game& game, const TableRules& rules);

}  // namespace tarnik::solver
