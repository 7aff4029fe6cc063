#include "solve_commands.h"

#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "dealing.h"
#include "engine/game/game.h"
#include "solver/fcs_board.h"
#include "solver/solver.h"

namespace tarnik::tool {

namespace {

constexpr double kDefaultBudget = 10.0;   // seconds
constexpr double kLongestBudget = 86400;  // a day

// Takes "--budget SECONDS" out of the arguments; false (after the refusal)
// when the value is not a number of seconds above zero.
bool TakeBudget(Args& args, double& seconds) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--budget") continue;
    if (i + 1 >= args.size()) {
      Refuse("--budget needs a number of seconds");
      return false;
    }
    const std::string& text = args[i + 1];
    char* end = nullptr;
    seconds = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(seconds > 0) || seconds > kLongestBudget) {
      Refuse("budget '" + text + "' is not a number of seconds from 0 to 86400");
      return false;
    }
    args.erase(args.begin() + i, args.begin() + i + 2);
    return true;
  }
  return true;
}

}  // namespace

int Solve(const Args& args) {
  Args rest = args;
  double seconds = kDefaultBudget;
  if (!TakeBudget(rest, seconds)) return 2;
  static Game game;  // large tables: kept off the stack
  if (!DealFromArgs(rest, "solve", game)) return 2;
  auto table = std::make_unique<SolverTable>();
  std::string refusal;
  if (!CaptureTable(game, *table, refusal)) return Refuse(refusal);
  SolveOptions options;
  options.maxMilliseconds = static_cast<int64_t>(seconds * 1000);
  options.maxNodes = INT64_MAX;  // the time and the search's memory bound it
  const SolveResult result = tarnik::Solve(*table, options);
  std::printf("%s\n", VerdictName(result.verdict));
  for (const SolverAction& a : result.actions) std::printf("%s\n", ActionLine(a).c_str());
  std::fprintf(stderr, "%lld positions, %lld ms\n", static_cast<long long>(result.nodes),
               static_cast<long long>(result.elapsedMs));
  return 0;
}

int ExportFcs(const Args& args) {
  static Game game;
  if (!DealFromArgs(args, "export-fcs", game)) return 2;
  std::string board, refusal;
  if (!FreecellBoard(game, board, refusal)) return Refuse(refusal);
  std::fputs(board.c_str(), stdout);
  return 0;
}

}  // namespace tarnik::tool
