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

using Point = std::pair<int16_t, int16_t>;
Point At(int x, int y) { return {static_cast<int16_t>(x), static_cast<int16_t>(y)}; }
// The middle of the visible strip of a card in a vertical fan.
Point On(const Card& c) { return At(c.X + 32, c.Y + 6); }
// A point inside a pile's top left corner.
Point In(const Pile& p, int d = 5) { return At(p.Left + d, p.Top + d); }
void Press(PlayTable& t, Point at) { PointerDown(*t.game, at.first, at.second); }
// Moves the pointer so that the lifted group's first card lies at (x, y).
void Hover(PlayTable& t, int x, int y) {
  const Point at = At(x + t.game->GrabOffsetX, y + t.game->GrabOffsetY);
  PointerMove(*t.game, at.first, at.second);
}
// Drags from a point so that the group's first card lands on `dest`.
void DragTo(PlayTable& t, Point from, const Pile& dest) {
  Press(t, from);
  const Card* top = dest.TopCard;
  Hover(t, top ? top->X : dest.Left, top ? top->Y : dest.Top);
  PointerUp(*t.game);
}

// A drop moves the whole run as one play; a refused one glides home, one drop sound.
TEST(Pointer, DropMovesTheRunAndARefusedDropGlidesHome) {
  PlayTable t(Columns());
  t.Arrange({{Up(V(9, 0)), Up(V(8, 2)), Up(V(7, 1))}, {Up(V(10, 3))}, {}, {}});
  DragTo(t, On(*t.P(0).BottomCard), t.P(1));
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{V(10, 3), V(9, 0), V(8, 2), V(7, 1)}));
  EXPECT_EQ(std::make_tuple(t.P(0).Count, t.Plays(), IsDragging(*t.game)),
            std::make_tuple(0, 1, false));
  t.Arrange({{Up(V(9, 0)), Up(V(8, 2))}, {Up(V(3, 3))}, {}, {}});
  t.display.sounds.clear();
  t.display.glideFrames = 0;
  DragTo(t, On(*t.P(0).TopCard), t.P(1));
  EXPECT_EQ(t.Values(0), (std::vector<int32_t>{V(9, 0), V(8, 2)}));
  EXPECT_EQ(std::make_tuple(t.Plays(), t.display.DropSounds(), t.display.glideFrames),
            std::make_tuple(0, 1, 128));
}

// A press on the card beneath a one-card group grabs it, 8 pixels under the pointer.
TEST(Pointer, PressBeneathTheGroupMakesItJumpEightPixelsUnderThePointer) {
  PlayTable t(Columns());
  t.Arrange({{Up(V(9, 0)), Up(V(8, 1))}, {}, {}, {}});  // a club on a spade: no run
  const Card& top = *t.P(0).TopCard;
  const Point at = At(top.X + 10, top.Y - 6);
  ASSERT_EQ(std::make_pair(PileAtPoint(*t.game, at.first, at.second), t.game->GrabBelow),
            std::make_pair(&t.P(0), 1));
  Press(t, at);
  ASSERT_TRUE(IsDragging(*t.game));
  EXPECT_EQ((std::array{t.game->GrabOffsetX, t.game->GrabOffsetY, t.game->FloatPile.Left,
                        t.game->FloatPile.Top}),
            (std::array{10, 8, at.first - 10, at.second - 8}));
  PointerUp(*t.game);
  EXPECT_EQ(t.P(0).Count, 2);
}

// A click turns a face-down top card (one play, drop sound); a double click deals twice.
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
  for (int i = 0; i < 2; ++i) Press(t, In(t.P(2))), PointerUp(*t.game);
  EXPECT_EQ(std::make_pair(t.P(0).Count, t.Plays()), std::make_pair(4, 3));
}

