// Play without the mouse: focus, Space, Enter, Escape, double clicks, turning uncovered cards.
#include "engine/play/keyboard.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/play/double_click.h"
#include "engine/play/history.h"
#include "engine/play/pointer.h"
#include "engine/play/uncover.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
namespace PF = PileFlags;
using Values = std::vector<int32_t>;

// Two columns taking any group, a foundation, and an empty blank space no press reaches.
GameDef KeyboardGame() {
  GameDef g = testing::NamedGame("Keys");
  for (int i = 0; i < 2; ++i)
    g.Piles[i] = MakePile(4 * i, 2, PF::AutoPlay, RankBuild::Down, SuitBuild::Any,
                          CardRemoval::GroupInAnySuit);
  g.Piles[2] = MakePile(8, 0, PF::WinGoal, RankBuild::Up, SuitBuild::SameSuit, CardRemoval::None,
                        PileStart::AnyAce);
  g.Piles[3] = MakePile(12, 0, PF::AutoFillDest, RankBuild::Any, SuitBuild::Any,
                        CardRemoval::TopCardOnly, PileStart::BlankSpace);
  return g;
}

struct KeyboardTest : ::testing::Test {
  KeyboardTest() {
    // 10♠ face down, 7♣, A♥ on top; 8♦ alone; an empty foundation.
    t.Arrange({{Down(V(9, 0)), Up(V(6, 1)), Up(V(0, 2))}, {Up(V(7, 3))}, {}, {}});
  }
  void Focus(int pile) { t.game->FocusPile = pile, t.game->FocusShown = true; }
  PlayTable t{KeyboardGame()};
  Game& g = *t.game;
};

// Tab and Shift+Tab walk the pressable piles round; a hidden frame shows where it was.
TEST_F(KeyboardTest, TabWalksThePressablePiles) {
  std::vector<int> walk;
  for (int step : {1, 1, 1, 1, -1}) walk.push_back((MoveFocus(g, step), g.FocusPile));
  EXPECT_EQ(walk, (std::vector<int>{0, 1, 2, 0, 2}));  // the blank space is skipped
  KeyEscape(g);
  EXPECT_FALSE(g.FocusShown);
  MoveFocus(g, 1);
  EXPECT_EQ(std::make_pair(g.FocusShown, g.FocusPile), std::make_pair(true, 2));
}

// Space lifts, drops, grows the group or puts it back; a refused drop glides home; Escape.
TEST_F(KeyboardTest, SpaceLiftsDropsAndGrows) {
  // Keys: a pile to focus then Space; -1 Escape.
  const struct { const char* name; std::vector<int> keys; Values column, other; int plays; }
  cases[] = {
      {"refused drop", {0, 1}, {V(9, 0), V(6, 1), V(0, 2)}, {V(7, 3)}, 0},
      {"run of two", {0, 0, 1}, {V(9, 0)}, {V(7, 3), V(6, 1), V(0, 2)}, 1},
      {"put back", {0, 0, 0}, {V(9, 0), V(6, 1), V(0, 2)}, {V(7, 3)}, 0},
      {"escape", {0, -1}, {V(9, 0), V(6, 1), V(0, 2)}, {V(7, 3)}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    t.Arrange({{Down(V(9, 0)), Up(V(6, 1)), Up(V(0, 2))}, {Up(V(7, 3))}, {}, {}});
    t.display.glideFrames = 0;
    for (int key : c.keys) key < 0 ? KeyEscape(g) : (Focus(key), KeySpace(g));
    EXPECT_FALSE(IsDragging(g));
    EXPECT_EQ(std::make_tuple(t.Values(0), t.Values(1), t.Plays()),
              std::make_tuple(c.column, c.other, c.plays));
    EXPECT_TRUE(!c.plays || t.display.glideFrames > 0);
  }
}

// Double clicks `dy` pixels below the top left of pile `p`'s top card.
void DoubleClickTop(Game& g, int p, int dy) {
  const Card& c = *g.PileTable[p].TopCard;
  DoubleClick(g, static_cast<int16_t>(c.X + 5), static_cast<int16_t>(c.Y + dy));
}

// Enter and a double click send the top card home, else press; in pairing games they mark.
TEST_F(KeyboardTest, EnterAndDoubleClickSendACardHome) {
  Focus(0);
  KeyEnter(g);
  EXPECT_EQ(t.Values(2), Values{V(0, 2)});
  UndoMove(g);
  DoubleClickTop(g, 0, 60);
  EXPECT_EQ(std::make_pair(t.Values(2), t.Plays()), std::make_pair(Values{V(0, 2)}, 1));
  DoubleClickTop(g, 1, 5);
  EXPECT_TRUE(IsDragging(g));
  PointerUp(g);
  GameDef pairs = KeyboardGame();
  pairs.Piles[0].Flags |= PF::GroupRemoval;
  PlayTable p{pairs};
  p.Arrange({{Up(V(4, 0))}, {Up(V(7, 3))}, {}, {}});
  DoubleClickTop(*p.game, 0, 5);
  EXPECT_EQ(std::make_pair(p.game->PileTable[0].TopCard->Face, ClicksMarkCards(*p.game)),
            std::make_pair(Marked, true));
}

// "Turn uncovered cards" turns with the move (one play, one undo); never stocks or pairs.
TEST_F(KeyboardTest, TurnUncoveredCards) {
  for (int on : {0, 1}) {
    SCOPED_TRACE(on);
    g.prefs.TurnUncovered = on;
    t.Arrange({{Down(V(9, 0)), Up(V(0, 2))}, {Up(V(7, 3))}, {}, {}});
    Focus(0);
    KeyEnter(g);  // the ace goes home and uncovers the ten
    EXPECT_EQ(std::make_pair(g.PileTable[0].TopCard->Face, t.Plays()),
              std::make_pair(on ? FaceUp : FaceDown, 1));
    UndoMove(g);
    EXPECT_EQ(std::make_pair(g.PileTable[0].TopCard->Value, g.PileTable[0].BottomCard->Face),
              std::make_pair(V(0, 2), FaceDown));
  }
  Pile& pile = g.PileTable[1];
  pile.TopCard->Face = FaceDown;
  for (uint32_t flag : {0u, PF::ManualFillSource, PF::GroupRemoval})
    EXPECT_EQ(TurnsByClick(g, (pile.Flags = PF::AutoPlay | flag, pile)), flag == 0) << flag;
}

}  // namespace
}  // namespace tarnik
