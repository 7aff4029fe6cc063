// The game editor without its window: game flags dealt at once, "Add game",
// the name cut to its field, and OK writing the game back.
#include "engine/editor/game_editor.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/cards/pile_ops.h"
#include "engine/editor/pile_editor.h"
#include "engine/library/library.h"
#include "support/play_table.h"

namespace tarnik {
namespace {

using testing::MakePile;
using testing::PlayTable;

// One stock that deals the whole deck, and a second game behind it.
GameDef Stock(const char* name) {
  GameDef g = testing::NamedGame(name, GameFlags::RedealOnce);
  g.Piles[0] = MakePile(0, 0, PileFlags::ManualFillSource);
  g.Piles[0].InitialSize = 52;
  g.Piles[0].Direction = PileDirection::Size;
  return g;
}

struct GameEditorTest : ::testing::Test {
  GameEditorTest() {
    testing::WriteLibrary(t.game->library.Path, {Stock("Stock"), Stock("Other")});
    CountGames(t.game->library);
    LoadGameNames(t.game->library);
  }
  GameDef Stored(int32_t g) {
    GameDef def;
    DecodeGameDef(testing::ReadBytes(t.game->library.Path).data() + g * kGameRecordSize, def);
    return def;
  }
  PlayTable t{Stock("Stock")};
};

// "Two deck" deals 104 cards at once; an open pile editor keeps its ranges,
// a pile editor opened afterwards has the new deck in them. Only bits 0 to
// 22 have a checkbox (and a toggle deals afresh); nothing sets the others.
TEST_F(GameEditorTest, FlagsDealAtOnceAndBitsWithoutMeaningStayZero) {
  Game& g = *t.game;
  g.EditPile = &g.PileTable[0];
  const PileEditor open(g);
  ToggleGameFlag(g, 3);
  EXPECT_EQ(g.CurrentFlags, GameFlags::RedealOnce | GameFlags::TwoDeck);
  EXPECT_EQ(DeckSize(g.CurrentFlags), 104);
  EXPECT_EQ(g.PileTable[0].Count, 52) << "the pile still asks for 52";
  EXPECT_EQ(open.View().Bar[2].Max, 52);
  EXPECT_EQ(PileEditor(g).View().Bar[2].Max, 104);
  EXPECT_EQ(PileEditor(g).View().Bar[0].Max, 104);
  ToggleGameFlag(g, 0);
  EXPECT_EQ(g.CurrentFlags, GameFlags::TwoDeck);
  ToggleGameFlag(g, 3);
  const uint32_t state = g.RandomState;
  for (int bit : {23, 31, -1}) ToggleGameFlag(g, bit);
  EXPECT_EQ(g.CurrentFlags, 0u);
  EXPECT_EQ(g.RandomState, state);
  ToggleGameFlag(g, 20);
  ToggleGameFlag(g, 22);
  EXPECT_EQ(g.CurrentFlags, GameFlags::FourRank | GameFlags::TwoSuits);
  EXPECT_NE(g.RandomState, state);
}

// A name typed longer than 31 characters is stored cut to 31, its field
// filled with zeros after it; OK writes name, flags and piles.
TEST_F(GameEditorTest, OkStoresTheNameCutTo31Characters) {
  EXPECT_EQ(CurrentGameName(*t.game), "Stock");
  ToggleGameFlag(*t.game, 19);
  CloseGameEditor(*t.game, "A very long name for a game of patience");
  const GameDef stored = Stored(0);
  EXPECT_EQ(std::string(stored.Name), "A very long name for a game of ");
  EXPECT_EQ(std::strlen(stored.Name), 31u);
  EXPECT_EQ(stored.Flags, GameFlags::RedealOnce | GameFlags::DealThree);
  EXPECT_EQ(stored.Piles[0].InitialSize, 52);
  EXPECT_STREQ(t.game->library.GameNames[0], "A very long name for a game of ");
  EXPECT_STREQ(Stored(1).Name, "Other");

  CloseGameEditor(*t.game, std::string("Tab\tand\0nul", 11));
  const GameDef again = Stored(0);
  EXPECT_EQ(std::string(again.Name, 12), std::string("Tab and nul\0", 12));
  for (int i = 11; i < kNameSize; ++i) EXPECT_EQ(again.Name[i], 0) << i;
}

// "Add game" appends an "<empty>" game and keeps the game in play; its name
// comes into the table with the next save. A library of 256 games takes no
// more, and the player is told.
TEST_F(GameEditorTest, AddGameAppendsAnEmptyGameUntilTheLibraryIsFull) {
  AddGame(*t.game);
  EXPECT_EQ(t.game->library.GameCount, 3);
  EXPECT_EQ(t.game->CurrentGame, 0);
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
