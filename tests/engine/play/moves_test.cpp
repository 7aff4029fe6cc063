// Moves: lifting, gliding and dropping, automatic moves, filling piles, the won deal.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "engine/cards/pile_ops.h"
#include "engine/play/moves.h"
#include "engine/rules/legality.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;

// Two piles a row apart: a source at column 0 and a foundation at column 8.
GameDef SourceAndGoal(uint32_t sourceFlags = PileFlags::AutoPlay) {
  GameDef g = NamedGame("Moves");
  g.Piles[0] = MakePile(0, 0, sourceFlags, RankBuild::Down, SuitBuild::Any, CardRemoval::Any);
  g.Piles[1] = MakePile(8, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                        CardRemoval::TopCardOnly, PileStart::AnyAce);
  g.Piles[1].Direction = PileDirection::NoDirection;
  return g;
}

// Glides: 128 frames in 16.16, repainting with a margin, or at once; the drop and landing.
TEST(GlideToPile, MakesExactly128FramesInSixteenSixteenFixedPoint) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(V(0, 0))}, {}});
  const int startX = t.P(0).Left, targetX = t.P(1).Left;
  ASSERT_EQ(targetX - startX, 8 * 34);
  LiftCards(*t.game, t.P(0), *t.P(0).TopCard);
  t.display.floatCorners.clear();
  t.display.floatRects.clear();
  t.display.sounds.clear();
  const int status = t.display.statusUpdates;
  GlideAndDrop(*t.game, t.P(1));
  ASSERT_EQ(t.display.glideFrames, 128);
  ASSERT_EQ(t.display.floatCorners.size(), 128u);
  // 272 pixels in 128 frames: 2.125 pixels a frame, the position rounded down.
  const auto& corners = t.display.floatCorners;
  EXPECT_EQ((std::array{corners[0].first, corners[1].first, corners[7].first, corners[127].first,
                        corners[127].second}),
            (std::array{startX + 2, startX + 4, startX + 17, targetX, t.P(1).Top}));
  const auto& r = t.display.floatRects[1];
  EXPECT_EQ((std::array{r.left, r.top, r.width, r.height}),
            (std::array{startX + 2 - 2, t.P(0).Top - 2, 64 + 2 + 12, 80 + 12}));
  EXPECT_EQ((std::array{t.display.DropSounds(), t.display.statusUpdates - status,
                        t.game->FloatPile.Count}),
            (std::array{1, 1, 0}));
  EXPECT_EQ(std::make_pair(t.Values(1), t.game->FloatPile.BottomCard),
            std::make_pair(std::vector<int32_t>{V(0, 0)}, static_cast<Card*>(nullptr)));

  struct Still : RecordingDisplay {
    bool ShowsMotion() const override { return false; }
  } still;
  t.Arrange({{Up(V(0, 0))}, {}});
  t.game->display = &still;
  LiftCards(*t.game, t.P(0), *t.P(0).TopCard);
  GlideToPile(*t.game, t.P(1));
  EXPECT_EQ(still.glideFrames + still.floatCorners.size(), 0u);
  EXPECT_EQ(std::make_pair(t.game->FloatPile.Left, t.game->FloatPile.Top),
            std::make_pair(t.P(1).Left, t.P(1).Top));

  t.Arrange({{Down(V(5, 1)), Up(V(4, 2))}, {}});
  int32_t x, y, goalX, goalY;
  LandingSpot(*t.game, t.P(0), x, y);
  LandingSpot(*t.game, t.P(1), goalX, goalY);
  // Under a face-down and a face-up card; the goal does not fan.
  EXPECT_EQ((std::array{x, y, goalY}), (std::array{t.P(0).Left, t.P(0).Top + 4 + 16, t.P(1).Top}));
}

