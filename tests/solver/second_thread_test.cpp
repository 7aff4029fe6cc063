// Two strategies searching one deal as twins (Strategy::JoinAsTwin), and a
// search that shares its proof with a second thread (ProofHelper).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/history.h"
#include "solver/actions.h"
#include "solver/flat_board.h"
#include "solver/flat_rules.h"
#include "solver/heuristic.h"
#include "solver/sandbox.h"
#include "solver/solver.h"
#include "solver/strategy.h"
#include "solver/table_rules.h"
#include "support/compiled_deal.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

using namespace testing;

// A deal as the search sees it: its table, and the game and rules on it.
struct Deal {
  std::unique_ptr<SolverTable> table = std::make_unique<SolverTable>();
  CompiledDeal compiled;
};

// Deals `seed` of `name`; false where the flat rules do not compile.
bool LayOut(const Library& library, const char* name, uint32_t seed, Deal& deal) {
  return CompileDeal(library, GameIndex(library, name), seed, *deal.table, deal.compiled);
}

// A depth-first strategy keeping keys only, on progress moves or every move.
std::unique_ptr<solver::Strategy> DepthFirst(Deal& deal, bool progress, solver::KeySet& seen) {
  solver::StrategyKind kind{true, true, solver::kDefaultDisorder, progress};
  kind.keysOnly = true;
  const CompiledDeal& c = deal.compiled;
  return std::make_unique<solver::Strategy>(std::make_unique<solver::FlatBoard>(*c.flat, c.rules),
                                            c.rules, deal.table->position, kind, seen);
}

// Whether the engine, carrying out `line` from the deal's start, wins it.
bool EngineWins(Deal& deal, const std::vector<SolverAction>& line) {
  Game& game = *deal.compiled.game;
  LoadPosition(game, deal.table->position);
  for (const SolverAction& a : line) solver::ApplyAction(game, a);
  return solver::IsWon(game, deal.compiled.rules) &&
         GameScore(game.PileTable, game.CurrentFlags) == 52;
}

// Twins taking turns of different lengths on one thread search as one
// strategy alone: on a lost deal both run out together, having expanded
// between them exactly the positions the one alone expands, each some; on a
// won deal one wins by a line the engine carries out to a win. The second
// twin starts with nothing and is handed its positions by the first.
TEST(Twins, TakingTurnsTheySearchAsOneStrategyAlone) {
  auto library = OpenLibrary(TARNIK_LIBRARY);
  struct Case {
    const char* game;
    uint32_t seed;
    bool progress;  // on progress moves, which prove a loss in Klondike
    bool won;
  } const cases[] = {{"Klondike", 29, true, false}, {"Klondike", 1, true, true},
                     {"Klondike", 2, true, true},   {"Yukon", 18, false, false},
                     {"Yukon", 21, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.game) + " " + std::to_string(c.seed));
    Deal deal;
    ASSERT_TRUE(LayOut(*library, c.game, c.seed, deal));
    solver::KeySet aloneSeen;
    auto alone = DepthFirst(deal, c.progress, aloneSeen);
    const solver::Strategy::State answer = alone->Step(10'000'000);
    ASSERT_EQ(answer, c.won ? solver::Strategy::State::Won : solver::Strategy::State::Exhausted);

    solver::KeySet seen;
    auto first = DepthFirst(deal, c.progress, seen);
    auto second = DepthFirst(deal, c.progress, seen);
    ASSERT_EQ(first->Step(1), solver::Strategy::State::Searching);
    seen.Share();
    solver::TwinLink link;
    second->JoinAsTwin(*first, link);
    solver::Strategy::State states[2] = {solver::Strategy::State::Searching,
                                         solver::Strategy::State::Searching};
    solver::Strategy* twins[2] = {first.get(), second.get()};
    const int64_t turns[2] = {7, 13};
    int winner = -1;
    for (int64_t round = 0; round < 10'000'000 && winner < 0; ++round) {
      if (states[0] == solver::Strategy::State::Exhausted &&
          states[1] == solver::Strategy::State::Exhausted)
        break;
      const int k = static_cast<int>(round % 2);
      states[k] = twins[k]->Step(turns[k]);
      if (states[k] == solver::Strategy::State::Won) winner = k;
    }
    if (c.won) {
      ASSERT_GE(winner, 0);
      EXPECT_TRUE(EngineWins(deal, twins[winner]->WinningLine()));
      continue;
    }
    EXPECT_EQ(winner, -1);
    EXPECT_EQ(states[0], solver::Strategy::State::Exhausted);
    EXPECT_EQ(states[1], solver::Strategy::State::Exhausted);
    EXPECT_EQ(first->Expanded() + second->Expanded(), alone->Expanded());
    EXPECT_GT(second->Expanded(), alone->Expanded() / 10);
    EXPECT_TRUE(first->Complete());
  }
}

