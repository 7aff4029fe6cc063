// The Hint command's engine half: where a hinted move's cards and target lie
// on the table, and that an answer is kept only while the table is the one
// the search was asked about.
#include "solver/hint.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "engine/game/game.h"
#include "engine/play/action_script.h"
#include "engine/play/history.h"
#include "support/compiled_deal.h"
#include "support/hint_fixture.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

using namespace testing;
using Kind = SolverAction::Kind;

TableRect CardRect(const Card& c) { return {c.X, c.Y, kCardWidth, kCardHeight}; }

struct HintTest : ::testing::Test {
  HintTest() { t.Arrange(KingOverQueen(true)); }
  PlayTable t{KingOverQueenGame(true)};
};

// A drag outlines the pressed card with every card above it, and the target
// pile's top card, or its place when it is empty.
TEST_F(HintTest, ADragMarksTheLiftedCardsAndTheTarget) {
  const Pile& column = t.P(0);
  const HintMarks king = MarkHint(*t.game, {Kind::Drag, 0, 1, 1});
  ASSERT_TRUE(king.valid);
  EXPECT_EQ(king.cards, CardRect(*column.TopCard));
  ASSERT_TRUE(king.hasTarget);
  EXPECT_EQ(king.target, (TableRect{t.P(1).Left, t.P(1).Top, kCardWidth, kCardHeight}));

  const HintMarks both = MarkHint(*t.game, {Kind::Drag, 0, 0, 5});
  ASSERT_TRUE(both.valid);
  const Card& queen = *column.BottomCard;
  const Card& top = *column.TopCard;
  EXPECT_EQ(both.cards, (TableRect{queen.X, queen.Y, top.X + kCardWidth - queen.X,
                                   top.Y + kCardHeight - queen.Y}));
  EXPECT_EQ(both.target, CardRect(*t.P(5).TopCard));  // the jack of hearts
}

// A click marks the card pressed, or the pile's place when it is pressed
// itself; an action that does not fit the table marks nothing.
TEST_F(HintTest, AClickMarksThePressedCardAndBadActionsMarkNothing) {
  const HintMarks card = MarkHint(*t.game, {Kind::Click, 0, 1, -1});
  ASSERT_TRUE(card.valid);
  EXPECT_EQ(card.cards, CardRect(*t.P(0).TopCard));
  EXPECT_FALSE(card.hasTarget);
  const HintMarks place = MarkHint(*t.game, {Kind::Click, 1, -1, -1});
  ASSERT_TRUE(place.valid);
  EXPECT_EQ(place.cards, (TableRect{t.P(1).Left, t.P(1).Top, kCardWidth, kCardHeight}));

  EXPECT_FALSE(MarkHint(*t.game, {Kind::Drag, 0, 2, 1}).valid);   // no third card
  EXPECT_FALSE(MarkHint(*t.game, {Kind::Drag, 0, 1, 30}).valid);  // no pile 30
  EXPECT_FALSE(MarkHint(*t.game, {Kind::Drag, 0, 1, 0}).valid);   // onto itself
  EXPECT_FALSE(MarkHint(*t.game, {Kind::Click, -1, -1, -1}).valid);
  EXPECT_FALSE(MarkHint(*t.game, {Kind::Click, 1, 0, -1}).valid);  // the empty column's card
}

// An answer fits only the table it was asked about: a move makes it stale,
// and undoing the move makes it fit again; so do another deal and another
// "Automatic play" setting, which the solver plays with.
TEST_F(HintTest, AnAnswerFitsOnlyTheTableItWasAskedAbout) {
  HintRequest request;
  ASSERT_TRUE(CaptureHint(*t.game, request));
  EXPECT_TRUE(HintIsCurrent(*t.game, request));

  std::string error;
  ASSERT_TRUE(RunAction(*t.game, "drag 0 1 1", error)) << error;
  EXPECT_FALSE(HintIsCurrent(*t.game, request));
  UndoMove(*t.game);
  EXPECT_TRUE(HintIsCurrent(*t.game, request));

  t.game->prefs.AutoToggle = 1;
  EXPECT_FALSE(HintIsCurrent(*t.game, request));
  t.game->prefs.AutoToggle = 0;
  t.game->CurrentSeed += 1;
  EXPECT_FALSE(HintIsCurrent(*t.game, request));
}

// A hint searches for three seconds, its memory handed back after, and is
// bound by its time and memory, not by a count of positions: given the
// time, it proves Yukon seed 172 lost, which takes more than two million.
TEST(HintSearch, IsBoundByItsTimeAndMemory) {
  std::atomic<bool> cancel{false};
  SolveOptions options = HintOptions(&cancel);
  EXPECT_EQ(options.maxMilliseconds, 3000);
  EXPECT_TRUE(options.handBackMemory);
  EXPECT_EQ(options.cancel, &cancel);
  auto library = OpenLibrary(TARNIK_LIBRARY);
  SolverTable table;
  CompiledDeal deal;
  ASSERT_TRUE(CompileDeal(*library, GameIndex(*library, "Yukon"), 172, table, deal));
  options.maxMilliseconds = 60'000;
  const Hint hint = FindHint(table, options);
  EXPECT_FALSE(hint.found);
  EXPECT_EQ(hint.verdict, Verdict::Lost);
}

}  // namespace
}  // namespace tarnik
