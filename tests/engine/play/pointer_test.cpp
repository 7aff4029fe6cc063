// Playing with the mouse: drags and drops, clicks and the right click.
#include <gtest/gtest.h>

#include <array>

#include "engine/deal/deal.h"
#include "engine/play/history.h"
#include "engine/play/pointer.h"
#include "engine/play/start_game.h"
#include "engine/rules/pointer_targets.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;

// Two Klondike-like columns, a stock and a foundation.
GameDef Columns() {
  GameDef g = NamedGame("Columns");
  for (int i = 0; i < 2; ++i)
    g.Piles[i] = MakePile(4 * i, 2, PileFlags::AutoPlay, RankBuild::Down, SuitBuild::DiffColor,
                          CardRemoval::AnyInDiffColor);
  g.Piles[2] = MakePile(8, 0, PileFlags::ManualFillSource, RankBuild::None, SuitBuild::None,
                        CardRemoval::None, PileStart::None);
  g.Piles[3] = MakePile(12, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                        CardRemoval::TopCardOnly, PileStart::AnyAce);
  g.Piles[3].Direction = PileDirection::NoDirection;
  return g;
}

// The middle of the visible strip of a card in a vertical fan.
std::pair<int16_t, int16_t> On(const Card& c) {
  return {static_cast<int16_t>(c.X + 32), static_cast<int16_t>(c.Y + 6)};
}

void Press(PlayTable& t, std::pair<int16_t, int16_t> at) {
  PointerDown(*t.game, at.first, at.second);
}

// Drags from a point so that the group's first card lands on `dest`.
void DragTo(PlayTable& t, std::pair<int16_t, int16_t> from, const Pile& dest) {
  Press(t, from);
  const Card* top = dest.TopCard;
  const int tx = (top ? top->X : dest.Left) + 32, ty = (top ? top->Y : dest.Top) + 40;
  PointerMove(*t.game, static_cast<int16_t>(tx - 32 + t.game->GrabOffsetX),
              static_cast<int16_t>(ty - 40 + t.game->GrabOffsetY));
  PointerUp(*t.game);
}

// A drop moves the whole run as one play; a refused one glides home, one drop sound.
TEST(Pointer, DropMovesTheRunAndARefusedDropGlidesHome) {
  PlayTable t(Columns());
  t.Arrange({{Up(V(9, 0)), Up(V(8, 2)), Up(V(7, 1))}, {Up(V(10, 3))}, {}, {}});
  DragTo(t, On(*t.P(0).BottomCard), t.P(1));
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{V(10, 3), V(9, 0), V(8, 2), V(7, 1)}));
  EXPECT_EQ(std::make_pair(t.P(0).Count, t.Plays()), std::make_pair(0, 1));
  EXPECT_FALSE(IsDragging(*t.game));
  t.Arrange({{Up(V(9, 0)), Up(V(8, 2))}, {Up(V(3, 3))}, {}, {}});
  t.display.sounds.clear();
  t.display.glideFrames = 0;
  DragTo(t, On(*t.P(0).TopCard), t.P(1));
  EXPECT_EQ(t.Values(0), (std::vector<int32_t>{V(9, 0), V(8, 2)}));
  EXPECT_EQ(std::make_pair(t.Plays(), t.display.DropSounds()), std::make_pair(0, 1));
  EXPECT_EQ(t.display.glideFrames, 128);
}

TEST(Pointer, PressBeneathTheGroupMakesItJumpEightPixelsUnderThePointer) {
  PlayTable t(Columns());
  // A club eight on a spade nine is no run: only the eight lifts, and a press
  // on the nine's visible strip grabs it from beneath.
  t.Arrange({{Up(V(9, 0)), Up(V(8, 1))}, {}, {}, {}});
  const Card& top = *t.P(0).TopCard;
  const int16_t x = static_cast<int16_t>(top.X + 10), y = static_cast<int16_t>(top.Y - 6);
  ASSERT_EQ(PileAtPoint(*t.game, x, y), &t.P(0));
  ASSERT_EQ(t.game->GrabBelow, 1);
  Press(t, {x, y});
  ASSERT_TRUE(IsDragging(*t.game));
  EXPECT_EQ((std::array{t.game->GrabOffsetX, t.game->GrabOffsetY, t.game->FloatPile.Left,
                        t.game->FloatPile.Top}),
            (std::array{10, 8, x - 10, y - 8}));
  PointerUp(*t.game);
  EXPECT_EQ(t.P(0).Count, 2);
}

// A click on a face-down top card turns it alone as one play with a drop
// sound; a double click on the stock deals twice.
TEST(Pointer, ClicksTurnACardAndDealFromTheStock) {
  GameDef g = Columns();
  g.Piles[0].Flags |= PileFlags::ManualFillDest;
  PlayTable t(g);
  t.Arrange({{Down(V(9, 0)), Down(V(8, 1))}, {}, {Down(1), Down(2), Down(3)}, {}});
  t.display.sounds.clear();
  Press(t, On(*t.P(0).TopCard));
  PointerUp(*t.game);
  EXPECT_EQ(std::make_tuple(t.P(0).TopCard->Face, t.P(0).BottomCard->Face, t.Plays(),
                            t.display.DropSounds()),
            std::make_tuple(FaceUp, FaceDown, 1, 1));
  const auto at = std::make_pair(static_cast<int16_t>(t.P(2).Left + 5),
                                 static_cast<int16_t>(t.P(2).Top + 5));
  for (int i = 0; i < 2; ++i) Press(t, at), PointerUp(*t.game);
  EXPECT_EQ(std::make_pair(t.P(0).Count, t.Plays()), std::make_pair(4, 3));
}

