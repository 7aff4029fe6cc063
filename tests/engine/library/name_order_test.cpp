// The order of game names when the library is sorted: the way a desktop
// sorts words, letters before case, lower case first between equals.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/library/name_order.h"

namespace tarnik {
namespace {

int Cmp(const std::string& a, const std::string& b) {
  char x[32] = {}, y[32] = {};
  a.copy(x, 31);
  b.copy(y, 31);
  return CompareGameNames(x, y, 32);
}

TEST(NameOrder, LettersFirstWithoutCaseThenLowerCaseFirst) {
  EXPECT_LT(Cmp("aces up", "Aces Up"), 0);
  EXPECT_GT(Cmp("Aces Up", "aces up"), 0);
  EXPECT_LT(Cmp("Aces Up", "aces upx"), 0);  // letters decide before case
  EXPECT_LT(Cmp("Freecell", "FreeCell"), 0);
  EXPECT_LT(Cmp("FreeCell", "Golf"), 0);
  EXPECT_LT(Cmp("bisley", "Canfield"), 0);  // not byte order
  EXPECT_EQ(Cmp("Spider", "Spider"), 0);
}

TEST(NameOrder, SpacesBeforeDigitsBeforeLettersAndHyphensSkipped) {
  EXPECT_LT(Cmp("Black Hole", "Blackjack"), 0);
  EXPECT_LT(Cmp("40 Thieves", "Aces Up"), 0);
  EXPECT_LT(Cmp("Forty Thieves", "Forty-Nine"), 0);   // "forty thieves" < "fortynine"
  EXPECT_LT(Cmp("Baker's Dozen", "Bakers Game"), 0);  // "bakers dozen" < "bakers game"
  EXPECT_LT(Cmp("Coop", "Co-op"), 0);                 // equal words: fewer marks first
  EXPECT_NE(Cmp("Co-op", "Coop"), 0);
}

TEST(NameOrder, SortsALibraryAsAPersonReadsIt) {
  std::vector<std::string> names = {"Yukon",    "spider",  "Spider",  "Klondike (draw 3)",
                                    "Klondike", "Golf",    "FreeCell", "Baker's Dozen",
                                    "Bakers Game", "Aces Up", "Forty Thieves"};
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return Cmp(a, b) < 0; });
  const std::vector<std::string> expected = {
      "Aces Up",  "Baker's Dozen",     "Bakers Game", "Forty Thieves", "FreeCell", "Golf",
      "Klondike", "Klondike (draw 3)", "spider",      "Spider",        "Yukon"};
  EXPECT_EQ(names, expected);
}

TEST(NameOrder, NameFillingItsWholeFieldIsReadNoFurther) {
  char a[32], b[32];
  std::fill(a, a + 32, 'a');
  std::fill(b, b + 32, 'a');
  EXPECT_EQ(CompareGameNames(a, b, 32), 0);
  b[31] = 'b';
  EXPECT_LT(CompareGameNames(a, b, 32), 0);
}

}  // namespace
}  // namespace tarnik
