// Cards and piles: deck size, piles in use, score, sorting and the chain operations.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
using Values = std::vector<int32_t>;

// The pile's values after checking that its links agree both ways.
Values Chain(const Pile& pile) {
  const Card* prev = nullptr;
  for (const Card* c = pile.BottomCard; c; c = c->Above) {
    EXPECT_EQ(c->Below, prev);
    prev = c;
  }
  EXPECT_EQ(pile.TopCard, prev);
  return PileValues(pile);
}

// Packs per flag (four over two); piles in use stop at the first record without flags.
TEST(DeckSize, PacksPilesInUseAndTheCardsTheyDeal) {
  EXPECT_EQ((std::array{DeckSize(0), DeckSize(GameFlags::TwoDeck), DeckSize(GameFlags::FourDeck),
                        DeckSize(GameFlags::TwoDeck | GameFlags::FourDeck)}),
            (std::array{52, 104, 208, 208}));
  Pile piles[kMaxPiles];
  EXPECT_EQ(CountPiles(piles), 0);
  piles[0].Flags = PileFlags::WinGoal, piles[1].Flags = PileFlags::AutoFillSource;
  piles[3].Flags = PileFlags::AutoPlay;  // behind a gap: not in the game
  piles[0].InitialSize = 24, piles[1].InitialSize = 28, piles[3].InitialSize = 99;
  EXPECT_EQ(std::make_pair(CountPiles(piles), TotalInitialSize(piles)), std::make_pair(2, 52));
  for (Pile& p : piles) p.Flags = PileFlags::AutoFillSource;
  EXPECT_EQ(CountPiles(piles), 48);
}

// Score: goal cards, or four per four-of-a-rank pile; sorting moves values, never faces.
TEST(GameScore, CountsGoalCardsOrFourOfARankPilesAndSortPileKeepsFaces) {
  TableBuilder t;
  const std::vector<std::pair<uint32_t, Values>> piles = {
      {PileFlags::WinGoal, {V(0, 0), V(1, 0), V(2, 0)}},
      {PileFlags::AutoFillSource, {V(5, 1)}},
      {PileFlags::WinGoal, {V(12, 0), V(12, 1), V(12, 2), V(12, 3)}},
      {PileFlags::AutoFillSource, {V(12, 0), V(12, 1), V(12, 2), V(11, 3)}},
      {PileFlags::AutoFillSource, {V(12, 0), V(12, 1), V(12, 2), V(12, 3), V(12, 0)}}};
  for (const auto& [flags, values] : piles) {
    Pile& pile = t.AddPile(OpenPile(flags));
    for (int32_t v : values) t.Push(pile, v);
  }
  t.Finish();
  EXPECT_EQ(std::make_pair(GameScore(t.piles(), 0), GameScore(t.piles(), GameFlags::FourRank)),
            std::make_pair(3 + 4, 4));
  const uint32_t up = PileFlags::SortAscending, down = PileFlags::SortDescending;
  const std::pair<uint32_t, Values> sorts[] = {{up, {0, 7, 30, 51}}, {down, {51, 30, 7, 0}},
                                               {up | down, {51, 30, 7, 0}},
                                               {PileFlags::AutoFillSource, {30, 7, 51, 0}}};
  for (const auto& [flags, sorted] : sorts) {
    Pile& p = t.AddPile(OpenPile(flags));
    t.Push(p, 30, FaceDown), t.Push(p, 7), t.Push(p, 51), t.Push(p, 0);
    SortPile(p);
    EXPECT_EQ(std::make_tuple(PileValues(p), p.BottomCard->Face, p.TopCard->Face),
              std::make_tuple(sorted, FaceDown, FaceUp)) << flags;
  }
}

// Unlink, insert, cut and append keep both links sound; a cut from the bottom empties.
TEST(ChainOps, UnlinkInsertCutAndAppendKeepTheChainsSound) {
  TableBuilder t;
  Pile& p = t.AddPile(OpenPile());
  Pile& other = t.AddPile(OpenPile());
  Card& a = t.Push(p, 1);
  Card& b = t.Push(p, 2);
  t.Push(p, 3);
  Card& d = t.Push(other, 4);
  UnlinkCard(p, b);
  EXPECT_EQ(Chain(p), (Values{1, 3}));
  EXPECT_EQ(std::make_pair(b.Below, b.Above), (std::pair<Card*, Card*>{}));
  InsertCardAbove(p, nullptr, b);
  EXPECT_EQ(Chain(p), (Values{2, 1, 3}));
  Pile floatPile;
  CutGroup(p, floatPile, a);
  EXPECT_EQ(std::make_pair(Chain(p), Chain(floatPile)), std::make_pair(Values{2}, Values{1, 3}));
  AppendPile(floatPile, other);
  EXPECT_EQ(std::make_pair(Chain(other), Chain(floatPile)),
            std::make_pair(Values{4, 1, 3}, Values{}));
  CutGroup(other, floatPile, d);
  EXPECT_EQ(std::make_pair(Chain(other), Chain(floatPile)),
            std::make_pair(Values{}, Values{4, 1, 3}));
}

}  // namespace
}  // namespace tarnik
