// The generated part of the shipped rules pages speaks a player's words: the
// piles are named as players name them, like piles share one sentence, and
// no attribute of the engine shows through.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/library/library.h"
#include "engine/library/rules_text.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

// Every game of the shipped library.
std::vector<GameDef> ShippedGames() {
  const std::vector<unsigned char> bytes = testing::ReadBytes(TARNIK_LIBRARY);
  std::vector<GameDef> games(bytes.size() / kGameRecordSize);
  for (size_t i = 0; i < games.size(); ++i)
    DecodeGameDef(bytes.data() + i * kGameRecordSize, games[i]);
  return games;
}

const GameDef* Named(const std::vector<GameDef>& games, const char* name) {
  for (const GameDef& g : games)
    if (std::strcmp(g.Name, name) == 0) return &g;
  return nullptr;
}

struct PageCase {
  const char* game;
  std::vector<const char*> says;
};

// What the published rules of each game say, as the page must say it.
const PageCase kPages[] = {
    {"Klondike",
     {"<b>Seven tableau columns</b> (piles 1 to 7, fanned downward): dealt 1, 2, 3, 4, 5, 6 and 7 "
      "cards, all but the top card face down.",
      "<b>Four foundations</b>", "When empty, it takes only a king.",
      "<b>The stock</b>", "A click on it deals cards onto the waste pile.",
      "When it is empty, a click on it gathers the cards of the waste pile into it, face down",
      "<b>The waste pile</b>",
      "The game is won when every card lies on the foundations."}},
    {"FreeCell",
     {"<b>Eight tableau columns</b>", "<b>Four free cells</b>", "<b>Four foundations</b>",
      "up to one card more than there are empty free cells"}},
    {"Spider",
     {"<b>Ten tableau columns</b>", "It deals only while none of the ten tableau columns is empty.",
      "<b>Eight foundations</b>", "in one suit come onto them by themselves, two for each suit"}},
    {"Spider (One Suit)",
     {"Two packs (104 cards) of spades alone, eight of every rank.", "all in spades"}},
    {"Pyramid",
     {"<b>The discard pile</b>", "go to the discard pile together", "into it, still face up"}},
    {"Golf", {"<b>The foundation</b>", "Its cards may go only to the foundation."}},
    {"Calculation",
     {"<b>A foundation</b> (pile 2, squared up): dealt 1 card, face up; the deal gives the two of "
      "hearts first. It takes one card at a time on its top card: next in the order 2 4 6 8 10 Q "
      "A 3 5 7 9 J K. Nothing can be taken from it.",
      "<b>Four waste piles</b>", "Its cards may go only to the foundations."}},
    {"Canfield", {"<b>The reserve</b>", "Its top card fills a space in the four tableau columns at once."}},
};

// Words of the engine that a player would not use.
const char* const kEngineWords[] = {"goal pile", "to be cleared", "counts as a free cell",
                                    "must hold a card does", "filled automatically",
                                    "the pile that feeds it", "Piles 1 to", "<b>Pile "};

TEST(RulesWords, PagesNamePilesAsPlayersDoAndNoEngineWordShowsThrough) {
  const std::vector<GameDef> games = ShippedGames();
  ASSERT_EQ(games.size(), 256u);
  for (const PageCase& c : kPages) {
    const GameDef* g = Named(games, c.game);
    ASSERT_TRUE(g) << c.game;
    const std::string html = LayoutAndRulesHtml(*g);
    for (const char* words : c.says) EXPECT_NE(html.find(words), std::string::npos) << c.game << ": " << words << "\n" << html;
  }
  for (const GameDef& g : games) {
    const std::string html = LayoutAndRulesHtml(g);
    for (const char* words : kEngineWords)
      EXPECT_EQ(html.find(words), std::string::npos) << g.Name << ": " << words;
  }
}

}  // namespace
}  // namespace tarnik
