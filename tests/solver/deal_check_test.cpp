// "Is this deal winnable?": its budget and the answers in words.
#include "solver/deal_check.h"

#include <gtest/gtest.h>

#include "support/compiled_deal.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

// Won says the deal can be won and in how many moves; lost that no win
// exists; unknown how many positions were searched without an answer (the
// counts grouped by thousands).
TEST(DealCheck, TheThreeAnswers) {
  SolveResult won;
  won.verdict = Verdict::Won;
  won.actions.resize(87);
  EXPECT_EQ(DealCheckAnswer(won),
            "This deal can be won with every card known: the solver found a winning line of 87 "
            "moves from the start.");
  won.actions.resize(1);
  EXPECT_NE(DealCheckAnswer(won).find("of 1 move from"), std::string::npos);

  SolveResult lost;
  lost.verdict = Verdict::Lost;
  EXPECT_EQ(DealCheckAnswer(lost), "This deal cannot be won: no line of play from the start wins.");

  SolveResult unknown;
  unknown.nodes = 2'000'000;
  EXPECT_EQ(DealCheckAnswer(unknown),
            "No answer: the solver searched 2,000,000 positions without finding a win or "
            "proving that there is none.");
}

// Thirty seconds, and the progress in three lines.
TEST(DealCheck, BudgetAndProgress) {
  EXPECT_EQ(DealCheckOptions().maxMilliseconds, 30'000);
  SolveProgress p;
  p.nodes = 15300;
  p.elapsedMs = 2400;
  p.bestScore = 31;
  p.deckSize = 52;
  EXPECT_EQ(DealCheckProgressText(p),
            "Positions searched: 15,300\nMost cards home: 31 of 52\nTime: 2.4 s of 30 s");
}

// The check is bound by its time and memory, not by a count of positions:
// Yukon seed 172 is proven lost only after more than two million, in a few
// seconds.
TEST(DealCheck, DecidesADealPastTwoMillionPositions) {
  auto library = testing::OpenLibrary(TARNIK_LIBRARY);
  SolverTable table;
  testing::CompiledDeal deal;
  const int32_t yukon = testing::GameIndex(*library, "Yukon");
  ASSERT_TRUE(testing::CompileDeal(*library, yukon, 172, table, deal));
  const SolveResult result = Solve(table, DealCheckOptions());
  EXPECT_EQ(result.verdict, Verdict::Lost);
  EXPECT_GT(result.nodes, 2'000'000);
}

}  // namespace
}  // namespace tarnik
