// Moves: lifting, gliding and dropping cards, automatic moves, filling
// empty piles, and the check for a won deal after every drop.
#include <gtest/gtest.h>

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

TEST(GlideToPile, MakesExactly128FramesInSixteenSixteenFixedPoint) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(V(0, 0))}, {}});
  const int startX = t.P(0).Left, targetX = t.P(1).Left;
  ASSERT_EQ(targetX - startX, 8 * 34);
  LiftCards(*t.game, t.P(0), *t.P(0).TopCard);
  t.display.floatCorners.clear();
  t.display.floatRects.clear();
  GlideToPile(*t.game, t.P(1));
  ASSERT_EQ(t.display.glideFrames, 128);
  ASSERT_EQ(t.display.floatCorners.size(), 128u);
  // 272 pixels in 128 frames: 2.125 pixels a frame, the position rounded down.
  EXPECT_EQ(t.display.floatCorners[0].first, startX + 2);
  EXPECT_EQ(t.display.floatCorners[1].first, startX + 4);
  EXPECT_EQ(t.display.floatCorners[7].first, startX + 17);
  EXPECT_EQ(t.display.floatCorners[127].first, targetX);
  EXPECT_EQ(t.display.floatCorners[127].second, t.P(1).Top);
  // Each frame repaints the old and new place with a margin.
  const auto& r = t.display.floatRects[1];
  EXPECT_EQ(r.left, startX + 2 - 2);
  EXPECT_EQ(r.top, t.P(0).Top - 2);
  EXPECT_EQ(r.width, 64 + 2 + 12);
  EXPECT_EQ(r.height, 80 + 12);
}

TEST(GlideToPile, LandsAtOnceWhereItsLastFrameWouldWhenNoMotionIsShown) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(V(0, 0))}, {}});
  struct Still : RecordingDisplay {
    bool ShowsMotion() const override { return false; }
  } still;
  t.game->display = &still;
  LiftCards(*t.game, t.P(0), *t.P(0).TopCard);
  GlideToPile(*t.game, t.P(1));
  EXPECT_EQ(still.glideFrames, 0);
  EXPECT_TRUE(still.floatCorners.empty());
  EXPECT_EQ(t.game->FloatPile.Left, t.P(1).Left);
  EXPECT_EQ(t.game->FloatPile.Top, t.P(1).Top);
}

TEST(GlideToPile, LandsOnTheNextCardOfAFannedPile) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Down(V(5, 1)), Up(V(4, 2))}, {}});
  int32_t x, y;
  LandingSpot(*t.game, t.P(0), x, y);
  EXPECT_EQ(x, t.P(0).Left);
  EXPECT_EQ(y, t.P(0).Top + 4 + 16);  // under a face-down and a face-up card
  LandingSpot(*t.game, t.P(1), x, y);
  EXPECT_EQ(y, t.P(1).Top);
}

TEST(DropOnPile, PlaysOneDropSoundAndRefreshesTheStatusLine) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(V(0, 0))}, {}});
  t.display.sounds.clear();
  const int status = t.display.statusUpdates;
  LiftCards(*t.game, t.P(0), *t.P(0).TopCard);
  GlideAndDrop(*t.game, t.P(1));
  EXPECT_EQ(t.display.DropSounds(), 1);
  EXPECT_EQ(t.display.statusUpdates, status + 1);
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{V(0, 0)}));
  EXPECT_EQ(t.game->FloatPile.BottomCard, nullptr);
  EXPECT_EQ(t.game->FloatPile.Count, 0);
}

TEST(CheckGameEnd, WonDealIsCelebratedOnceWithAHundredRedraws) {
  PlayTable t(SourceAndGoal());
  std::vector<Placed> goal;
  for (int v = 0; v < 51; ++v)
    if (v != V(11, 3)) goal.push_back(Up(v));
  goal.push_back(Up(V(11, 3)));  // the queen of diamonds on top takes the king
  t.Arrange({{Up(V(12, 3))}, goal});
  t.game->CurrentLogRecord = 0;  // the deal is in the log
  const int left = t.P(0).Left, top = t.P(1).Top;
  const int redraws = t.display.redraws;
  ASSERT_EQ(AutoMoveFromPile(*t.game, &t.P(0)), 1);
  EXPECT_EQ(t.log.best, 52);
  EXPECT_EQ(t.display.winFrames, 100);
  EXPECT_GE(t.display.redraws - redraws, 100);
  EXPECT_EQ(t.P(0).Left, left);  // the piles come back exactly
  EXPECT_EQ(t.P(1).Top, top);
  CheckGameEnd(*t.game);  // won again: no second celebration
  EXPECT_EQ(t.display.winFrames, 100);
}

TEST(CheckGameEnd, BeforeTheFirstRecordedMoveOnlyTheStatusLineChanges) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(0)}, {}});
  t.game->CurrentLogRecord = -1;
  const int status = t.display.statusUpdates;
  CheckGameEnd(*t.game);
  EXPECT_EQ(t.log.best, 0);
  EXPECT_EQ(t.display.statusUpdates, status + 1);
}

