// The game editor without its window: flags dealt at once, "Add game", the name, OK.
#include "engine/editor/game_editor.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/cards/pile_ops.h"
#include "engine/editor/pile_editor.h"
#include "engine/library/library.h"
#include "support/play_table.h"

namespace tarnik {
namespace {

using namespace testing;

// One stock that deals the whole deck, and a second game behind it.
GameDef Stock(const char* name) {
  GameDef g = testing::NamedGame(name, GameFlags::RedealOnce);
  g.Piles[0] = MakePile(0, 0, PileFlags::ManualFillSource), g.Piles[0].InitialSize = 52;
  g.Piles[0].Direction = PileDirection::Size;
  return g;
}

struct GameEditorTest : ::testing::Test {
  GameEditorTest() {
    testing::WriteLibrary(t.game->library.Path, {Stock("Stock"), Stock("Other")});
    CountGames(t.game->library);
    LoadGameNames(t.game->library);
  }
  GameDef Stored(int32_t g) { return StoredGame(t.game->library.Path, g); }
  PlayTable t{Stock("Stock")};
};

// "Two deck" deals 104 at once, new pile editors see it; only bits 0 to 22 toggle.
TEST_F(GameEditorTest, FlagsDealAtOnceAndBitsWithoutMeaningStayZero) {
  Game& g = *t.game;
  g.EditPile = &g.PileTable[0];
  const PileEditor open(g);
  ToggleGameFlag(g, 3);
  EXPECT_EQ(g.CurrentFlags, GameFlags::RedealOnce | GameFlags::TwoDeck);
  // The deck, the pile asking 52, the open editor's limit bar, a new one's limit and size.
  EXPECT_EQ((std::array{DeckSize(g.CurrentFlags), g.PileTable[0].Count, open.View().Bar[2].Max,
                        PileEditor(g).View().Bar[2].Max, PileEditor(g).View().Bar[0].Max}),
            (std::array{104, 52, 52, 104, 104}));
  ToggleGameFlag(g, 0);
  ToggleGameFlag(g, 3);
  const uint32_t state = g.RandomState;
  for (int bit : {23, 31, -1}) ToggleGameFlag(g, bit);
  EXPECT_EQ(std::make_pair(g.CurrentFlags, g.RandomState), std::make_pair(0u, state));
  ToggleGameFlag(g, 20);
  ToggleGameFlag(g, 22);
  EXPECT_EQ(g.CurrentFlags, GameFlags::FourRank | GameFlags::TwoSuits);
  EXPECT_NE(g.RandomState, state);
}

// OK stores the name cut to 31, zero-filled, with flags and piles; other games untouched.
TEST_F(GameEditorTest, OkStoresTheNameCutTo31Characters) {
  EXPECT_EQ(CurrentGameName(*t.game), "Stock");
  ToggleGameFlag(*t.game, 19);
  CloseGameEditor(*t.game, "A very long name for a game of patience");
  const GameDef stored = Stored(0);
  EXPECT_EQ(std::string(stored.Name, kNameSize),
            std::string("A very long name for a game of \0", 32));
  EXPECT_EQ(std::make_pair(stored.Flags, stored.Piles[0].InitialSize),
            std::make_pair(GameFlags::RedealOnce | GameFlags::DealThree, 52));
  EXPECT_STREQ(t.game->library.GameNames[0], "A very long name for a game of ");
  EXPECT_STREQ(Stored(1).Name, "Other");
  CloseGameEditor(*t.game, std::string("Tab\tand\0nul", 11));
  EXPECT_EQ(std::string(Stored(0).Name, kNameSize),
            std::string("Tab and nul") + std::string(21, '\0'));
}

// "Add game" appends "<empty>" (named at the next save); a full library says so.
TEST_F(GameEditorTest, AddGameAppendsAnEmptyGameUntilTheLibraryIsFull) {
  AddGame(*t.game);
  EXPECT_EQ(std::make_pair(t.game->library.GameCount, t.game->CurrentGame), std::make_pair(3, 0));
  EXPECT_STREQ(Stored(2).Name, "<empty>");
  EXPECT_STREQ(t.game->library.GameNames[2], "");
  CloseGameEditor(*t.game, "Stock");
  EXPECT_STREQ(t.game->library.GameNames[2], "<empty>");
  EXPECT_TRUE(t.display.messages.empty());
  testing::WriteLibrary(t.game->library.Path, std::vector<GameDef>(kMaxGames, Stock("Stock")));
  CountGames(t.game->library);
  AddGame(*t.game);
  EXPECT_EQ(t.game->library.GameCount, kMaxGames);
  EXPECT_EQ(testing::ReadBytes(t.game->library.Path).size(), size_t(kMaxGames) * kGameRecordSize);
  EXPECT_EQ(t.display.messages.size(), 1u);
}

}  // namespace
}  // namespace tarnik
