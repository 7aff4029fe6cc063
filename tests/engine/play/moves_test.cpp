// Moves: lifting, gliding and dropping cards, automatic moves, filling
// empty piles, and the check for a won deal after every drop.
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

// A glide is 128 frames in 16.16 fixed point, each repainting the old and
// new place with a margin; without motion the cards land at once where the
// last frame would; they land on the next card of a fanned pile.
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
  const auto& corners = t.display.floatCorners;
  EXPECT_EQ((std::array{corners[0].first, corners[1].first, corners[7].first, corners[127].first,
                        corners[127].second}),
            (std::array{startX + 2, startX + 4, startX + 17, targetX, t.P(1).Top}));
  const auto& r = t.display.floatRects[1];
  EXPECT_EQ((std::array{r.left, r.top, r.width, r.height}),
            (std::array{startX + 2 - 2, t.P(0).Top - 2, 64 + 2 + 12, 80 + 12}));

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

// A drop plays one drop sound, refreshes the status line and empties the
// float pile.
TEST(DropOnPile, PlaysOneDropSoundAndRefreshesTheStatusLine) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(V(0, 0))}, {}});
  t.display.sounds.clear();
  const int status = t.display.statusUpdates;
  LiftCards(*t.game, t.P(0), *t.P(0).TopCard);
  GlideAndDrop(*t.game, t.P(1));
  EXPECT_EQ((std::array{t.display.DropSounds(), t.display.statusUpdates - status,
                        t.game->FloatPile.Count}),
            (std::array{1, 1, 0}));
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{V(0, 0)}));
  EXPECT_EQ(t.game->FloatPile.BottomCard, nullptr);
}

// A won deal is celebrated once with a hundred frames and the piles come
// back exactly; before the first recorded move only the status line changes.
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
  EXPECT_EQ(std::make_pair(t.P(0).Left, t.P(1).Top), std::make_pair(left, top));
  CheckGameEnd(*t.game);  // won again: no second celebration
  EXPECT_EQ(t.display.winFrames, 100);

  PlayTable fresh(SourceAndGoal());
  fresh.Arrange({{Up(0)}, {}});
  fresh.game->CurrentLogRecord = -1;
  const int status = fresh.display.statusUpdates;
  CheckGameEnd(*fresh.game);
  EXPECT_EQ(std::make_pair(fresh.log.best, fresh.display.statusUpdates), std::make_pair(0, status + 1));
}

// Thirteen piles of four of a rank win; a mixed pile spoils it.
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

// An automatic step turns a face-down top card first (one play), then moves
// it; a "Remove any card" pile offers its cards from the bottom up; a pile
// without "Automatic play", or under "Before take" while a cell holds a
// card, gives nothing.
TEST(AutoMoveFromPile, TurnsThenMovesAndRefusesWhereTheRulesSay) {
  PlayTable t(SourceAndGoal());
  t.Arrange({{Up(V(7, 0)), Down(V(0, 3))}, {}});
  EXPECT_EQ(AutoStep(*t.game), 1);
  EXPECT_EQ(std::make_tuple(t.P(0).TopCard->Face, t.P(1).Count, t.Plays()), std::make_tuple(FaceUp, 0, 1));
  EXPECT_EQ(AutoStep(*t.game), 1);
  EXPECT_EQ(std::make_pair(t.Values(1), t.Plays()), std::make_pair(std::vector<int32_t>{V(0, 3)}, 2));
  EXPECT_EQ(AutoStep(*t.game), 0);  // a seven cannot go up

  PlayTable any(SourceAndGoal(PileFlags::AutoPlay | PileFlags::RemoveAnyCard));
  any.Arrange({{Up(V(9, 1)), Up(V(0, 2)), Up(V(5, 0))}, {}});
  EXPECT_EQ(AutoMoveFromPile(*any.game, &any.P(0)), 1);
  EXPECT_EQ(any.Values(0), (std::vector<int32_t>{V(9, 1), V(5, 0)}));
  EXPECT_EQ(any.Values(1), (std::vector<int32_t>{V(0, 2)}));

  PlayTable plain(SourceAndGoal(PileFlags::AutoFillSource));
  plain.Arrange({{Up(0)}, {}});
  EXPECT_EQ(AutoMoveFromPile(*plain.game, &plain.P(0)), 0);
  EXPECT_EQ(AutoMoveFromPile(*plain.game, nullptr), 0);

  GameDef g = SourceAndGoal(PileFlags::AutoPlay | PileFlags::BeforeTake);
  g.Piles[2] = MakePile(4, 0, PileFlags::MustBeEmpty);
  PlayTable cells(g);
  cells.Arrange({{Up(0)}, {}, {Up(40)}});
  EXPECT_EQ(AutoMoveFromPile(*cells.game, &cells.P(0)), 0);
  cells.Arrange({{Up(0)}, {}, {}});
  EXPECT_EQ(AutoMoveFromPile(*cells.game, &cells.P(0)), 1);
}

// Each empty fill destination takes one card face up from the fill sources;
// a column feeder fills only an empty pile in its own column.
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

// Turning a top card makes a drop sound and counts one play.
TEST(FlipTopCard, TurnsTheCardWithADropSoundAndCountsOnePlay) {
  PlayTable t(SourceAndGoal(PileFlags::AutoFillSource));
  t.Arrange({{Down(3), Down(9)}, {}});
  t.display.sounds.clear();
  FlipTopCard(*t.game, t.P(0));
  EXPECT_EQ(std::make_tuple(t.P(0).TopCard->Face, t.P(0).BottomCard->Face, t.display.DropSounds(),
                            t.Plays()),
            std::make_tuple(FaceUp, FaceDown, 1, 1));
}

}  // namespace
}  // namespace tarnik
