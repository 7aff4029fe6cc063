// Pairing games and the automatic runs.
#include <gtest/gtest.h>

#include "engine/play/pairing.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;

// Four pairing piles and a goal pile.
GameDef Pairs(uint32_t flags) {
  GameDef g = NamedGame("Pairs", flags);
  for (int i = 0; i < 4; ++i) g.Piles[i] = MakePile(2 * i, 0, PileFlags::GroupRemoval);
  g.Piles[4] = MakePile(0, 4, PileFlags::WinGoal);
  return g;
}

// Marks the given piles' top cards in turn and says whether the set is taken.
bool Accepted(uint32_t flags, std::vector<int32_t> ranks) {
  PlayTable t(Pairs(flags));
  std::vector<std::vector<Placed>> table(5);
  for (size_t i = 0; i < ranks.size(); ++i) table[i] = {Up(V(ranks[i], int32_t(i) % 4))};
  t.Arrange(table);
  for (size_t i = 0; i < ranks.size(); ++i) ToggleMark(*t.game, t.P(static_cast<int>(i)));
  return t.P(4).Count == static_cast<int32_t>(ranks.size());
}

// Each pairing rule takes its sets and no others.
TEST(PairCheck, EachRuleAcceptsItsSetsAndNoOthers) {
  using namespace GameFlags;
  EXPECT_TRUE(Accepted(PairRank, {6, 6}));
  EXPECT_FALSE(Accepted(PairRank, {6, 7}));
  EXPECT_TRUE(Accepted(Pair13, {11, 0}));   // queen and ace
  EXPECT_FALSE(Accepted(Pair13, {12}));     // a lone king needs "Single king"
  EXPECT_TRUE(Accepted(Pair13 | SingleKing, {12}));
  EXPECT_TRUE(Accepted(Pair10, {3, 5}));    // four and six
  EXPECT_TRUE(Accepted(Pair11, {9, 0}));    // ten and ace
  EXPECT_TRUE(Accepted(Pair14, {12, 0}));   // king and ace
  EXPECT_TRUE(Accepted(ThreeFace, {10, 11, 12}));
  EXPECT_FALSE(Accepted(ThreeFace, {10, 10, 12}));  // sum 35
  EXPECT_FALSE(Accepted(ThreeFace, {11, 11, 11}));  // sum 36, not all different
  EXPECT_TRUE(Accepted(HighQuart, {9, 9, 9, 9}));   // four tens
  EXPECT_FALSE(Accepted(HighQuart, {8, 8, 8, 8}));  // four nines
  EXPECT_TRUE(Accepted(Low15, {4, 3, 5}));          // five, four, six
  EXPECT_TRUE(Accepted(Low15, {5, 4, 3}));
  EXPECT_FALSE(Accepted(Low15, {9, 4}));            // ten and five
  EXPECT_FALSE(Accepted(0, {6, 6}));
}

// Marks and unmarks; a face-down card is turned, not marked; without a goal
// pile an accepted set stays marked.
TEST(ToggleMark, MarksUnmarksAndTurnsAFaceDownCard) {
  PlayTable t(Pairs(GameFlags::PairRank));
  t.Arrange({{Up(V(6, 0))}, {Up(V(7, 1))}, {Down(V(2, 2))}, {}, {}});
  for (int p : {0, 1, 1, 2}) ToggleMark(*t.game, t.P(p));
  EXPECT_EQ(t.P(0).TopCard->Face, Marked);  // seven and eight: both stayed marked
  EXPECT_EQ(t.P(1).TopCard->Face, FaceUp);
  EXPECT_EQ(t.P(2).TopCard->Face, FaceUp);  // turned, not marked
  GameDef g = Pairs(GameFlags::PairRank);
  g.Piles[4] = GameDef{}.Piles[0];
  PlayTable n(g);
  n.Arrange({{Up(V(6, 0))}, {Up(V(6, 1))}, {}, {}});
  for (int p : {0, 1}) ToggleMark(*n.game, n.P(p));
  EXPECT_EQ(n.P(0).TopCard->Face, Marked);
  EXPECT_EQ(n.P(1).TopCard->Face, Marked);
}

// A set larger than the check's list is refused, not overrun.
TEST(PairCheck, MoreMarkedCardsThanTheListHoldsAreNeverAccepted) {
  GameDef g = NamedGame("Many", GameFlags::Low15);
  for (int i = 0; i < 24; ++i) g.Piles[i] = MakePile(2 * (i % 8), 2 * (i / 8), PileFlags::GroupRemoval);
  PlayTable t(g);
  std::vector<std::vector<Placed>> table;
  for (int i = 0; i < 24; ++i) table.push_back({Mark(V(0, i % 4))});
  t.Arrange(table);
  EXPECT_EQ(PairCheck(*t.game), 0);
}

// An Auto suite pile, a heart goal and a spade goal.
GameDef Runs(uint32_t runFlag) {
  GameDef g = NamedGame("Runs");
  g.Piles[0] = MakePile(0, 2, runFlag);
  g.Piles[1] = MakePile(2, 0, PileFlags::WinGoal, RankBuild::None, SuitBuild::None,
                        CardRemoval::None, PileStart::AutoSpades);
  g.Piles[2] = MakePile(4, 0, PileFlags::WinGoal, RankBuild::None, SuitBuild::None,
                        CardRemoval::None, PileStart::AutoHearts);
  return g;
}

// King to ace of `suit` (any suit when -1), face down at rank `faceDownAt`.
std::vector<Placed> KingToAce(int suit, int faceDownAt = -1) {
  std::vector<Placed> run;
  for (int r = 12; r >= 0; --r) {
    const int32_t v = V(r, suit < 0 ? r % 4 : suit);
    run.push_back(r == faceDownAt ? Down(v) : Up(v));
  }
  return run;
}

// A complete heart run goes only to an empty heart goal, the king on top; a
// straight run of any suits goes to the first empty goal.
TEST(AutoSuiteStep, CompleteRunsGoToAnEmptyGoal) {
  PlayTable t(Runs(PileFlags::AutoSuite));
  std::vector<Placed> pile = KingToAce(Hearts);
  pile.insert(pile.begin(), Up(V(3, 0)));
  t.Arrange({pile, {}, {}});
  EXPECT_EQ(AutoSuiteStep(*t.game), 1);
  EXPECT_EQ(t.P(2).Count, 13);
  EXPECT_EQ(t.P(2).TopCard->Value, V(12, Hearts));  // the king ends on top
  EXPECT_EQ(t.Values(0), (std::vector<int32_t>{V(3, 0)}));
  t.Arrange({KingToAce(Hearts), {}, {Up(V(5, 2))}});
  EXPECT_EQ(AutoSuiteStep(*t.game), 0);  // its goal already holds cards
  t.Arrange({KingToAce(Hearts, 6), {}, {}});
  EXPECT_EQ(AutoSuiteStep(*t.game), 0);  // a face-down card inside the run
  PlayTable s(Runs(PileFlags::AutoStraight));
  s.Arrange({KingToAce(-1), {}, {}});
  EXPECT_EQ(AutoSuiteStep(*s.game), 0);
  EXPECT_EQ(AutoStraightStep(*s.game), 1);
  EXPECT_EQ(s.P(1).Count, 13);
}

}  // namespace
}  // namespace tarnik
