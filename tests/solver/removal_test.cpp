// The solver on a game where no card is ever built on another (Golf's table
// in small): its strategies share one set of positions, so a win must still
// be found down any branch and "lost" said only once every branch is tried.
#include <gtest/gtest.h>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/action_script.h"
#include "solver/solver.h"
#include "solver/table_rules.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;

constexpr int32_t S = Spades, C = Clubs, H = Hearts, D = Diamonds;

// Two columns whose top cards go only home, and one goal pile built a rank
// up or down in any suit that keeps its cards.
GameDef TwoColumnsAndAPile(CardPlacement columns) {
  GameDef g = NamedGame("Removal");
  for (int i = 0; i < 2; ++i) {
    g.Piles[i] = MakePile(2 * i, 2, PileFlags::FoundationsOnly, RankBuild::Down, SuitBuild::Any,
                          CardRemoval::TopCardOnly, PileStart::Any);
    g.Piles[i].Placement = columns;
  }
  g.Piles[2] = MakePile(6, 0, PileFlags::WinGoal, RankBuild::UpOrDown, SuitBuild::Any,
                        CardRemoval::None, PileStart::Any);
  g.Piles[2].Placement = CardPlacement::OneCard;
  g.Piles[2].Direction = PileDirection::NoDirection;
  return g;
}

// The goal pile holds every card but the columns', the five of spades on top.
std::vector<Placed> GoalBelowFiveOfSpades(const std::vector<std::vector<Placed>>& columns) {
  bool out[52] = {};
  for (const auto& column : columns)
    for (const Placed& c : column) out[c.value] = true;
  out[V(4, S)] = true;
  std::vector<Placed> goal;
  for (int32_t v = 0; v < 52; ++v)
    if (!out[v]) goal.push_back(Up(v));
  goal.push_back(Up(V(4, S)));
  return goal;
}

TEST(SolverRemoval, FindsTheOneWinningBranchOrTriesThemAllBeforeSayingLost) {
  struct Case {
    std::vector<Placed> a, b;  // bottom first
    Verdict verdict;
  };
  const Case cases[] = {
      // The six first, then the five under it, then the four: taking the
      // four first leaves nothing to play on it.
      {{Up(V(4, H)), Up(V(5, D))}, {Up(V(3, C))}, Verdict::Won},
      // The six leads to the seven and stops there; the four stops at once.
      {{Up(V(6, C)), Up(V(5, D))}, {Up(V(3, H))}, Verdict::Lost},
      // Nothing fits the five.
      {{Up(V(5, D)), Up(V(7, H))}, {Up(V(6, C))}, Verdict::Lost},
  };
  for (const Case& c : cases) {
    PlayTable t(TwoColumnsAndAPile(CardPlacement::None));
    t.Arrange({c.a, c.b, GoalBelowFiveOfSpades({c.a, c.b})});
    solver::TableRules rules;
    solver::AnalyseRules(*t.game, rules);
    EXPECT_TRUE(rules.nothingBuilds);
    SolverTable table;
    std::string refusal;
    ASSERT_TRUE(CaptureTable(*t.game, table, refusal));
    const SolveResult r = Solve(table, {});
    EXPECT_EQ(r.verdict, c.verdict);
    std::string error;
    for (const SolverAction& a : r.actions) EXPECT_TRUE(RunAction(*t.game, ActionLine(a), error));
    if (c.verdict == Verdict::Won) EXPECT_EQ(GameScore(t.game->PileTable, t.game->CurrentFlags), 52);
  }
  // Columns that take dropped cards build: the strategies search apart.
  PlayTable builds(TwoColumnsAndAPile(CardPlacement::Any));
  solver::TableRules rules;
  solver::AnalyseRules(*builds.game, rules);
  EXPECT_FALSE(rules.nothingBuilds);
}

}  // namespace
}  // namespace tarnik