// A twin parted while it still holds positions leaves the other unable to
// prove a loss by running out: the positions it held were never expanded.
TEST(Twins, ATwinPartedWithPositionsLeftTakesTheProofAway) {
  auto library = OpenLibrary(TARNIK_LIBRARY);
  Deal deal;
  ASSERT_TRUE(LayOut(*library, "Yukon", 21, deal));
  solver::KeySet seen;
  auto first = DepthFirst(deal, false, seen);
  auto second = DepthFirst(deal, false, seen);
  ASSERT_EQ(first->Step(1), solver::Strategy::State::Searching);
  seen.Share();
  solver::TwinLink link;
  second->JoinAsTwin(*first, link);
  ASSERT_EQ(second->Step(10), solver::Strategy::State::Searching);  // asks
  ASSERT_EQ(first->Step(10), solver::Strategy::State::Searching);   // hands on
  ASSERT_EQ(second->Step(10), solver::Strategy::State::Searching);
  ASSERT_GT(second->Expanded(), 0);
  second->PartTwins();
  EXPECT_FALSE(first->Complete());
  while (first->Step(100'000) == solver::Strategy::State::Searching) {
  }
}

// With a second thread from the start, a search gives the verdicts of one
// thread alone, its wins replay to a win on the engine, and it stops at
// once when cancelled, the second thread with it.
TEST(Solver, ASecondThreadGivesTheVerdictsOfOneAndStopsWhenCancelled) {
  auto library = OpenLibrary(TARNIK_LIBRARY);
  struct Case {
    const char* game;
    uint32_t seed;
  } const cases[] = {{"Klondike", 29}, {"Klondike", 64}, {"Klondike", 1},
                     {"Yukon", 18},    {"Yukon", 21},    {"Yukon", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.game) + " " + std::to_string(c.seed));
    Deal deal;
    ASSERT_TRUE(LayOut(*library, c.game, c.seed, deal));
    SolveOptions one;
    one.secondThreadAfterMs = -1;
    SolveOptions two;
    two.secondThreadAfterMs = 0;
    const SolveResult alone = Solve(*deal.table, one);
    const SolveResult shared = Solve(*deal.table, two);
    ASSERT_NE(alone.verdict, Verdict::Unknown);
    EXPECT_EQ(shared.verdict, alone.verdict);
    if (shared.verdict == Verdict::Won) {
      EXPECT_TRUE(EngineWins(deal, shared.actions));
    }
  }

  // Klondike 81 takes over a second to prove lost: cancelled at 100 ms.
  Deal deal;
  ASSERT_TRUE(LayOut(*library, "Klondike", 81, deal));
  std::atomic<bool> cancel{false};
  SolveOptions options;
  options.secondThreadAfterMs = 0;
  options.cancel = &cancel;
  std::thread canceller([&cancel] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    cancel = true;
  });
  const auto start = std::chrono::steady_clock::now();
  const SolveResult stopped = Solve(*deal.table, options);
  const auto waited = std::chrono::steady_clock::now() - start;
  canceller.join();
  EXPECT_TRUE(stopped.cancelled);
  EXPECT_EQ(stopped.verdict, Verdict::Unknown);
  EXPECT_LT(waited, std::chrono::milliseconds(400));
}

}  // namespace
}  // namespace tarnik
