// Pairing games and the automatic runs.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

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

// Each pairing rule takes its sets and no others; more marks than its list holds are refused.
TEST(PairCheck, EachRuleAcceptsItsSetsAndNoOthers) {
  using namespace GameFlags;
  // Ranks from 0 (ace): queen and ace make 13, three different face cards 33.
  const struct { uint32_t flags; std::vector<int32_t> ranks; bool taken; } cases[] = {
      {PairRank, {6, 6}, 1}, {PairRank, {6, 7}, 0}, {Pair13, {11, 0}, 1}, {Pair13, {12}, 0},
      {Pair13 | SingleKing, {12}, 1}, {Pair10, {3, 5}, 1}, {Pair11, {9, 0}, 1},
      {Pair14, {12, 0}, 1}, {ThreeFace, {10, 11, 12}, 1}, {ThreeFace, {10, 10, 12}, 0},
      {ThreeFace, {11, 11, 11}, 0},
      {HighQuart, {9, 9, 9, 9}, 1}, {HighQuart, {8, 8, 8, 8}, 0}, {Low15, {4, 3, 5}, 1},
      {Low15, {5, 4, 3}, 1}, {Low15, {9, 4}, 0}, {0, {6, 6}, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(Accepted(c.flags, c.ranks), c.taken) << c.flags << " " << c.ranks[0];
  GameDef g = NamedGame("Many", GameFlags::Low15);
  for (int i = 0; i < 24; ++i)
    g.Piles[i] = MakePile(2 * (i % 8), 2 * (i / 8), PileFlags::GroupRemoval);
  PlayTable t(g);
  t.Arrange(std::vector<std::vector<Placed>>(24, {Mark(V(0, 0))}));
  EXPECT_EQ(PairCheck(*t.game), 0);
}

// Marks and unmarks; a face-down card turns; without a goal an accepted set stays marked.
TEST(ToggleMark, MarksUnmarksAndTurnsAFaceDownCard) {
  PlayTable t(Pairs(GameFlags::PairRank));
  t.Arrange({{Up(V(6, 0))}, {Up(V(7, 1))}, {Down(V(2, 2))}, {}, {}});
  for (int p : {0, 1, 1, 2}) ToggleMark(*t.game, t.P(p));
  // The seven stays marked, the eight is unmarked again, the face-down card turned.
  EXPECT_EQ((std::array{t.P(0).TopCard->Face, t.P(1).TopCard->Face, t.P(2).TopCard->Face}),
            (std::array{Marked, FaceUp, FaceUp}));
  GameDef g = Pairs(GameFlags::PairRank);
  g.Piles[4] = GameDef{}.Piles[0];
  PlayTable n(g);
  n.Arrange({{Up(V(6, 0))}, {Up(V(6, 1))}, {}, {}});
  for (int p : {0, 1}) ToggleMark(*n.game, n.P(p));
  EXPECT_EQ(std::make_pair(n.P(0).TopCard->Face, n.P(1).TopCard->Face),
            std::make_pair(Marked, Marked));
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

// A complete run goes to an empty goal of its suit, king on top; a straight to the first.
TEST(AutoSuiteStep, CompleteRunsGoToAnEmptyGoal) {
  PlayTable t(Runs(PileFlags::AutoSuite));
  std::vector<Placed> pile = KingToAce(Hearts);
  pile.insert(pile.begin(), Up(V(3, 0)));
  t.Arrange({pile, {}, {}});
  EXPECT_EQ(AutoSuiteStep(*t.game), 1);
  EXPECT_EQ(std::make_tuple(t.P(2).Count, t.P(2).TopCard->Value, t.Values(0)),
            std::make_tuple(13, V(12, Hearts), std::vector<int32_t>{V(3, 0)}));  // the king on top
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