// A win is celebrated once in 100 frames; unlogged only the status; four-of-a-rank wins.
TEST(CheckGameEnd, WonDealIsCelebratedOnceWithAHundredRedraws) {
  PlayTable t(SourceAndGoal());
  std::vector<Placed> goal;
  for (int v = 0; v < 51; ++v)
    if (v != V(11, 3)) goal.push_back(Up(v));
  goal.push_back(Up(V(11, 3)));  // the queen of diamonds on top takes the king
  t.Arrange({{Up(V(12, 3))}, goal});
  t.game->CurrentLogRecord = 0;  // the deal is in the log
  const int left = t.P(0).Left, top = t.P(1).Top, redraws = t.display.redraws;
  ASSERT_EQ(AutoMoveFromPile(*t.game, &t.P(0)), 1);
  EXPECT_EQ(std::make_pair(t.log.best, t.display.winFrames), std::make_pair(52, 100));
  EXPECT_GE(t.display.redraws - redraws, 100);
  EXPECT_EQ(std::make_pair(t.P(0).Left, t.P(1).Top), std::make_pair(left, top));
  CheckGameEnd(*t.game);  // won again: no second celebration
  EXPECT_EQ(t.display.winFrames, 100);
  t.Arrange({{Up(0)}, {}});
  t.game->CurrentLogRecord = -1, t.log.best = 0;
  const int status = t.display.statusUpdates;
  CheckGameEnd(*t.game);
  EXPECT_EQ(std::make_pair(t.log.best, t.display.statusUpdates), std::make_pair(0, status + 1));

  GameDef g = NamedGame("Four rank", GameFlags::FourRank);
  for (int i = 0; i < 14; ++i) g.Piles[i] = MakePile(2 * (i % 7), 2 * (i / 7), PileFlags::AutoPlay);
  PlayTable four(g);
  std::vector<std::vector<Placed>> piles;
  for (int r = 0; r < 13; ++r)
    piles.push_back({Up(V(r, 0)), Up(V(r, 1)), Up(V(r, 2)), Up(V(r, 3))});
  four.Arrange(piles);
  EXPECT_EQ(IsFourRankWin(*four.game), 1);
  piles[12].pop_back();
  piles.push_back({Up(V(12, 3)), Up(V(1, 0)), Up(V(1, 1)), Up(V(1, 2))});
  four.Arrange(piles);
  EXPECT_EQ(IsFourRankWin(*four.game), 0);
}

// An automatic step turns, then moves; "Remove any card" bottom up; no automatic play: none.
TEST(AutoMoveFromPile, TurnsThenMovesAndRefusesWhereTheRulesSay) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(V(7, 0)), Down(V(0, 3))}, {}});
  EXPECT_EQ(AutoStep(*t.game), 1);
  EXPECT_EQ(std::make_tuple(t.P(0).TopCard->Face, t.P(1).Count, t.Plays()),
            std::make_tuple(FaceUp, 0, 1));
  EXPECT_EQ(AutoStep(*t.game), 1);
  EXPECT_EQ(std::make_pair(t.Values(1), t.Plays()),
            std::make_pair(std::vector<int32_t>{V(0, 3)}, 2));
  EXPECT_EQ(AutoStep(*t.game), 0);  // a seven cannot go up

  PlayTable any(SourceAndGoal(PileFlags::AutoPlay | PileFlags::RemoveAnyCard));
  any.Arrange({{Up(V(9, 1)), Up(V(0, 2)), Up(V(5, 0))}, {}});
  EXPECT_EQ(AutoMoveFromPile(*any.game, &any.P(0)), 1);
  EXPECT_EQ(std::make_pair(any.Values(0), any.Values(1)),
            std::make_pair(std::vector<int32_t>{V(9, 1), V(5, 0)}, std::vector<int32_t>{V(0, 2)}));

  PlayTable plain(SourceAndGoal(PileFlags::AutoFillSource));
  plain.Arrange({{Up(0)}, {}});
  EXPECT_EQ(AutoMoveFromPile(*plain.game, &plain.P(0)), 0);
  EXPECT_EQ(AutoMoveFromPile(*plain.game, nullptr), 0);
}

// Empty fill piles take one card face up; a column feeder fills only its own column.
TEST(AutoFill, EachEmptyDestinationTakesOneCardFaceUp) {
  GameDef g = NamedGame("Fill");
  g.Piles[0] = MakePile(0, 0, PileFlags::AutoFillDest);
  g.Piles[1] = MakePile(2, 0, PileFlags::AutoFillDest);
  g.Piles[2] = MakePile(4, 0, PileFlags::AutoFillSource);
  g.Piles[3] = MakePile(2, 4, PileFlags::FillFromColumn);
  g.Piles[4] = MakePile(6, 0, PileFlags::AutoFillDest);
  PlayTable t(g);
  using Values = std::vector<int32_t>;
  t.Arrange({{}, {}, {Down(10), Down(11)}, {Up(20)}, {Up(30)}});
  AutoFill(*t.game);
  EXPECT_EQ((std::vector{t.Values(0), t.Values(1), t.Values(3)}),
            (std::vector<Values>{{11}, {10}, {20}}));
  EXPECT_EQ(t.P(0).TopCard->Face, FaceUp);
  t.Arrange({{}, {}, {}, {Up(20)}, {Up(30)}});
  AutoFill(*t.game);
  EXPECT_EQ(std::make_pair(t.Values(0), t.Values(1)), std::make_pair(Values{}, Values{20}));
}

}  // namespace
}  // namespace tarnik