// During a drag only a new deal interferes; empty piles and empty places do nothing.
TEST(Pointer, DuringADragOnlyANewDealInterferes) {
  PlayTable t(Columns());
  t.Arrange({{Up(V(0, 0))}, {}, {}, {}});
  Press(t, In(t.P(1)));
  EXPECT_EQ(t.Plays(), 0);
  const Point at = On(*t.P(0).TopCard);
  Press(t, at);
  ASSERT_TRUE(IsDragging(*t.game));
  RightClick(*t.game, at.first, at.second);
  Press(t, at);
  UndoMove(*t.game);
  EXPECT_TRUE(IsDragging(*t.game));
  PointerUp(*t.game);
  EXPECT_EQ(std::make_pair(t.P(3).Count, t.P(0).Count), std::make_pair(0, 1));
  RightClick(*t.game, at.first, at.second);  // now the ace goes up
  RightClick(*t.game, 1, 1);
  EXPECT_EQ(std::make_pair(t.P(3).Count, t.Plays()), std::make_pair(1, 1));
  t.Arrange({{Up(V(9, 0)), Up(V(8, 2))}, {}, {}, {}});
  Press(t, On(*t.P(0).TopCard));
  StartGame(*t.game, 5);
  EXPECT_EQ(std::make_pair(IsDragging(*t.game), t.game->DropTarget),
            std::make_pair(false, static_cast<Pile*>(nullptr)));
}

// A drop back on the source records nothing; "Remove any card" puts the card on top.
TEST(Pointer, DropBackOnItsOwnPileRecordsNothing) {
  GameDef g = Columns();
  g.Piles[0].RankBuild = RankBuild::Any, g.Piles[0].SuitBuild = SuitBuild::Any;
  PlayTable t(g);
  t.Arrange({{Up(V(9, 0)), Up(V(4, 2))}, {}, {}, {}});
  Press(t, On(*t.P(0).TopCard));
  Hover(t, t.P(0).TopCard->X, t.P(0).TopCard->Y);  // it accepts anything
  EXPECT_EQ(std::make_pair(t.game->DropTarget, t.display.highlights.back()),
            std::make_pair(&t.P(0), std::string("+0")));
  PointerUp(*t.game);
  EXPECT_EQ(std::make_pair(t.P(0).Count, t.Plays()), std::make_pair(2, 0));

  g.Piles[0].Flags |= PileFlags::RemoveAnyCard;
  g.Piles[0].Direction = PileDirection::Horizontal;
  PlayTable any(g);
  any.Arrange({{Up(V(9, 0)), Up(V(4, 2)), Up(V(6, 1))}, {Up(V(3, 3))}, {}, {}});
  const Card& middle = *any.P(0).BottomCard->Above;
  Press(any, At(middle.X + 4, middle.Y + 40));
  EXPECT_EQ(std::make_pair(IsDragging(*any.game), any.game->FloatPile.Count),
            std::make_pair(true, 1));
  PointerUp(*any.game);
  EXPECT_EQ(any.Values(0), (std::vector<int32_t>{V(9, 0), V(6, 1), V(4, 2)}));
}

// The pile drawn last is hit, even empty; a covered pile or an empty blank space is not.
TEST(PileAtPoint, LaterPileWinsAndACoveredOrBlankPileIsNotHit) {
  GameDef g = NamedGame("Overlap");
  g.Piles[0] = MakePile(0, 0, PileFlags::AutoPlay);
  g.Piles[1] = MakePile(1, 1, PileFlags::AutoPlay);
  g.Piles[2] = MakePile(8, 0, PileFlags::AutoPlay, RankBuild::Any, SuitBuild::Any,
                        CardRemoval::TopCardOnly, PileStart::BlankSpace);
  PlayTable t(g);
  auto hit = [&t](const Pile& p, int d) {
    return PileAtPoint(*t.game, In(p, d).first, In(p, d).second);
  };
  t.Arrange({{Up(1)}, {}, {}});
  EXPECT_EQ(hit(t.P(1), 2), &t.P(1));
  t.Arrange({{Up(1)}, {Up(2)}, {}});
  EXPECT_EQ(hit(t.P(0), 1), nullptr);
  EXPECT_EQ(hit(t.P(2), 5), nullptr);
}

}  // namespace
}  // namespace tarnik
