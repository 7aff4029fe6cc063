// Cards, piles and their small operations: deck size, pile count, score,
// the pile sort and the chain operations that every move is made of.
#include <gtest/gtest.h>

#include <vector>

#include "engine/cards/pile_ops.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::PileValues;
using testing::TableBuilder;
using testing::V;

// Walks the chain both ways and checks the links agree with each other.
void ExpectConsistentChain(const Pile& pile) {
  const Card* prev = nullptr;
  for (const Card* c = pile.BottomCard; c; c = c->Above) {
    EXPECT_EQ(c->Below, prev);
    prev = c;
  }
  EXPECT_EQ(pile.TopCard, prev);
  EXPECT_TRUE(pile.BottomCard || !pile.TopCard);
}

TEST(DeckSize, OneTwoAndFourPacksWithFourWinning) {
  EXPECT_EQ(DeckSize(0), 52);
  EXPECT_EQ(DeckSize(GameFlags::TwoDeck), 104);
  EXPECT_EQ(DeckSize(GameFlags::FourDeck), 208);
  EXPECT_EQ(DeckSize(GameFlags::TwoDeck | GameFlags::FourDeck), 208);
}

TEST(CountPiles, StopsAtFirstPileWithoutFlagsAndNeverPassesTheTable) {
  Pile piles[kMaxPiles];
  EXPECT_EQ(CountPiles(piles), 0);
  piles[0].Flags = PileFlags::WinGoal;
  piles[1].Flags = PileFlags::AutoFillSource;
  piles[3].Flags = PileFlags::AutoPlay;  // behind a gap: not in the game
  EXPECT_EQ(CountPiles(piles), 2);
  for (Pile& p : piles) p.Flags = PileFlags::AutoFillSource;
  EXPECT_EQ(CountPiles(piles), 48);
}

TEST(GameScore, CountsWinGoalCardsOrCompleteFourOfARankPiles) {
  TableBuilder t;
  Pile& goal = t.AddPile(OpenPile(PileFlags::WinGoal));
  Pile& other = t.AddPile(OpenPile());
  Pile& kings = t.AddPile(OpenPile(PileFlags::WinGoal));
  Pile& mixed = t.AddPile(OpenPile());
  Pile& five = t.AddPile(OpenPile());
  t.PushAll(goal, {V(0, 0), V(1, 0), V(2, 0)});
  t.PushAll(other, {V(5, 1)});
  t.PushAll(kings, {V(12, 0), V(12, 1), V(12, 2), V(12, 3)});
  t.PushAll(mixed, {V(12, 0), V(12, 1), V(12, 2), V(11, 3)});
  t.PushAll(five, {V(12, 0), V(12, 1), V(12, 2), V(12, 3), V(12, 0)});
  t.Finish();
  EXPECT_EQ(GameScore(t.piles(), 0), 3 + 4);
  // Four rank: only the pile of exactly four kings counts, as 4.
  EXPECT_EQ(GameScore(t.piles(), GameFlags::FourRank), 4);
}

TEST(TotalInitialSize, SumsThePilesInUse) {
  Pile piles[kMaxPiles];
  piles[0].Flags = piles[1].Flags = PileFlags::AutoPlay;
  piles[0].InitialSize = 24;
  piles[1].InitialSize = 28;
  piles[3].InitialSize = 99;  // not in the game
  EXPECT_EQ(TotalInitialSize(piles), 52);
}

TEST(SortPile, AscendingDescendingAndBothKeepFacesInPlace) {
  TableBuilder t;
  Pile& up = t.AddPile(OpenPile(PileFlags::SortAscending));
  Pile& down = t.AddPile(OpenPile(PileFlags::SortDescending));
  Pile& both = t.AddPile(OpenPile(PileFlags::SortAscending | PileFlags::SortDescending));
  for (Pile* p : {&up, &down, &both}) {
    t.Push(*p, 30, FaceDown);
    t.Push(*p, 7);
    t.Push(*p, 51);
    t.Push(*p, 0);
  }
  for (Pile* p : {&up, &down, &both}) SortPile(*p);
  EXPECT_EQ(PileValues(up), (std::vector<int32_t>{0, 7, 30, 51}));
  EXPECT_EQ(PileValues(down), (std::vector<int32_t>{51, 30, 7, 0}));
  EXPECT_EQ(PileValues(both), (std::vector<int32_t>{51, 30, 7, 0}));
  // Only values move: the bottom position stays face down.
  EXPECT_EQ(up.BottomCard->Face, FaceDown);
  EXPECT_EQ(up.TopCard->Face, FaceUp);
}

