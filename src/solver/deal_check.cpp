#include "solver/deal_check.h"

#include <cstdio>

namespace tarnik {

SolveOptions DealCheckOptions() {
  SolveOptions options;
  options.maxMilliseconds = kDealCheckMilliseconds;
  options.maxNodes = kDealCheckPositions;
  options.handBackMemory = true;
  return options;
}

std::string GroupedCount(int64_t n) {
  std::string digits = std::to_string(n < 0 ? -n : n);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
  return n < 0 ? "-" + digits : digits;
}

std::string DealCheckAnswer(const SolveResult& result) {
  switch (result.verdict) {
    case Verdict::Won: {
      const size_t moves = result.actions.size();
      return "This deal can be won with every card known: the solver found a winning line of " +
             GroupedCount(static_cast<int64_t>(moves)) + (moves == 1 ? " move" : " moves") +
             " from the start.";
    }
    case Verdict::Lost: return "This deal cannot be won: no line of play from the start wins.";
    case Verdict::Unknown: break;
  }
  return "No answer: the solver searched " + GroupedCount(result.nodes) +
         " positions without finding a win or proving that there is none.";
}

std::string DealCheckProgressText(const SolveProgress& progress) {
  char seconds[64];
  std::snprintf(seconds, sizeof seconds, "%.1f s of %lld s", progress.elapsedMs / 1000.0,
                static_cast<long long>(kDealCheckMilliseconds / 1000));
  return "Positions searched: " + GroupedCount(progress.nodes) +
         "\nMost cards home: " + std::to_string(progress.bestScore) + " of " +
         std::to_string(progress.deckSize) + "\nTime: " + seconds;
}

}  // namespace tarnik
