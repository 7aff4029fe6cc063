// The stock and the redeal: dealing to the receiving piles, removing the bad
// cards, and gathering the redeal piles reproducibly.
#include <gtest/gtest.h>

#include "engine/cards/pile_ops.h"
#include "engine/play/stock.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;

// A stock at column 0 and three receiving piles.
GameDef StockAndThree(uint32_t gameFlags = 0, uint32_t destExtra = 0, int32_t sizeLimit = 0) {
  GameDef g = NamedGame("Stock", gameFlags);
  g.Piles[0] = MakePile(0, 0, PileFlags::ManualFillSource, RankBuild::None, SuitBuild::None,
                        CardRemoval::None, PileStart::None);
  for (int i = 1; i <= 3; ++i) {
    g.Piles[i] = MakePile(2 * i, 0, PileFlags::ManualFillDest | destExtra);
    g.Piles[i].SizeLimit = sizeLimit;
  }
  return g;
}

std::vector<Placed> FaceDownCards(int n) {
  std::vector<Placed> out;
  for (int i = 0; i < n; ++i) out.push_back(Down(i));
  return out;
}

TEST(DealFromStock, OneCardEachOrThreeEachAndAShortStockEndsEarly) {
  PlayTable one(StockAndThree());
  one.Arrange({FaceDownCards(10), {}, {}, {}});
  StockClick(*one.game, one.P(0));
  EXPECT_EQ(one.Values(1), (std::vector<int32_t>{9}));
  EXPECT_EQ(one.Values(2), (std::vector<int32_t>{8}));
  EXPECT_EQ(one.Values(3), (std::vector<int32_t>{7}));
  EXPECT_EQ(one.P(1).TopCard->Face, FaceUp);
  EXPECT_EQ(one.Plays(), 1);

  PlayTable three(StockAndThree(GameFlags::DealThree));
  three.Arrange({FaceDownCards(7), {}, {}, {}});
  StockClick(*three.game, three.P(0));
  EXPECT_EQ(three.P(1).Count, 3);
  EXPECT_EQ(three.P(2).Count, 3);
  EXPECT_EQ(three.P(3).Count, 1);  // the stock ran out
  // Without the player's "Allow deal three." each pile takes one.
  three.game->prefs.ThreeToggle = 0;
  three.Arrange({FaceDownCards(7), {}, {}, {}});
  StockClick(*three.game, three.P(0));
  EXPECT_EQ(three.P(1).Count, 1);
}

TEST(DealFromStock, SizeLimitIsTheCountPerClickAndANegativeOneSkips) {
  PlayTable t(StockAndThree(0, 0, 2));
  t.P(2).SizeLimit = -1;
  t.Arrange({FaceDownCards(10), {}, {}, {}});
  StockClick(*t.game, t.P(0));
  EXPECT_EQ(t.P(1).Count, 2);
  EXPECT_EQ(t.P(2).Count, 0);
  EXPECT_EQ(t.P(3).Count, 2);
}

TEST(StockClick, MustBeEmptyReceiverAndPendingMarksAndBeforeDeal) {
  PlayTable hand(StockAndThree(0, PileFlags::MustBeEmpty));
  hand.Arrange({FaceDownCards(10), {Up(30)}, {}, {}});
  StockClick(*hand.game, hand.P(0));
  EXPECT_EQ(hand.P(1).Count, 1);  // held a card: skipped
  EXPECT_EQ(hand.P(2).Count, 1);

  PlayTable marked(StockAndThree());
  marked.Arrange({FaceDownCards(10), {Mark(30)}, {}, {}});
  StockClick(*marked.game, marked.P(0));
  EXPECT_EQ(marked.P(0).Count, 10);
  EXPECT_EQ(marked.Plays(), 0);

  GameDef spider = StockAndThree(0, PileFlags::MustHaveCards);
  spider.Piles[0].Flags |= PileFlags::BeforeDeal;
  PlayTable s(spider);
  s.Arrange({FaceDownCards(10), {Up(40)}, {}, {Up(41)}});
  StockClick(*s.game, s.P(0));
  EXPECT_EQ(s.P(0).Count, 10);  // a receiving pile is empty
  s.Arrange({FaceDownCards(10), {Up(40)}, {Up(42)}, {Up(41)}});
  StockClick(*s.game, s.P(0));
  EXPECT_EQ(s.P(0).Count, 7);
}

TEST(RemoveBadCards, NeedsAllFourSuitsAndKingsStay) {
  GameDef g = NamedGame("Bad");
  for (int i = 0; i < 4; ++i) g.Piles[i] = MakePile(2 * i, 0, PileFlags::RemoveBad);
  g.Piles[4] = MakePile(0, 4, PileFlags::WinGoal);
  g.Piles[5] = MakePile(2, 4, PileFlags::WinGoal);
  PlayTable t(g);
  t.Arrange({{Up(V(3, 0))}, {Up(V(4, 1))}, {Up(V(5, 2))}, {Up(V(6, 2))}, {}, {}});
  RemoveBadCards(*t.game);
  EXPECT_EQ(t.P(5).Count, 0);  // three suits only
  t.Arrange({{Up(V(3, 0))}, {Up(V(12, 1))}, {Up(V(5, 2))}, {Up(V(6, 3))}, {}, {}});
  RemoveBadCards(*t.game);
  EXPECT_EQ(t.Values(5), (std::vector<int32_t>{V(3, 0), V(5, 2), V(6, 3)}));  // the last goal
  EXPECT_EQ(t.Values(1), (std::vector<int32_t>{V(12, 1)}));
  EXPECT_EQ(t.P(4).Count, 0);
}

