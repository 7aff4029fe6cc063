// The promises of a shipped library: every game deals, fits, keeps needed
// piles uncovered, can take the whole deck home; names are never shared.
#include "engine/shell/library_check.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

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

// A foundation that takes a whole suit (or `limit` cards) and gives nothing back.
PileDef Goal(int32_t column, int32_t row, int32_t limit = 0) {
  PileDef p = testing::MakePile(column, row, PF::WinGoal, RankBuild::Up, SuitBuild::Any,
                                CardRemoval::None, PileStart::AnyAce);
  p.Direction = PileDirection::NoDirection, p.SizeLimit = limit;
  return p;
}

// A sound little game: four piles of thirteen cards and one foundation.
GameDef SoundGame(const char* name) {
  GameDef g = testing::NamedGame(name);
  for (int i = 0; i < 4; ++i) g.Piles[i] = At(2 * i, 2, 13, PF::AutoPlay);
  g.Piles[4] = Goal(10, 0);
  return g;
}

// Four of a rank: thirteen piles of four cards that hold four.
void Heaps(GameDef& g) {
  g = GameDef{}, g.Flags = GameFlags::FourRank;
  for (int i = 0; i < 13; ++i)
    g.Piles[i] = At(2 * (i % 7), 2 + 4 * (i / 7), 4, PF::AutoFillSource), g.Piles[i].SizeLimit = 4;
}

// The problems found in a library of the games, as "index name: what".
std::vector<std::string> Problems(const std::vector<GameDef>& games) {
  testing::GameInPlay t(games);
  std::vector<std::string> out;
  for (const LibraryProblem& p : CheckLibrary(*t.game))
    out.push_back(std::to_string(p.Index) + " " + p.Name + ": " + p.What);
  return out;
}

// Each case edits the sound game and names texts a problem must hold ("":
// no problem at all), or after "!" a text none may hold.
TEST(CheckLibrary, EachBrokenPromiseIsNamed) {
  using Edit = std::function<void(GameDef&)>;
  const struct { Edit edit; std::vector<std::string> says; } cases[] = {
      {[](GameDef&) {}, {""}},
      {[](GameDef& g) { g.Piles[0].InitialSize = 14; }, {"dealt 53 cards, the deck holds 52"}},
      // Two packs have room, but the goal is one unlimited pile.
      {[](GameDef& g) { g.Piles[0].InitialSize = 14, g.Flags = GameFlags::TwoDeck; },
       {"!the deck holds"}},
      {[](GameDef& g) { g.Piles[4].Column = 21; }, {""}},  // 34 · 21 + 72 = 786 of 800
      {[](GameDef& g) { g.Piles[4].Column = 22; }, {"820 pixels wide"}},
      {[](GameDef& g) { g.Piles[4].Row = 11; }, {"550 pixels high"}},  // 42 · 11 + 88 of 530
      // Thirteen cards fanned right from near the edge, or down from row 9.
      {[](GameDef& g) {
         g.Piles[4].Column = 21, g.Piles[3].Column = 19,
         g.Piles[3].Direction = PileDirection::Horizontal;
       },
       {"pile 3 runs off the window"}},
      {[](GameDef& g) { g.Piles[3].Row = 9, g.Piles[3].Direction = PileDirection::Vertical; },
       {"pile 3 runs off the window"}},
      {[](GameDef& g) { g.Piles[4].Flags = PF::AutoPlay; }, {"no WinGoal pile"}},
      {[](GameDef& g) { g.Piles[4].SizeLimit = 13; }, {"hold 13 cards, the deck 52"}},
      {[](GameDef& g) {
         for (int i = 0; i < 4; ++i) g.Piles[4 + i] = Goal(12 + 2 * i, 0, i ? 13 : 0);
       },
       {""}},
      // A later goal pile one cell from piles 0 and 1 covers them for good.
      {[](GameDef& g) { g.Piles[4] = Goal(1, 3), g.Piles[5] = Goal(10, 0); },
       {"pile 0 lies for good under pile 4", "pile 1 lies for good under pile 4", "!pile 2"}},
      // Covering by a pile that can be cleared is how pyramids are built.
      {[](GameDef& g) {
         g.Piles[4] = At(1, 3, 0, PF::GroupRemoval), g.Piles[4].Removal = CardRemoval::None,
         g.Piles[5] = Goal(10, 0);
       },
       {"!under"}},
      // An earlier pile never covers a later one.
      {[](GameDef& g) { g.Piles[0] = Goal(3, 3), g.Piles[4] = At(2, 2, 0, PF::AutoPlay); },
       {"!under"}},
      {Heaps, {""}},
      {[](GameDef& g) { Heaps(g), g.Piles[12].SizeLimit = g.Piles[12].InitialSize = 3; },
       {"fewer than 13 piles"}},
  };
  for (const auto& c : cases) {
    GameDef g = SoundGame("Game");
    c.edit(g);
    std::strcpy(g.Name, "Game");  // as Heaps left it
    const auto problems = Problems({g});
    std::string all;
    for (const std::string& p : problems) all += p + "\n";
    for (const std::string& says : c.says)
      if (says.empty()) EXPECT_TRUE(problems.empty()) << all;
      else if (says[0] == '!') EXPECT_EQ(all.find(says.substr(1)), std::string::npos) << all;
      else EXPECT_NE(all.find(says), std::string::npos) << says << "\n" << all;
  }
}

// A later game whose name or rules page is an earlier one's is named.
TEST(CheckLibrary, NamesAndRulesPagesAreNeverShared) {
  EXPECT_EQ(Problems({SoundGame("Baker's Dozen"), SoundGame("Spider"), SoundGame("baker s dozen"),
                      SoundGame("SPIDER")}),
            (std::vector<std::string>{"2 baker s dozen: game 0 has the same rules page",
                                      "3 SPIDER: game 1 has the same name"}));
}

// A rules page is the name in lower case, every run of other characters one hyphen.
TEST(RulesPagePath, LowerCaseWordsJoinedByHyphens) {
  const std::pair<const char*, const char*> cases[] = {
      {"Klondike", "klondike"}, {"Baker's Dozen", "baker-s-dozen"},
      {"Will o' the Wisp", "will-o-the-wisp"}, {"Klondike (Draw Three)", "klondike-draw-three"},
      {"8 x 8", "8-x-8"}, {"...", "game"}};
  for (const auto& [name, page] : cases)
    EXPECT_EQ(RulesPagePath(name), std::string("Rules/") + page + ".html");
}

}  // namespace
}  // namespace tarnik
