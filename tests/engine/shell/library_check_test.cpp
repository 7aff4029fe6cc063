// The promises of a shipped library: every game deals, fits the smallest
// window, keeps the piles the player needs uncovered and has a goal that
// can take the whole deck; names and rules pages are never shared.
#include "engine/shell/library_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/library/help_page.h"
#include "engine/library/library.h"
#include "support/play_table.h"

namespace tarnik {
namespace {

namespace PF = PileFlags;

// A pile at a grid cell, dealt `size` cards, with the given flags.
PileDef At(int32_t column, int32_t row, int32_t size, uint32_t flags) {
  PileDef p = testing::MakePile(column, row, flags, RankBuild::Down);
  p.InitialSize = size;
  return p;
}

// A foundation that takes a whole suit and gives nothing back.
PileDef Goal(int32_t column, int32_t row) {
  PileDef p = At(column, row, 0, PF::WinGoal);
  p.Direction = PileDirection::NoDirection;
  p.RankBuild = RankBuild::Up;
  p.PileStart = PileStart::AnyAce;
  p.Removal = CardRemoval::None;
  return p;
}

// A sound little game: four piles of thirteen cards and one foundation.
GameDef SoundGame(const char* name) {
  GameDef g;
  std::strncpy(g.Name, name, kNameSize - 1);
  for (int i = 0; i < 4; ++i) g.Piles[i] = At(2 * i, 2, 13, PF::AutoPlay);
  g.Piles[4] = Goal(10, 0);
  return g;
}

// Checks games held in memory as a library.
struct Checker {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  std::vector<std::string> Problems(const std::vector<GameDef>& games) {
    Library& lib = game->library;
    lib.GameCount = static_cast<int32_t>(games.size());
    lib.Records.assign(games.size() * kGameRecordSize, 0);
    for (size_t i = 0; i < games.size(); ++i) {
      EncodeGameDef(games[i], &lib.Records[i * kGameRecordSize]);
      std::memcpy(lib.GameNames[i], games[i].Name, kNameSize);
      lib.GameFlagTable[i] = games[i].Flags;
    }
    std::vector<std::string> out;
    for (const LibraryProblem& p : CheckLibrary(*game))
      out.push_back(std::to_string(p.Index) + " " + p.Name + ": " + p.What);
    return out;
  }
  std::vector<std::string> Problems(const GameDef& g) { return Problems(std::vector{g}); }
};

// True when some problem contains the text.
bool Says(const std::vector<std::string>& problems, const std::string& text) {
  for (const std::string& p : problems)
    if (p.find(text) != std::string::npos) return true;
  return false;
}

TEST(CheckLibrary, ASoundGameHasNoProblem) {
  Checker c;
  EXPECT_TRUE(c.Problems(SoundGame("Sound")).empty());
}

TEST(CheckLibrary, MoreCardsDealtThanTheDeckHolds) {
  Checker c;
  GameDef g = SoundGame("Greedy");
  g.Piles[0].InitialSize = 14;  // 53 cards from one pack
  const auto problems = c.Problems(g);
  EXPECT_TRUE(Says(problems, "dealt 53 cards, the deck holds 52")) << problems.size();
  g.Flags = GameFlags::TwoDeck;  // two packs have room, but the goal is one unlimited pile
  EXPECT_FALSE(Says(c.Problems(g), "the deck holds"));
}

TEST(CheckLibrary, TheTableFitsEightHundredBy530) {
  Checker c;
  GameDef g = SoundGame("Wide");
  g.Piles[4].Column = 21;  // 34 · 21 + 72 = 786
  EXPECT_TRUE(c.Problems(g).empty());
  g.Piles[4].Column = 22;  // 820
  EXPECT_TRUE(Says(c.Problems(g), "820 pixels wide"));
  g.Piles[4].Column = 10;
  g.Piles[4].Row = 11;  // 42 · 11 + 88 = 550
  EXPECT_TRUE(Says(c.Problems(g), "550 pixels high"));
}

TEST(CheckLibrary, AFanThatRunsOffTheWindowAfterTheDeal) {
  Checker c;
  GameDef g = SoundGame("Fan");
  g.Piles[4].Column = 21;
  g.Piles[3].Column = 19;  // 13 cards fanned right from near the edge
  g.Piles[3].Direction = PileDirection::Horizontal;
  EXPECT_TRUE(Says(c.Problems(g), "pile 3 runs off the window"));
  g.Piles[3].Row = 9;  // a 13-card column from row 9 runs off the bottom
  g.Piles[3].Column = 6;
  g.Piles[3].Direction = PileDirection::Vertical;
  EXPECT_TRUE(Says(c.Problems(g), "pile 3 runs off the window"));
}

TEST(CheckLibrary, AGoalThatCanTakeTheWholeDeck) {
  Checker c;
  GameDef g = SoundGame("Aimless");
  g.Piles[4].Flags = PF::AutoPlay;
  EXPECT_TRUE(Says(c.Problems(g), "no WinGoal pile"));
  g.Piles[4] = Goal(10, 0);
  g.Piles[4].SizeLimit = 13;  // one suit's worth of room for the whole pack
  EXPECT_TRUE(Says(c.Problems(g), "hold 13 cards, the deck 52"));
  for (int i = 0; i < 4; ++i) g.Piles[5 + i] = Goal(12 + 2 * i, 0), g.Piles[5 + i].SizeLimit = 13;
  g.Piles[8].SizeLimit = 0;
  EXPECT_TRUE(c.Problems(g).empty());
}

TEST(CheckLibrary, FourOfARankNeedsThirteenPilesOfFour) {
  Checker c;
  GameDef g;
  std::strcpy(g.Name, "Heaps");
  g.Flags = GameFlags::FourRank;
  for (int i = 0; i < 13; ++i) {
    g.Piles[i] = At(2 * (i % 7), 2 + 4 * (i / 7), 4, PF::AutoFillSource);
    g.Piles[i].SizeLimit = 4;
  }
  EXPECT_TRUE(c.Problems(g).empty());
  g.Piles[12].SizeLimit = 3;
  g.Piles[12].InitialSize = 3;
  EXPECT_TRUE(Says(c.Problems(g), "fewer than 13 piles"));
}

TEST(CheckLibrary, APileThePlayerNeedsMayNotLieUnderOneThatKeepsItsCards) {
  Checker c;
  GameDef g = SoundGame("Hidden");
  g.Piles[4] = Goal(1, 3);  // a later goal pile one cell from pile 0 and pile 1
  g.Piles[5] = Goal(10, 0);
  const auto problems = c.Problems(g);
  EXPECT_TRUE(Says(problems, "pile 0 lies for good under pile 4"));
  EXPECT_TRUE(Says(problems, "pile 1 lies for good under pile 4"));
  EXPECT_FALSE(Says(problems, "pile 2"));
  // Covering by a pile that can be cleared is how pyramids are built.
  g.Piles[4] = At(1, 3, 0, PF::GroupRemoval);
  g.Piles[4].Removal = CardRemoval::None;
  EXPECT_FALSE(Says(c.Problems(g), "under"));
  // An earlier pile never covers a later one.
  GameDef h = SoundGame("Early");
  h.Piles[0] = Goal(3, 3);
  h.Piles[4] = At(2, 2, 0, PF::AutoPlay);
  EXPECT_FALSE(Says(c.Problems(h), "under"));
}

TEST(CheckLibrary, NamesAndRulesPagesAreNeverShared) {
  Checker c;
  const auto problems = c.Problems({SoundGame("Baker's Dozen"), SoundGame("Spider"),
                                    SoundGame("baker s dozen"), SoundGame("SPIDER")});
  EXPECT_TRUE(Says(problems, "2 baker s dozen: game 0 has the same rules page"));
  EXPECT_TRUE(Says(problems, "3 SPIDER: game 1 has the same name"));
  EXPECT_EQ(problems.size(), 2u);
}

TEST(RulesPagePath, LowerCaseWordsJoinedByHyphens) {
  EXPECT_EQ(RulesPagePath("Klondike"), "Rules/klondike.html");
  EXPECT_EQ(RulesPagePath("Baker's Dozen"), "Rules/baker-s-dozen.html");
  EXPECT_EQ(RulesPagePath("Will o' the Wisp"), "Rules/will-o-the-wisp.html");
  EXPECT_EQ(RulesPagePath("Klondike (Draw Three)"), "Rules/klondike-draw-three.html");
  EXPECT_EQ(RulesPagePath("8 x 8"), "Rules/8-x-8.html");
  EXPECT_EQ(RulesPagePath("..."), "Rules/game.html");
}

}  // namespace
}  // namespace tarnik