// A stock with a redeal and a waste that gives its cards back.
GameDef StockAndWaste(uint32_t gameFlags) {
  GameDef g = NamedGame("Redeal", gameFlags);
  g.Piles[0] = MakePile(0, 0, PileFlags::ManualFillSource | PileFlags::Redeal, RankBuild::None,
                        SuitBuild::None, CardRemoval::None, PileStart::None);
  g.Piles[1] = MakePile(2, 0, PileFlags::ManualFillDest | PileFlags::RedealDest);
  return g;
}

TEST(EmptyPileClick, RedealsCountDownAndStopAtZero) {
  PlayTable t(StockAndWaste(GameFlags::RedealOnce));
  t.Arrange({{}, {Up(1), Up(2), Up(3)}});
  ASSERT_EQ(t.game->RedealsLeft, 1);
  t.display.sounds.clear();
  EmptyPileClick(*t.game, t.P(0));
  EXPECT_EQ(t.P(0).Count, 3);
  EXPECT_EQ(t.P(1).Count, 0);
  EXPECT_EQ(t.P(0).TopCard->Face, FaceDown);
  EXPECT_EQ(t.game->RedealsLeft, 0);
  EXPECT_EQ(t.Plays(), 1);
  EXPECT_EQ(t.display.sounds, (std::vector<std::string>{"Shuffle"}));
  // With a single source the order comes back exactly.
  EXPECT_EQ(t.Values(0), (std::vector<int32_t>{3, 2, 1}));
  t.Arrange({{}, {Up(1)}});
  t.game->RedealsLeft = 0;
  EmptyPileClick(*t.game, t.P(0));
  EXPECT_EQ(t.P(0).Count, 0);
  EXPECT_EQ(t.Plays(), 0);
}

TEST(EmptyPileClick, UnlimitedNeverCountsAndNothingToGatherDoesNothing) {
  PlayTable t(StockAndWaste(GameFlags::RedealUnlimited));
  t.Arrange({{}, {Up(1)}});
  t.game->RedealsLeft = 0;
  EmptyPileClick(*t.game, t.P(0));
  EXPECT_EQ(t.P(0).Count, 1);
  EXPECT_EQ(t.game->RedealsLeft, 0);
  t.Arrange({{}, {}});
  t.display.sounds.clear();
  EmptyPileClick(*t.game, t.P(0));
  EXPECT_TRUE(t.display.sounds.empty());
  EXPECT_EQ(t.Plays(), 0);
}

// Three piles dealt again through an empty button pile, La Belle Lucie style.
GameDef Fans() {
  GameDef g = NamedGame("Fans", GameFlags::RedealTwice);
  for (int i = 0; i < 3; ++i) {
    g.Piles[i] = MakePile(2 * i, 0, PileFlags::RedealSource);
    g.Piles[i].InitialSize = 3;
  }
  g.Piles[3] = MakePile(8, 0, PileFlags::Redeal, RankBuild::None, SuitBuild::None,
                        CardRemoval::None, PileStart::None);
  return g;
}

TEST(GatherAndRedeal, SameTableGivesTheSameOrderAndSourcesRefill) {
  PlayTable t(Fans(), 77);
  const std::vector<std::vector<Placed>> table = {
      {Up(1), Up(2), Up(3)}, {Up(10), Up(11)}, {Up(20), Up(21), Up(22)}, {}};
  t.Arrange(table);
  const uint32_t state = t.game->RandomState;
  EmptyPileClick(*t.game, t.P(3));
  EXPECT_EQ(t.game->RandomState, state);  // the generator is not advanced
  const std::vector<int32_t> a = t.Values(0), b = t.Values(1), c = t.Values(2), d = t.Values(3);
  EXPECT_EQ(a.size() + b.size() + c.size() + d.size(), 8u);
  EXPECT_EQ(a.size(), 3u);
  EXPECT_EQ(b.size(), 3u);
  EXPECT_EQ(c.size(), 2u);
  EXPECT_EQ(t.game->RedealsLeft, 1);
  t.Arrange(table);
  EmptyPileClick(*t.game, t.P(3));
  EXPECT_EQ(t.Values(0), a);
  EXPECT_EQ(t.Values(1), b);
  EXPECT_EQ(t.Values(2), c);
}

TEST(GatherAndRedeal, EndsWithAZeroGeneratorAndWhenTheButtonIsARedealPile) {
  PlayTable t(Fans(), 0);
  t.game->RandomState = 0;
  t.Arrange({{Up(1), Up(2), Up(3)}, {Up(10)}, {}, {}});
  EXPECT_EQ(GatherAndRedeal(*t.game, t.P(3), 0), 1);
  EXPECT_EQ(t.P(0).Count + t.P(1).Count + t.P(2).Count + t.P(3).Count, 4);

  GameDef g = Fans();
  g.Piles[3].Flags |= PileFlags::RedealDest;  // the button gives up cards too
  PlayTable self(g);
  self.Arrange({{Up(1), Up(2)}, {Up(10)}, {Up(20)}, {Up(30)}});
  EXPECT_EQ(GatherAndRedeal(*self.game, self.P(3), 1), 1);
  EXPECT_EQ(self.P(0).Count + self.P(1).Count + self.P(2).Count + self.P(3).Count, 5);
  // Its own card was never gathered again: it lay lowest and is dealt last.
  ASSERT_NE(self.P(1).TopCard, nullptr);
  EXPECT_EQ(self.P(1).TopCard->Value, 30);
}

}  // namespace
}  // namespace tarnik
