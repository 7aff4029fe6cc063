// Two strategies searching one deal as twins (Strategy::JoinAsTwin), a
// search that shares its proof with a second thread, and a second thread
// searching with strategies of its own (SecondThread).
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
#include "solver/second_thread.h"
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

// A strategy by stock phase (best first) with a set of its own, as a
// second thread takes it.
solver::SecondThread::Own ByPhase(Deal& deal, int64_t share) {
  solver::StrategyKind kind{false, true, solver::kRunEstimate, true, true, share};
  auto set = std::make_unique<solver::KeySet>();
  const CompiledDeal& c = deal.compiled;
  auto strategy = std::make_unique<solver::Strategy>(
      std::make_unique<solver::FlatBoard>(*c.flat, c.rules), c.rules, deal.table->position, kind,
      *set);
  return {std::move(strategy), std::move(set)};
}

// Whether the engine, carrying out `line` from the deal's start, wins it
// with every card home.
bool EngineWins(Deal& deal, const std::vector<SolverAction>& line, int32_t cards = 52) {
  Game& game = *deal.compiled.game;
  LoadPosition(game, deal.table->position);
  for (const SolverAction& a : line) solver::ApplyAction(game, a);
  return solver::IsWon(game, deal.compiled.rules) &&
         GameScore(game.PileTable, game.CurrentFlags) == cards;
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

// Waits for `side` to stop searching, at most `seconds`.
solver::Strategy::State Await(const solver::SecondThread& side, int seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (side.State() == solver::Strategy::State::Searching &&
         std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return side.State();
}

// A second thread with strategies of its own: the first of them to win
// gives its line, which the engine carries out to every card home; past
// its memory it lets the one holding the most go after each turn, and
// gives up with no verdict once none is left; stopped, it stops at once.
TEST(SecondThread, ItsOwnStrategiesWinOrGiveUpPastTheirMemory) {
  auto library = OpenLibrary(TARNIK_LIBRARY);
  using State = solver::Strategy::State;
  constexpr int64_t kTurn = 2048;
  const auto pair = [](Deal& deal) {
    std::vector<solver::SecondThread::Own> own;
    own.push_back(ByPhase(deal, 2000));
    own.push_back(ByPhase(deal, 1000));
    return own;
  };
  Deal easy;
  ASSERT_TRUE(LayOut(*library, "Spider", 77, easy));
  {
    solver::SecondThread side(pair(easy), kTurn, kMostSearchBytes);
    ASSERT_EQ(Await(side, 60), State::Won);
    EXPECT_TRUE(EngineWins(easy, side.Winner().WinningLine(), 104));
  }

  // A megabyte: each is let go after its first turn.
  Deal hard;
  ASSERT_TRUE(LayOut(*library, "Spider", 5, hard));
  {
    solver::SecondThread side(pair(hard), kTurn, int64_t{1} << 20);
    ASSERT_EQ(Await(side, 60), State::Exhausted);
    EXPECT_EQ(side.Expanded(), 2 * kTurn);
    EXPECT_EQ(side.Reserved(), side.Bytes());
  }

  solver::SecondThread side(pair(hard), kTurn, kMostSearchBytes);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const auto start = std::chrono::steady_clock::now();
  side.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ(side.State(), State::Searching);
  EXPECT_GT(side.Expanded(), 0);
  EXPECT_EQ(side.Reserved(), kMostSearchBytes);
}

// With a second thread from the start, a search gives the verdicts of one
// thread alone, its wins replay to a win on the engine, and it stops at
// once when cancelled, the second thread with it.
TEST(Solver, ASecondThreadGivesTheVerdictsOfOneAndStopsWhenCancelled) {
  auto library = OpenLibrary(TARNIK_LIBRARY);
  struct Case {
    const char* game;
    uint32_t seed;
    int32_t cards = 52;
  } const cases[] = {{"Klondike", 29}, {"Klondike", 64}, {"Klondike", 1}, {"Yukon", 18},
                     {"Yukon", 21},    {"Yukon", 1},     {"Spider", 77, 104}};
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
      EXPECT_TRUE(EngineWins(deal, shared.actions, c.cards));
    }
  }

  // Klondike 81 takes over a second to prove lost, Spider 5 is not won
  // within ten: cancelled at 100 ms.
  for (const Case& c : {Case{"Klondike", 81}, Case{"Spider", 5}}) {
    SCOPED_TRACE(std::string(c.game) + " " + std::to_string(c.seed));
    Deal deal;
    ASSERT_TRUE(LayOut(*library, c.game, c.seed, deal));
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
}

}  // namespace
}  // namespace tarnik
