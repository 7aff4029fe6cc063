// "Is this deal winnable?": the solver searches the deal in play from its
// start, within a budget, and the answer is told in words. The texts live
// here, apart from the window, so that they can be checked without one.
#pragma once

#include <cstdint>
#include <string>

#include "solver/solver.h"

namespace tarnik {

constexpr int64_t kDealCheckMilliseconds = 30'000;
// More positions than thirty seconds reach: the check is bound by its time
// and by the memory a search may hold (kMostSearchBytes), which lets go of
// strategies and answers "unknown" before it runs out; a count of two
// million, as before, left deals unknown that a few seconds more decide.
constexpr int64_t kDealCheckPositions = 1'000'000'000;

// The search options of the check, without progress or cancel.
SolveOptions DealCheckOptions();

// "1,234,567": a count with thousands separators.
std::string GroupedCount(int64_t n);

// The answer to the player, one sentence.
std::string DealCheckAnswer(const SolveResult& result);

// The lines of the progress window: positions searched, the best number of
// cards home of all, and the time taken of the budget.
std::string DealCheckProgressText(const SolveProgress& progress);

}  // namespace tarnik
