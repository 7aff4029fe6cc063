// The rules read off a game definition: the words must follow the fields the
// engine plays by.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/library/rules_text.h"
#include "support/play_table.h"

namespace tarnik {
namespace {

namespace PF = PileFlags;

// A Klondike-like tableau pile.
PileDef Tableau(int32_t column, int32_t size) {
  PileDef p = testing::MakePile(column, 2, PF::AutoPlay, RankBuild::Down, SuitBuild::DiffColor,
                                CardRemoval::AnyInDiffColor, PileStart::AnyKing);
  p.InitialSize = size;
  p.InitialFaceDown = size - 1;
  return p;
}

bool Has(const std::string& html, const std::string& text) {
  return html.find(text) != std::string::npos;
}

TEST(LayoutAndRulesHtml, GroupsPilesWithTheSameRulesAndSaysHowTheyAreDealt) {
  GameDef g;
  std::strcpy(g.Name, "Test");
  g.Flags = GameFlags::TwoDeck | GameFlags::RedealOnce;
  for (int i = 0; i < 3; ++i) g.Piles[i] = Tableau(2 * i, i + 1);
  g.Piles[3] = Tableau(8, 4);
  g.Piles[3].Removal = CardRemoval::TopCardOnly;
  g.Piles[3].InitialFaceDown = 0;
  const std::string html = LayoutAndRulesHtml(g);
  EXPECT_TRUE(Has(html, "Two packs (104 cards). Redeals: one."));
  EXPECT_TRUE(Has(html, "<b>Three tableau columns</b> (piles 1 to 3, fanned downward): dealt 1, "
                        "2 and 3 cards, all but the top card face down. Each takes a card or a "
                        "group on its top card: one rank lower, of the other colour."));
  EXPECT_TRUE(Has(html, "When empty, it takes only a king."));
  EXPECT_TRUE(Has(html, "<b>A tableau column</b> (pile 4, fanned downward): dealt 4 cards, face up."));
  EXPECT_TRUE(Has(html, "Only its top card can be taken."));
}

TEST(LayoutAndRulesHtml, NamesStartCardsPairingsAndTheFourOfARankGoal) {
  GameDef g;
  std::strcpy(g.Name, "Test");
  g.Flags = GameFlags::Pair13 | GameFlags::SingleKing | GameFlags::FourRank;
  g.Piles[0] = Tableau(0, 1);
  g.Piles[0].PileStart = static_cast<PileStart>(51);  // king of diamonds
  g.Piles[0].Flags = PF::WinGoal | PF::NeedFreeCells;
  g.Piles[1] = Tableau(2, 0);
  g.Piles[1].SizeLimit = 1;
  g.Piles[1].InitialFaceDown = 0;
  g.Piles[1].Flags = PF::MustBeEmpty;
  const std::string html = LayoutAndRulesHtml(g);
  EXPECT_TRUE(Has(html, "the deal gives the king of diamonds first"));
  EXPECT_TRUE(Has(html, "When empty, it takes only the king of diamonds."));
  EXPECT_TRUE(Has(html, "two cards adding up to 13, or a king on its own"));
  EXPECT_TRUE(Has(html, "up to one card more than there are empty free cells"));
  EXPECT_TRUE(Has(html, "thirteen piles each hold the four cards of one rank"));
}

}  // namespace
}  // namespace tarnik