// During a drag only a new deal interferes (no card left behind); a press on an
// empty pile without a redeal and a right click on nothing do nothing.
TEST(Pointer, DuringADragOnlyANewDealInterferes) {
  PlayTable t(Columns());
  t.Arrange({{Up(V(0, 0))}, {}, {}, {}});
  Press(t, {static_cast<int16_t>(t.P(1).Left + 5), static_cast<int16_t>(t.P(1).Top + 5)});
  EXPECT_EQ(t.Plays(), 0);
  const auto at = On(*t.P(0).TopCard);
  Press(t, at);
  ASSERT_TRUE(IsDragging(*t.game));
  RightClick(*t.game, at.first, at.second);
  Press(t, at);
  UndoMove(*t.game);
  EXPECT_TRUE(IsDragging(*t.game));
  PointerUp(*t.game);
  EXPECT_EQ(std::make_pair(t.P(3).Count, t.P(0).Count), std::make_pair(0, 1));
  RightClick(*t.game, at.first, at.second);  // now the ace goes up
  EXPECT_EQ(std::make_pair(t.P(3).Count, t.Plays()), std::make_pair(1, 1));
  RightClick(*t.game, 1, 1);
  EXPECT_EQ(t.Plays(), 1);
  t.Arrange({{Up(V(9, 0)), Up(V(8, 2))}, {}, {}, {}});
  Press(t, On(*t.P(0).TopCard));
  StartGame(*t.game, 5);
  EXPECT_FALSE(IsDragging(*t.game));
  EXPECT_EQ(t.game->DropTarget, nullptr);
}

// A drop back on the source records nothing; "Remove any card" puts the card on top.
TEST(Pointer, DropBackOnItsOwnPileRecordsNothing) {
  GameDef g = Columns();
  g.Piles[0].RankBuild = RankBuild::Any;
  g.Piles[0].SuitBuild = SuitBuild::Any;
  PlayTable t(g);
  t.Arrange({{Up(V(9, 0)), Up(V(4, 2))}, {}, {}, {}});
  Press(t, On(*t.P(0).TopCard));
  const Card& under = *t.P(0).TopCard;  // it accepts anything
  PointerMove(*t.game, static_cast<int16_t>(under.X + t.game->GrabOffsetX),
              static_cast<int16_t>(under.Y + t.game->GrabOffsetY));
  EXPECT_EQ(std::make_pair(t.game->DropTarget, t.display.highlights.back()),
            std::make_pair(&t.P(0), std::string("+0")));
  PointerUp(*t.game);
  EXPECT_EQ(std::make_pair(t.P(0).Count, t.Plays()), std::make_pair(2, 0));

  g.Piles[0].Flags |= PileFlags::RemoveAnyCard;
  g.Piles[0].Direction = PileDirection::Horizontal;
  PlayTable any(g);
  any.Arrange({{Up(V(9, 0)), Up(V(4, 2)), Up(V(6, 1))}, {Up(V(3, 3))}, {}, {}});
  const Card& middle = *any.P(0).BottomCard->Above;
  Press(any, {static_cast<int16_t>(middle.X + 4), static_cast<int16_t>(middle.Y + 40)});
  ASSERT_TRUE(IsDragging(*any.game));
  EXPECT_EQ(any.game->FloatPile.Count, 1);
  PointerUp(*any.game);
  EXPECT_EQ(any.Values(0), (std::vector<int32_t>{V(9, 0), V(6, 1), V(4, 2)}));
}

TEST(PileAtPoint, LaterPileWinsAndACoveredOrBlankPileIsNotHit) {
  GameDef g = NamedGame("Overlap");
  g.Piles[0] = MakePile(0, 0, PileFlags::AutoPlay);
  g.Piles[1] = MakePile(1, 1, PileFlags::AutoPlay);
  g.Piles[2] = MakePile(8, 0, PileFlags::AutoPlay, RankBuild::Any, SuitBuild::Any,
                        CardRemoval::TopCardOnly, PileStart::BlankSpace);
  PlayTable t(g);
  t.Arrange({{Up(1)}, {}, {}});
  const int16_t x = static_cast<int16_t>(t.P(1).Left + 2), y = static_cast<int16_t>(t.P(1).Top + 2);
  EXPECT_EQ(PileAtPoint(*t.game, x, y), &t.P(1));  // drawn last, empty but hit
  t.Arrange({{Up(1)}, {Up(2)}, {}});
  EXPECT_EQ(PileAtPoint(*t.game, static_cast<int16_t>(t.P(0).Left + 1),
                        static_cast<int16_t>(t.P(0).Top + 1)),
            nullptr);  // pile 0 is covered by pile 1
  EXPECT_EQ(PileAtPoint(*t.game, static_cast<int16_t>(t.P(2).Left + 5),
                        static_cast<int16_t>(t.P(2).Top + 5)),
            nullptr);  // an empty blank space
}

}  // namespace
}  // namespace tarnik