TEST(SortPile, LeavesAnUnsortedPileAlone) {
  TableBuilder t;
  Pile& p = t.AddPile(OpenPile());
  t.PushAll(p, {9, 3, 40});
  SortPile(p);
  EXPECT_EQ(PileValues(p), (std::vector<int32_t>{9, 3, 40}));
}

TEST(ChainOps, UnlinkCardFromBottomMiddleAndTop) {
  TableBuilder t;
  Pile& p = t.AddPile(OpenPile());
  Card& a = t.Push(p, 1);
  Card& b = t.Push(p, 2);
  Card& c = t.Push(p, 3);
  Card& d = t.Push(p, 4);
  UnlinkCard(p, b);
  EXPECT_EQ(PileValues(p), (std::vector<int32_t>{1, 3, 4}));
  EXPECT_EQ(b.Below, nullptr);
  EXPECT_EQ(b.Above, nullptr);
  UnlinkCard(p, a);
  UnlinkCard(p, d);
  EXPECT_EQ(PileValues(p), (std::vector<int32_t>{3}));
  ExpectConsistentChain(p);
  UnlinkCard(p, c);
  EXPECT_EQ(p.BottomCard, nullptr);
  EXPECT_EQ(p.TopCard, nullptr);
}

TEST(ChainOps, InsertCardAboveNullMakesTheNewBottom) {
  TableBuilder t;
  Pile& p = t.AddPile(OpenPile());
  Pile& spare = t.AddPile(OpenPile());
  Card& a = t.Push(p, 1);
  t.Push(p, 2);
  Card& x = t.Push(spare, 9);
  Card& y = t.Push(spare, 8);
  UnlinkCard(spare, x);
  UnlinkCard(spare, y);
  InsertCardAbove(p, nullptr, x);
  InsertCardAbove(p, &a, y);
  EXPECT_EQ(PileValues(p), (std::vector<int32_t>{9, 1, 8, 2}));
  ExpectConsistentChain(p);
  // Into an empty pile.
  Pile& empty = t.AddPile(OpenPile());
  UnlinkCard(p, x);
  InsertCardAbove(empty, nullptr, x);
  EXPECT_EQ(empty.BottomCard, &x);
  EXPECT_EQ(empty.TopCard, &x);
}

TEST(ChainOps, CutGroupAndAppendPileMoveWholeChains) {
  TableBuilder t;
  Pile& src = t.AddPile(OpenPile());
  Pile& dest = t.AddPile(OpenPile());
  Pile floatPile;
  t.PushAll(src, {1, 2, 3, 4});
  t.PushAll(dest, {10});
  CutGroup(src, floatPile, *src.BottomCard->Above);
  EXPECT_EQ(PileValues(src), (std::vector<int32_t>{1}));
  EXPECT_EQ(PileValues(floatPile), (std::vector<int32_t>{2, 3, 4}));
  ExpectConsistentChain(src);
  ExpectConsistentChain(floatPile);
  AppendPile(floatPile, dest);
  EXPECT_EQ(PileValues(dest), (std::vector<int32_t>{10, 2, 3, 4}));
  EXPECT_EQ(floatPile.BottomCard, nullptr);
  EXPECT_EQ(floatPile.TopCard, nullptr);
  ExpectConsistentChain(dest);
  // Cutting from the bottom empties the pile; appending onto an empty pile.
  CutGroup(dest, floatPile, *dest.BottomCard);
  EXPECT_EQ(dest.BottomCard, nullptr);
  EXPECT_EQ(dest.TopCard, nullptr);
  AppendPile(floatPile, src);
  EXPECT_EQ(PileValues(src), (std::vector<int32_t>{1, 10, 2, 3, 4}));
  ExpectConsistentChain(src);
}

}  // namespace
}  // namespace tarnik