TEST(IsFourRankWin, ThirteenPilesOfOneRankAndAMixedPileSpoilsIt) {
  GameDef g = NamedGame("Four rank", GameFlags::FourRank);
  for (int i = 0; i < 14; ++i) g.Piles[i] = MakePile(2 * (i % 7), 2 * (i / 7), PileFlags::AutoPlay);
  PlayTable t(g);
  std::vector<std::vector<Placed>> piles;
  for (int r = 0; r < 13; ++r) piles.push_back({Up(V(r, 0)), Up(V(r, 1)), Up(V(r, 2)), Up(V(r, 3))});
  t.Arrange(piles);
  EXPECT_EQ(IsFourRankWin(*t.game), 1);
  piles[12] = {Up(V(12, 0)), Up(V(12, 1)), Up(V(12, 2))};
  piles.push_back({Up(V(12, 3)), Up(V(1, 0)), Up(V(1, 1)), Up(V(1, 2))});
  t.Arrange(piles);
  EXPECT_EQ(IsFourRankWin(*t.game), 0);
}

TEST(AutoMoveFromPile, TurnsAFaceDownCardFirstThenMovesIt) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(V(7, 0)), Down(V(0, 3))}, {}});
  EXPECT_EQ(AutoStep(*t.game), 1);
  EXPECT_EQ(t.P(0).TopCard->Face, FaceUp);
  EXPECT_EQ(t.Values(1).size(), 0u);
  EXPECT_EQ(t.Plays(), 1);
  EXPECT_EQ(AutoStep(*t.game), 1);
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{V(0, 3)}));
  EXPECT_EQ(t.Plays(), 2);
  EXPECT_EQ(AutoStep(*t.game), 0);  // a seven cannot go up
}

TEST(AutoMoveFromPile, RemoveAnyCardPileOffersItsCardsFromTheBottomUp) {
  PlayTable t(SourceAndGoal(PileFlags::AutoPlay | PileFlags::RemoveAnyCard));
  t.Arrange({{Up(V(9, 1)), Up(V(0, 2)), Up(V(5, 0))}, {}});
  EXPECT_EQ(AutoMoveFromPile(*t.game, &t.P(0)), 1);
  EXPECT_EQ(t.Values(0), (std::vector<int32_t>{V(9, 1), V(5, 0)}));
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{V(0, 2)}));
}

TEST(AutoMoveFromPile, RefusesWithoutAutoPlayOrBeforeTakeWhileCellsHoldCards) {
  PlayTable plain(SourceAndGoal(PileFlags::AutoFillSource));
  plain.Arrange({{Up(0)}, {}});
  EXPECT_EQ(AutoMoveFromPile(*plain.game, &plain.P(0)), 0);
  EXPECT_EQ(AutoMoveFromPile(*plain.game, nullptr), 0);

  GameDef g = SourceAndGoal(PileFlags::AutoPlay | PileFlags::BeforeTake);
  g.Piles[2] = MakePile(4, 0, PileFlags::MustBeEmpty);
  PlayTable t(g);
  t.Arrange({{Up(0)}, {}, {Up(40)}});
  EXPECT_EQ(AutoMoveFromPile(*t.game, &t.P(0)), 0);
  t.Arrange({{Up(0)}, {}, {}});
  EXPECT_EQ(AutoMoveFromPile(*t.game, &t.P(0)), 1);
}

TEST(AutoFill, EachEmptyDestinationTakesOneCardFaceUp) {
  GameDef g = NamedGame("Fill");
  g.Piles[0] = MakePile(0, 0, PileFlags::AutoFillDest);
  g.Piles[1] = MakePile(2, 0, PileFlags::AutoFillDest);
  g.Piles[2] = MakePile(4, 0, PileFlags::AutoFillSource);
  g.Piles[3] = MakePile(2, 4, PileFlags::FillFromColumn);
  g.Piles[4] = MakePile(6, 0, PileFlags::AutoFillDest);
  PlayTable t(g);
  t.Arrange({{}, {}, {Down(10), Down(11)}, {Up(20)}, {Up(30)}});
  AutoFill(*t.game);
  EXPECT_EQ(t.Values(0), (std::vector<int32_t>{11}));
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{10}));
  EXPECT_EQ(t.P(0).TopCard->Face, FaceUp);
  EXPECT_EQ(t.Values(3), (std::vector<int32_t>{20}));  // nothing empty in its column
  // Column feeder: only an empty pile in its own column.
  t.Arrange({{}, {}, {}, {Up(20)}, {Up(30)}});
  AutoFill(*t.game);
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{20}));
  EXPECT_TRUE(t.Values(0).empty());
}

TEST(FlipTopCard, TurnsTheCardWithADropSoundAndCountsOnePlay) {
  PlayTable t(SourceAndGoal(PileFlags::AutoFillSource));
  t.Arrange({{Down(3), Down(9)}, {}});
  t.display.sounds.clear();
  FlipTopCard(*t.game, t.P(0));
  EXPECT_EQ(t.P(0).TopCard->Face, FaceUp);
  EXPECT_EQ(t.P(0).BottomCard->Face, FaceDown);
  EXPECT_EQ(t.display.DropSounds(), 1);
  EXPECT_EQ(t.Plays(), 1);
}

}  // namespace
}  // namespace tarnik
