// The card counter's chips: which face-down cards are listed, in which band
// and column, and which face corner each shows.
#include "engine/records/card_counter.h"

#include <gtest/gtest.h>

#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::TableBuilder;
using testing::V;

// A stock pile of two face-down cards and a tableau pile holding a face-down
// nine of hearts, a face-down second nine of hearts, a face-down two of clubs
// and a face-up king.
struct CardCounterTest : ::testing::Test {
  CardCounterTest() {
    Pile& stock = table.AddPile(OpenPile(PileFlags::ManualFillSource));
    Pile& tableau = table.AddPile(OpenPile(PileFlags::AutoPlay));
    table.Push(stock, V(kKing, Spades), FaceDown);
    table.Push(stock, V(kAce, Diamonds), FaceDown);
    table.Push(tableau, V(8, Hearts), FaceDown);
    table.Push(tableau, V(8, Hearts), FaceDown);
    table.Push(tableau, V(1, Clubs), FaceDown);
    table.Push(tableau, V(kKing, Clubs), FaceUp);
    table.Finish();
  }
  TableBuilder table;
};

// Tableau: the first nine of hearts in the upper band, its second copy in the
// lower band, the two of clubs in the upper band; the face-up king is absent
// and the stock's cards are not listed.
TEST_F(CardCounterTest, TableauListsItsFaceDownCardsInTwoBands) {
  const std::vector<CounterChip> chips = CounterChips(table.piles(), GameFlags::TwoDeck, 0, false);
  const std::vector<CounterChip> expected = {
      {64 * 8 + 2, 80 * 2 + 2, 14 * 8 + 1, 16 * 2 + 1},
      {64 * 8 + 2, 80 * 2 + 2, 14 * 8 + 1, 16 * 2 + 65},
      {64 * 1 + 2, 80 * 1 + 2, 14 * 1 + 1, 16 * 1 + 1},
  };
  EXPECT_EQ(chips, expected);
}

// Stock: only the two cards of the pile refilled by hand.
TEST_F(CardCounterTest, StockListsOnlyTheStockPiles) {
  const std::vector<CounterChip> expected = {
      {64 * 12 + 2, 2, 14 * 12 + 1, 1},
      {2, 80 * 3 + 2, 1, 16 * 3 + 1},
  };
  EXPECT_EQ(CounterChips(table.piles(), 0, 0, true), expected);
}

// With aces high the leftmost column shows the face of a two, the king's
// place the ace; the places still follow the internal rank.
TEST_F(CardCounterTest, RankOffsetChangesTheFaceNotThePlace) {
  const std::vector<CounterChip> chips = CounterChips(table.piles(), 0, 1, true);
  ASSERT_EQ(chips.size(), 2u);
  EXPECT_EQ(chips[0], (CounterChip{2, 2, 14 * 12 + 1, 1}));
  EXPECT_EQ(chips[1], (CounterChip{64 * 1 + 2, 80 * 3 + 2, 1, 16 * 3 + 1}));
}

// A face turned up leaves the list; a four-deck game lists nothing.
TEST_F(CardCounterTest, FaceUpCardsAndFourDeckGamesShowNoChips) {
  table.piles()[1].BottomCard->Face = FaceUp;
  EXPECT_EQ(CounterChips(table.piles(), 0, 0, false).size(), 2u);
  table.piles()[1].BottomCard->Above->Face = Marked;
  EXPECT_EQ(CounterChips(table.piles(), 0, 0, false).size(), 1u);
  EXPECT_TRUE(CounterChips(table.piles(), GameFlags::FourDeck, 0, false).empty());
  EXPECT_TRUE(CounterChips(table.piles(), GameFlags::FourDeck, 0, true).empty());
}

}  // namespace
}  // namespace tarnik
