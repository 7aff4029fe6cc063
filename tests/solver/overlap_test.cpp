// Games whose fans overlap neighbouring piles: a card may lie under a later
// pile, and the middle of a pile's top card may lie inside a later pile.
// Every action the solver lists must do through the pointer what it does in
// the search, and a winning line must replay through the pointer to a win.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/action_script.h"
#include "engine/play/history.h"
#include "solver/actions.h"
#include "solver/solver.h"
#include "solver/table_rules.h"
#include "overlapping_game.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;

constexpr int32_t S = Spades, C = Clubs, H = Hearts, D = Diamonds;

using Cards = std::vector<Placed>;

Cards Descending(int32_t suit, int32_t from, int32_t to) {  // from the rank `from` down to `to`
  Cards out;
  for (int32_t r = from; r >= to; --r) out.push_back(Up(V(r, suit)));
  return out;
}

Cards Join(Cards a, const Cards& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Every card of the table as value and face, pile by pile.
std::vector<int32_t> Cards_(const Game& game) {
  std::vector<int32_t> out;
  for (int32_t i = 0; i < CountPiles(game.PileTable); ++i) {
    for (const Card* c = game.PileTable[i].BottomCard; c; c = c->Above)
      out.push_back(c->Value * 4 + c->Face);
    out.push_back(-1);
  }
  return out;
}

TEST(SolverOverlap, EveryListedActionDoesThroughThePointerWhatItDoesInTheSearch) {
  // A's 10 and 9 of clubs lie under B, and the middle of A's top card too;
  // C's top card reaches into D. A drop on A must land on A, and no press
  // may be asked of the covered clubs.
  const std::vector<Cards> table = {Join(Descending(H, kKing, 8), Descending(C, kKing, 8)),
                                    Join(Descending(S, kKing, kQueen), Descending(S, 9, 8)),
                                    Descending(D, kKing, 6),
                                    {Up(V(kJack, S))},
                                    {},
                                    {},
                                    {},
                                    {}};
  PlayTable t(OverlappingGame(false));
  t.Arrange(table);
  solver::TableRules rules;
  solver::AnalyseRules(*t.game, rules);
  std::vector<SolverAction> actions;
  solver::ListActions(*t.game, rules, actions);
  bool dropOnA = false;
  for (const SolverAction& a : actions) {
    EXPECT_FALSE(a.pile == 0 && a.card >= 8) << ActionLine(a);  // under B
    dropOnA |= a.kind == SolverAction::Kind::Drag && a.target == 0;
    t.Arrange(table);
    solver::ApplyAction(*t.game, a);
    const auto searched = Cards_(*t.game);
    t.Arrange(table);
    std::string error;
    EXPECT_TRUE(RunAction(*t.game, ActionLine(a), error)) << ActionLine(a) << ": " << error;
    EXPECT_EQ(Cards_(*t.game), searched) << ActionLine(a);
  }
  EXPECT_TRUE(dropOnA);  // the 8 and 7 of diamonds onto the 9 of clubs
}

TEST(SolverOverlap, AWinningLineReplaysThroughThePointerToAWin) {
  // Ace to eight of every suit home; the nine of clubs, next for its
  // foundation, lies wholly under B until B is cleared.
  std::vector<Cards> table = {Join(Descending(H, kKing, 8), Descending(C, kKing, 8)),
                              Descending(S, kKing, 8),
                              Descending(D, kKing, 8),
                              {},
                              {},
                              {},
                              {},
                              {}};
  for (int f = 0; f < 4; ++f) table[4 + f] = [&] {
      Cards home = Descending(f, 7, kAce);
      return Cards(home.rbegin(), home.rend());
    }();
  PlayTable t(OverlappingGame(false));
  t.Arrange(table);
  SolverTable captured;
  std::string refusal;
  ASSERT_TRUE(CaptureTable(*t.game, captured, refusal)) << refusal;
  const SolveResult result = Solve(captured, {});
  ASSERT_EQ(result.verdict, Verdict::Won);
  std::string error;
  for (const SolverAction& a : result.actions)
    ASSERT_TRUE(RunAction(*t.game, ActionLine(a), error)) << ActionLine(a) << ": " << error;
  EXPECT_EQ(GameScore(t.game->PileTable, t.game->CurrentFlags), 52);
}

}  // namespace
}  // namespace tarnik
