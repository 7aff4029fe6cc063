// The rules pages read off a game definition: the words follow the fields
// the engine plays by; the shipped pages speak a player's words: piles are
// named as players name them, like piles share one sentence, and no
// attribute of the engine shows through.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "engine/library/library.h"
#include "engine/library/rules_text.h"
#include "support/library_files.h"
#include "support/play_table.h"

namespace tarnik {
namespace {

// What the published rules of each game say, as the page must say it.
const struct { const char* game; std::vector<const char*> says; } kPages[] = {
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
  const std::vector<unsigned char> bytes = testing::ReadBytes(TARNIK_LIBRARY);
  ASSERT_EQ(bytes.size(), 256u * kGameRecordSize);
  std::map<std::string, std::string> pages;  // every shipped game's page by name
  for (size_t at = 0; at < bytes.size(); at += kGameRecordSize) {
    GameDef g;
    DecodeGameDef(&bytes[at], g);
    const std::string html = pages[g.Name] = LayoutAndRulesHtml(g);
    for (const char* words : kEngineWords) EXPECT_EQ(html.find(words), std::string::npos) << g.Name << ": " << words;
  }
  for (const auto& c : kPages) {
    ASSERT_TRUE(pages.count(c.game)) << c.game;
    for (const char* words : c.says)
      EXPECT_NE(pages[c.game].find(words), std::string::npos) << c.game << ": " << words << "\n" << pages[c.game];
  }
}

namespace PF = PileFlags;

// A Klondike-like tableau pile.
PileDef Tableau(int32_t column, int32_t size) {
  PileDef p = testing::MakePile(column, 2, PF::AutoPlay, RankBuild::Down, SuitBuild::DiffColor,
                                CardRemoval::AnyInDiffColor, PileStart::AnyKing);
  p.InitialSize = size, p.InitialFaceDown = size - 1;
  return p;
}

// Expects the page of a game to hold every one of the texts.
void ExpectSays(const GameDef& g, std::initializer_list<const char*> texts) {
  const std::string html = LayoutAndRulesHtml(g);
  for (const char* text : texts) EXPECT_NE(html.find(text), std::string::npos) << text << "\n" << html;
}

TEST(LayoutAndRulesHtml, GroupsPilesWithTheSameRulesAndSaysHowTheyAreDealt) {
  GameDef g;
  std::strcpy(g.Name, "Test");
  g.Flags = GameFlags::TwoDeck | GameFlags::RedealOnce;
  for (int i = 0; i < 3; ++i) g.Piles[i] = Tableau(2 * i, i + 1);
  g.Piles[3] = Tableau(8, 4);
  g.Piles[3].Removal = CardRemoval::TopCardOnly, g.Piles[3].InitialFaceDown = 0;
  ExpectSays(g, {"Two packs (104 cards). Redeals: one.",
                 "<b>Three tableau columns</b> (piles 1 to 3, fanned downward): dealt 1, 2 and 3 cards, all but "
                 "the top card face down. Each takes a card or a group on its top card: one rank lower, of the "
                 "other colour.",
                 "When empty, it takes only a king.",
                 "<b>A tableau column</b> (pile 4, fanned downward): dealt 4 cards, face up.",
                 "Only its top card can be taken."});
}

TEST(LayoutAndRulesHtml, NamesStartCardsPairingsAndTheFourOfARankGoal) {
  GameDef g;
  std::strcpy(g.Name, "Test");
  g.Flags = GameFlags::Pair13 | GameFlags::SingleKing | GameFlags::FourRank;
  g.Piles[0] = Tableau(0, 1);
  g.Piles[0].PileStart = static_cast<PileStart>(51);  // king of diamonds
  g.Piles[0].Flags = PF::WinGoal | PF::NeedFreeCells;
  g.Piles[1] = Tableau(2, 0);
  g.Piles[1].SizeLimit = 1, g.Piles[1].InitialFaceDown = 0, g.Piles[1].Flags = PF::MustBeEmpty;
  ExpectSays(g, {"the deal gives the king of diamonds first", "When empty, it takes only the king of diamonds.",
                 "two cards adding up to 13, or a king on its own",
                 "up to one card more than there are empty free cells",
                 "thirteen piles each hold the four cards of one rank"});
}

}  // namespace
}  // namespace tarnik
