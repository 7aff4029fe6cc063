// Move legality: which group a press on a card lifts, and whether a group may
// be dropped on a pile, decided from the pile rules alone.
#include "engine/rules/legality.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::TableBuilder;
using testing::V;

constexpr int32_t Ace = 0, Two = 1, Three = 2, Four = 3, Five = 4, Six = 5, Seven = 6, Eight = 7,
                  Nine = 8, Ten = 9, Jack = 10, Queen = 11, King = 12;

// A pile that lets cards be taken by `removal` and builds by `build`.
PileDef Taking(CardRemoval removal, RankBuild build, uint32_t flags = PileFlags::AutoFillSource) {
  PileDef def = OpenPile(flags);
  def.Removal = removal;
  def.RankBuild = build;
  return def;
}

// Pushes face-up cards, bottom first, and returns them in the same order.
std::vector<Card*> PushCards(TableBuilder& table, Pile& pile, std::vector<int32_t> values) {
  std::vector<Card*> cards;
  for (int32_t v : values) cards.push_back(&table.Push(pile, v));
  return cards;
}

// Cards written "9h Ts 2c*" (rank, suit, * for face down: + kHidden),
// bottom first.
constexpr int32_t kHidden = 100;
std::vector<int32_t> Cards(const std::string& text) {
  const std::string ranks = "A23456789TJQK", suits = "schd";
  std::vector<int32_t> values;
  for (size_t i = 0; i + 1 < text.size(); i += 3) {
    values.push_back(V(static_cast<int32_t>(ranks.find(text[i])),
                       static_cast<int32_t>(suits.find(text[i + 1]))));
    if (i + 2 < text.size() && text[i + 2] == '*') values.back() += kHidden, ++i;
  }
  return values;
}

// A loose card of the given value, for drop tests where its pile does not matter.
Card CardOf(int32_t value) {
  Card card;
  card.Value = value;
  return card;
}

// Each wrapping sequence admits exactly its twelve consecutive pairs, in
// order; nothing follows the king.
TEST(WrapSequences, ByTwoThreeAndFourAdmitOnlyConsecutiveEntries) {
  struct Sequence {
    const char* name;
    bool (*next)(int32_t, int32_t);
    std::array<int32_t, 13> order;
  };
  const Sequence sequences[] = {
      {"by two",
       NextByTwo,
       {Two, Four, Six, Eight, Ten, Queen, Ace, Three, Five, Seven, Nine, Jack, King}},
      {"by three",
       NextByThree,
       {Three, Six, Nine, Queen, Two, Five, Eight, Jack, Ace, Four, Seven, Ten, King}},
      {"by four",
       NextByFour,
       {Four, Eight, Queen, Three, Seven, Jack, Two, Six, Ten, Ace, Five, Nine, King}},
  };
  for (const Sequence& seq : sequences) {
    int qualifying = 0;
    for (int32_t t = 0; t < 13; ++t) {
      for (int32_t c = 0; c < 13; ++c) {
        bool expected = false;
        for (int k = 0; k + 1 < 13; ++k)
          if (seq.order[k] == t && seq.order[k + 1] == c) expected = true;
        EXPECT_EQ(seq.next(t, c), expected) << seq.name << " t=" << t << " c=" << c;
        if (seq.next(t, c)) ++qualifying;
      }
    }
    EXPECT_EQ(qualifying, 12) << seq.name;
    for (int32_t c = 0; c < 13; ++c) EXPECT_FALSE(seq.next(King, c)) << seq.name << " c=" << c;
  }
}

// Which card a press lifts under each removal rule, pile by pile (cards
// bottom first; a card + kHidden lies face down; -1 lifts nothing):
// - "Any" walks down while the rank rises by the pile's step: 0 (equal
//   ranks) unless the pile builds down by one or by two;
// - the colour rules stop at the first card of the wrong colour or rank;
// - same suit with step 0 joins only identical cards (the twin of a second
//   pack directly beneath);
// - different suit walks past anything but a face-down card or the card of
//   the same suit one step higher;
// - "Group in any suit" lifts the pressed card untested, "Top card only"
//   the top card, "None" nothing, and "Remove any card" the pressed card
//   whatever the rule;
// - the "Any in" rules lift any part of their run from the pressed card up,
//   and a press below the run offers the run. This project's "Any in same
//   color" walks a run of one colour each a step below the card beneath;
//   "Any in diff suit" while each card beneath has another suit.
TEST(TakeableCard, EachRemovalRuleLiftsItsGroup) {
  struct Case {
    CardRemoval removal;
    RankBuild build;
    const char* cards;  // bottom first; * marks a face-down card
    std::vector<std::pair<int, int>> pressLifts;
    uint32_t flags = PileFlags::AutoFillSource;
  };
  using C = CardRemoval;
  using R = RankBuild;
  const Case cases[] = {
      // Step 0: only the two eights go together, not the rising six, seven, eight.
      {C::Any, R::Up, "6d 7s 8c 8h", {{0, 2}}},
      // Step 1: eight, seven, six; the king does not join.
      {C::Any, R::Down, "Ks 8s 7h 6c", {{2, 1}, {0, 1}, {3, 3}}},
      // Step 2: nine, seven, five; the ten is not two above the nine.
      {C::Any, R::DownByTwo, "Ts 9d 7c 5h", {{0, 1}}}, {C::Any, R::UpByTwo, "5c 7h 9s", {{0, 2}}},
      {C::GroupInSameColor, R::Down, "9h 8s 7c 6s", {{2, 1}, {0, 1}}},
      {C::GroupInSameColor, R::Down, "Tc 8s 7c", {{0, 1}}},
      {C::GroupInDiffColor, R::Down, "9s 8s 7d 6c", {{2, 1}, {0, 1}}},
      {C::GroupInSameSuit, R::Up, "5h 6h", {{0, 1}}},
      {C::GroupInSameSuit, R::Up, "4c 6h 6h", {{0, 1}}},
      {C::GroupInSameSuit, R::Up, "6d 6h", {{0, 1}}},
      {C::GroupInSameSuit, R::Down, "8s 8h 7h 6h", {{0, 1}}},
      {C::GroupInDiffSuit, R::Down, "2c* 3d Ks 9h 5s", {{2, 1}}},
      {C::GroupInDiffSuit, R::Down, "8d 7h 6h 5s", {{0, 2}, {3, 3}}},
      {C::GroupInAnySuit, R::Down, "Ks* 3h 9c", {{1, 1}, {2, 2}, {0, 0}}},
      {C::TopCardOnly, R::Down, "8s 7h", {{0, 1}, {1, 1}}},
      {C::None, R::Down, "8s 7h", {{0, -1}, {1, -1}}},
      {C::None, R::Down, "2c Jh 4s", {{1, 1}}, PileFlags::RemoveAnyCard},
      {C::TopCardOnly, R::Down, "2c Jh", {{0, 0}}, PileFlags::RemoveAnyCard},
      // A nine does not go under a nine; the jack is not one rank higher.
      {C::AnyInDiffColor, R::Down, "9h 9s 8h 7c 6d", {{3, 3}, {4, 4}, {1, 1}, {0, 1}}},
      {C::AnyInDiffColor, R::Down, "Js 8h 7c", {{0, 1}}},
      {C::AnyInSameSuit, R::Down, "9h 9s 8s 7s 6s", {{2, 2}, {4, 4}, {0, 1}}},
      // The red nine breaks the colour; the ten is not one rank higher.
      {C::AnyInSameColor, R::Down, "9h 9s 8c 7s 6c", {{2, 2}, {4, 4}, {0, 1}}},
      {C::AnyInSameColor, R::Down, "Tc 8c 7s", {{0, 1}}},
      {C::AnyInSameColor, R::Down, "5d 4h 3h", {{0, 0}}},
      // Passes the six of spades on the seven of clubs; two hearts in a row end the run.
      {C::AnyInDiffSuit, R::Down, "9h 8h 7c 6s 5d", {{2, 2}, {1, 1}, {0, 1}, {4, 4}}},
      {C::AnyInDiffSuit, R::Down, "Js 8h 7c", {{0, 1}}},
  };
  for (const Case& c : cases) {
    TableBuilder table;
    Pile& pile = table.AddPile(Taking(c.removal, c.build, c.flags));
    std::vector<Card*> cards;
    for (int32_t v : Cards(c.cards))
      cards.push_back(v >= kHidden ? &table.Push(pile, v - kHidden, FaceDown)
                                   : &table.Push(pile, v));
    table.Finish();
    for (const auto& [press, lifts] : c.pressLifts) {
      SCOPED_TRACE(::testing::Message() << "removal " << static_cast<int>(c.removal) << " build "
                                        << static_cast<int>(c.build) << " cards " << c.cards
                                        << " press " << press);
      EXPECT_EQ(TakeableCard(table.piles(), pile, cards[press]),
                lifts < 0 ? nullptr : cards[lifts]);
    }
  }
}

// "Before take" forbids taking until every must-be-empty pile is empty, even
// from a "Remove any card" pile; a game without such piles never waits.
TEST(TakeableCard, BeforeTakeWaitsForMustBeEmptyPiles) {
  enum class Cell { Absent, Empty, Full };
  for (Cell cell : {Cell::Absent, Cell::Empty, Cell::Full}) {
    TableBuilder table;
    Pile& plain =
        table.AddPile(Taking(CardRemoval::TopCardOnly, RankBuild::Down, PileFlags::BeforeTake));
    Pile& anyCard = table.AddPile(Taking(CardRemoval::TopCardOnly, RankBuild::Down,
                                         PileFlags::BeforeTake | PileFlags::RemoveAnyCard));
    auto p = PushCards(table, plain, Cards("2c Jh"));
    auto a = PushCards(table, anyCard, Cards("2c Jh"));
    if (cell != Cell::Absent) {
      Pile& mustBeEmpty = table.AddPile(OpenPile(PileFlags::MustBeEmpty));
      if (cell == Cell::Full) table.Push(mustBeEmpty, V(Five, Spades));
    }
    table.Finish();
    const bool open = cell != Cell::Full;
    EXPECT_EQ(TakeableCard(table.piles(), plain, p[1]), open ? p[1] : nullptr);
    EXPECT_EQ(TakeableCard(table.piles(), anyCard, a[0]), open ? a[0] : nullptr);
  }
}

// The whole-run rules (Any and the "Group in" rules) lift the top card alone
// when it is pressed and the whole run ending at the top when any card
// beneath is; the "Any in" rules lift from the pressed card. No walk extends
// below a face-down or marked card.
TEST(TakeableCard, WholeRunsAndCardsNotFaceUpEndingEveryWalk) {
  const std::vector<int32_t> sameSuit = Cards("9s 8s 7s 6s");
  const std::vector<int32_t> alternating = Cards("9s 8h 7c 6d");
  struct Case {
    CardRemoval removal;
    const std::vector<int32_t>& run;
    bool wholeRun;
  };
  const Case cases[] = {
      {CardRemoval::Any, alternating, true}, {CardRemoval::GroupInSameColor, sameSuit, true},
      {CardRemoval::GroupInDiffColor, alternating, true},
      {CardRemoval::GroupInSameSuit, sameSuit, true},
      {CardRemoval::GroupInDiffSuit, alternating, true},
      {CardRemoval::AnyInSameColor, sameSuit, false},
      {CardRemoval::AnyInDiffColor, alternating, false},
      {CardRemoval::AnyInSameSuit, sameSuit, false},
      {CardRemoval::AnyInDiffSuit, alternating, false},
  };
  for (const Case& c : cases) {
    TableBuilder table;
    Pile& pile = table.AddPile(Taking(c.removal, RankBuild::Down));
    auto cards = PushCards(table, pile, c.run);
    table.Finish();
    SCOPED_TRACE(static_cast<int>(c.removal));
    EXPECT_EQ(TakeableCard(table.piles(), pile, cards[3]), cards[3]);
    EXPECT_EQ(TakeableCard(table.piles(), pile, cards[2]), cards[c.wholeRun ? 0 : 2]);
    EXPECT_EQ(TakeableCard(table.piles(), pile, cards[0]), cards[0]);
    for (int32_t face : {FaceDown, Marked}) {
      cards[1]->Face = face;
      EXPECT_EQ(TakeableCard(table.piles(), pile, cards[0]), cards[2]) << " face " << face;
    }
  }
}

// With "Need free cells" a group holds at most one card more than there are
// empty must-be-empty piles; without it the free cells do not matter.
TEST(TakeableCard, NeedFreeCellsLimitsGroupToFreeCellsPlusOne) {
  const uint32_t need = PileFlags::NeedFreeCells;
  struct Case {
    CardRemoval removal;
    uint32_t flags;
    int emptyCells;  // of three must-be-empty piles
    int expectedIndex;
  };
  const Case cases[] = {
      {CardRemoval::AnyInDiffColor, need, 0, 4}, {CardRemoval::AnyInDiffColor, need, 1, 3},
      {CardRemoval::AnyInDiffColor, need, 2, 2}, {CardRemoval::AnyInDiffColor, need, 3, 1},
      {CardRemoval::AnyInDiffColor, PileFlags::AutoFillSource, 0, 0},
      {CardRemoval::AnyInSameColor, need, 1, 3}, {CardRemoval::AnyInDiffSuit, need, 0, 4},
  };
  const std::vector<int32_t> run = Cards("Ts 9h 8c 7d 6s");
  const std::vector<int32_t> blackRun = Cards("Ts 9c 8c 7s 6c");
  for (const Case& c : cases) {
    TableBuilder table;
    Pile& pile = table.AddPile(Taking(c.removal, RankBuild::Down, c.flags));
    auto cards = PushCards(table, pile, c.removal == CardRemoval::AnyInSameColor ? blackRun : run);
    for (int i = 0; i < 3; ++i) {
      Pile& cell = table.AddPile(OpenPile(PileFlags::MustBeEmpty));
      if (i >= c.emptyCells) table.Push(cell, V(Ace, Hearts));
    }
    table.Finish();
    const Pile* piles = table.piles();
    EXPECT_EQ(FreeCellCount(piles), c.emptyCells);
    EXPECT_EQ(MustBeEmptyCleared(piles), c.emptyCells == 3);
    EXPECT_EQ(TakeableCard(piles, pile, cards[0]), cards[c.expectedIndex])
        << static_cast<int>(c.removal) << " with " << c.emptyCells << " empty cells";
    // A press within the limit lifts from the pressed card.
    EXPECT_EQ(TakeableCard(piles, pile, cards[c.expectedIndex]), cards[c.expectedIndex]);
    EXPECT_EQ(TakeableCard(piles, pile, cards[4]), cards[4]);
  }
}

// A destination for drop tests: every rule open, so each test names its own.
PileDef Dest(uint32_t flags = PileFlags::AutoFillSource) {
  return OpenPile(flags);
}

// The four automatic suit piles accept no card, not even the ace of their
// suit; a blank space accepts any card while empty.
TEST(CanDrop, AutomaticSuitPilesRefuseEveryCard) {
  TableBuilder table;
  Pile& source = table.AddPile(OpenPile());
  PileDef blankDef = Dest();
  blankDef.PileStart = PileStart::BlankSpace;
  Pile& blank = table.AddPile(blankDef);
  Pile* autos[4];
  for (int32_t suit = 0; suit < 4; ++suit) {
    PileDef def = Dest();
    def.PileStart = static_cast<PileStart>(65 + suit);
    autos[suit] = &table.AddPile(def);
  }
  table.Push(*autos[Hearts], V(Ace, Hearts));
  table.Finish();
  const Pile* piles = table.piles();

  for (int32_t suit = 0; suit < 4; ++suit) {
    const int32_t next = suit == Hearts ? Two : Ace;
    EXPECT_FALSE(CanDrop(piles, source, *autos[suit], CardOf(V(next, suit)), 1)) << suit;
    EXPECT_FALSE(CanDrop(piles, source, *autos[suit], CardOf(V(King, suit)), 1)) << suit;
  }
  EXPECT_TRUE(CanDrop(piles, source, blank, CardOf(V(Seven, Clubs)), 1));
}

// What the destination holds decides too (cards bottom first; + kHidden lies
// face down, + kMarked is marked): a face-down top card refuses every drop,
// a face-up or marked one does not; a size limit counts the cards there
// plus the whole group, 0 being no limit; placement "None" accepts cards
// only on an empty pile, "One card" never a group, "Any" anything.
TEST(CanDrop, TopCardSizeLimitAndPlacement) {
  constexpr int32_t kMarked = 200;
  struct Case {
    std::vector<int32_t> dest;
    int32_t count;
    bool allowed;
    int32_t sizeLimit = 0;
    CardPlacement placement = CardPlacement::Any;
  };
  std::vector<int32_t> tenClubs;
  for (int32_t i = 0; i < 10; ++i) tenClubs.push_back(V(i, Clubs));
  const CardPlacement none = CardPlacement::None, one = CardPlacement::OneCard;
  const Case cases[] = {
      {{V(Nine, Spades) + kHidden}, 1, false}, {Cards("9s* 9c"), 1, true},
      {{V(Nine, Spades) + kMarked}, 1, true}, {{}, 1, true, 1}, {{}, 2, false, 1},
      {{V(Two, Hearts)}, 1, false, 1}, {Cards("2h 3h"), 2, true, 4},
      {Cards("2h 3h"), 3, false, 4}, {tenClubs, 20, true},
      {{}, 1, true, 0, none}, {{}, 3, true, 0, none}, {{V(Four, Clubs)}, 1, false, 0, none},
      {{}, 1, true, 0, one}, {{}, 2, false, 0, one}, {{V(Four, Clubs)}, 1, true, 0, one},
      {{V(Four, Clubs)}, 2, false, 0, one}, {{V(Four, Clubs)}, 3, true},
  };
  for (const Case& c : cases) {
    TableBuilder table;
    Pile& source = table.AddPile(OpenPile());
    PileDef def = Dest();
    def.SizeLimit = c.sizeLimit;
    def.Placement = c.placement;
    Pile& dest = table.AddPile(def);
    for (int32_t v : c.dest)
      table.Push(dest, v % kHidden, v >= kMarked ? Marked : v >= kHidden ? FaceDown : FaceUp);
    table.Finish();
    SCOPED_TRACE(::testing::Message()
                 << "holding " << c.dest.size() << " limit " << c.sizeLimit << " placement "
                 << static_cast<int>(c.placement) << " group " << c.count);
    EXPECT_EQ(CanDrop(table.piles(), source, dest, CardOf(V(Three, Hearts)), c.count), c.allowed);
  }
}

// Under "Low and king" / "Low and ace" a card that is not the named rank needs
// a higher card of its suit on top of a "Top card only" pile other than its source.
TEST(CanDrop, LowAndKingAndLowAndAceNeedAHigherSameSuitTopElsewhere) {
  // Where the nine of hearts lies: on a "Top card only" pile elsewhere, on
  // one that lets cards be taken as a group, buried, on the source or on the
  // destination; or an equal heart, a higher diamond, nothing at all.
  enum Where { Nowhere, TopOnly, AnyRemoval, Equal, Diamond, Buried, OnSource, OnDest, EmptyTop };
  // Drops `value` on an empty (or, for OnDest, a holding) pile with `flag`.
  auto drop = [](uint32_t flag, Where nine, int32_t value) {
    TableBuilder table;
    PileDef sourceDef = OpenPile();
    if (nine == OnSource) sourceDef.Removal = CardRemoval::TopCardOnly;
    Pile& source = table.AddPile(sourceDef);
    table.Push(source, nine == OnSource ? V(Nine, Hearts) : V(Two, Clubs));
    PileDef destDef = Dest(flag);
    if (nine == OnDest) destDef.Removal = CardRemoval::TopCardOnly;
    Pile& dest = table.AddPile(destDef);
    if (nine == OnDest) table.Push(dest, V(Nine, Hearts));
    PileDef otherDef = OpenPile();
    otherDef.Removal = nine == AnyRemoval ? CardRemoval::Any : CardRemoval::TopCardOnly;
    Pile& elsewhere = table.AddPile(otherDef);
    const char* const held[] = {"", "9h", "9h", "5h", "9d", "9h 2s", "2s", "2s", ""};
    PushCards(table, elsewhere, Cards(held[nine]));
    table.Finish();
    const Card card = CardOf(value);
    const bool higher = HigherOnTopElsewhere(table.piles(), source, card);
    const bool allowed = CanDrop(table.piles(), source, dest, card, 1);
    EXPECT_EQ(allowed, higher || Rank(value) == (flag == PileFlags::LowAndKing ? King : Ace))
        << "the drop test must follow HigherOnTopElsewhere";
    return allowed;
  };
  for (uint32_t flag : {PileFlags::LowAndKing, PileFlags::LowAndAce}) {
    const int32_t own = flag == PileFlags::LowAndKing ? King : Ace;
    const int32_t otherEnd = flag == PileFlags::LowAndKing ? Ace : King;
    SCOPED_TRACE(flag == PileFlags::LowAndKing ? "low and king" : "low and ace");
    EXPECT_TRUE(drop(flag, Nowhere, V(own, Clubs)));
    EXPECT_FALSE(drop(flag, Nowhere, V(otherEnd, Clubs)));
    for (Where nine : {Nowhere, TopOnly, AnyRemoval, Equal, Diamond, Buried, OnSource, OnDest,
                       EmptyTop})
      EXPECT_EQ(drop(flag, nine, V(Five, Hearts)), nine == TopOnly || nine == OnDest) << nine;
  }
}

// "Rank above": an empty pile takes only the rank of the previous pile's
// bottom card, a holding pile any rank in the previous pile; an empty previous
// pile, or no previous pile at all, refuses.
TEST(CanDrop, RankAboveTakesRanksOfThePreviousPile) {
  // Previous pile holds seven of spades (bottom), three of hearts, jack of diamonds.
  auto drop = [](bool prevHoldsCards, bool destHoldsCard, int32_t value) {
    TableBuilder table;
    Pile& prev = table.AddPile(OpenPile());
    Pile& dest = table.AddPile(Dest(PileFlags::RankAbove));
    if (prevHoldsCards)
      PushCards(table, prev, Cards("7s 3h Jd"));
    if (destHoldsCard) table.Push(dest, V(Two, Clubs));
    table.Finish();
    const Card card = CardOf(value);
    EXPECT_EQ(RankInPrevPile(dest, card), CanDrop(table.piles(), prev, dest, card, 1));
    return CanDrop(table.piles(), prev, dest, card, 1);
  };
  EXPECT_TRUE(drop(true, false, V(Seven, Diamonds)));
  EXPECT_FALSE(drop(true, false, V(Three, Clubs)));
  EXPECT_FALSE(drop(true, false, V(Jack, Spades)));
  EXPECT_FALSE(drop(true, false, V(Nine, Hearts)));

  EXPECT_TRUE(drop(true, true, V(Seven, Diamonds)));
  EXPECT_TRUE(drop(true, true, V(Three, Clubs)));
  EXPECT_TRUE(drop(true, true, V(Jack, Spades)));
  EXPECT_FALSE(drop(true, true, V(Nine, Hearts)));
  EXPECT_FALSE(drop(true, true, V(Two, Hearts)));  // the pile's own cards do not count

  EXPECT_FALSE(drop(false, false, V(Seven, Diamonds)));
  EXPECT_FALSE(drop(false, true, V(Seven, Diamonds)));

  // On the first pile of a game there is no previous pile: refused, safely.
  TableBuilder table;
  Pile& first = table.AddPile(Dest(PileFlags::RankAbove));
  Pile& source = table.AddPile(OpenPile());
  table.Push(source, V(Seven, Spades));
  table.Finish();
  EXPECT_FALSE(RankInPrevPile(first, *source.TopCard));
  EXPECT_FALSE(CanDrop(table.piles(), source, first, *source.TopCard, 1));
}

// Cards from a "Foundations only" pile go only to win-goal piles, never back
// on the pile itself.
TEST(CanDrop, FoundationsOnlySourceDropsOnlyOnWinGoal) {
  TableBuilder table;
  Pile& source = table.AddPile(OpenPile(PileFlags::FoundationsOnly));
  Pile& plainSource = table.AddPile(OpenPile());
  Pile& goal = table.AddPile(Dest(PileFlags::WinGoal));
  Pile& tableau = table.AddPile(Dest());
  PushCards(table, source, Cards("4c 9h"));
  table.Push(plainSource, V(Nine, Clubs));
  table.Finish();
  const Pile* piles = table.piles();

  EXPECT_TRUE(CanDrop(piles, source, goal, *source.TopCard, 1));
  EXPECT_FALSE(CanDrop(piles, source, tableau, *source.TopCard, 1));
  EXPECT_FALSE(CanDrop(piles, source, source, *source.TopCard, 1));
  EXPECT_TRUE(CanDrop(piles, plainSource, tableau, *plainSource.TopCard, 1));
}

enum class Cell { Absent, Empty, Full };
enum class From { SameColumn, OtherColumn, Cell };

// Drops the top card of a source on a destination in column 3 with `flags`, in
// a table that has one must-be-empty pile (holding a card when Full).
bool DropNearCell(uint32_t flags, Cell cell, From from, bool destHoldsCard) {
  TableBuilder table;
  PileDef sameDef = OpenPile();
  sameDef.Column = 3;
  sameDef.Row = 6;
  PileDef otherDef = OpenPile();
  otherDef.Column = 7;
  Pile& same = table.AddPile(sameDef);
  Pile& other = table.AddPile(otherDef);
  table.Push(same, V(Six, Hearts));
  table.Push(other, V(Six, Hearts));
  Pile* cellPile = nullptr;
  if (cell != Cell::Absent) {
    PileDef cellDef = OpenPile(PileFlags::MustBeEmpty);
    cellDef.Column = 9;
    cellPile = &table.AddPile(cellDef);
    if (cell == Cell::Full) table.Push(*cellPile, V(Six, Hearts));
  }
  PileDef destDef = Dest(flags);
  destDef.Column = 3;
  Pile& dest = table.AddPile(destDef);
  if (destHoldsCard) table.Push(dest, V(Seven, Spades));
  table.Finish();
  const Pile& source = from == From::SameColumn    ? same
                       : from == From::OtherColumn ? other
                                                   : *cellPile;
  return CanDrop(table.piles(), source, dest, *source.TopCard, 1);
}

// With a must-be-empty pile holding cards, "Before start" waits only while the
// destination is empty, "Before no column" takes only its own column's
// cards, "Before drop" waits unless the cards come from a must-be-empty pile
// and "Before any" waits whatever the source; once that pile is empty, all
// four allow the drop.
TEST(CanDrop, BeforeConditionsWaitForTheMustBeEmptyPiles) {
  const uint32_t start = PileFlags::BeforeStart, column = PileFlags::BeforeNoColumn,
                 drop = PileFlags::BeforeDrop, any = PileFlags::BeforeAny;
  const struct {
    uint32_t flag;
    Cell cell;
    From from;
    bool destHoldsCard, allowed;
  } cases[] = {
      {start, Cell::Full, From::SameColumn, false, false},
      {start, Cell::Full, From::OtherColumn, false, false},
      {start, Cell::Full, From::Cell, false, true},
      {start, Cell::Full, From::OtherColumn, true, true},
      {start, Cell::Empty, From::OtherColumn, false, true},
      {column, Cell::Full, From::SameColumn, true, true},
      {column, Cell::Full, From::OtherColumn, true, false},
      {column, Cell::Full, From::OtherColumn, false, false},
      {column, Cell::Full, From::Cell, true, true},  // the cell is in column 9
      {column, Cell::Empty, From::OtherColumn, true, true},
      {drop, Cell::Full, From::SameColumn, true, false},
      {drop, Cell::Full, From::OtherColumn, false, false},
      {drop, Cell::Full, From::Cell, true, true},
      {drop, Cell::Empty, From::OtherColumn, true, true},
      {any, Cell::Full, From::SameColumn, true, false}, {any, Cell::Full, From::Cell, true, false},
      {any, Cell::Full, From::Cell, false, false},
      {any, Cell::Empty, From::OtherColumn, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "flag " << c.flag << " cell " << static_cast<int>(c.cell) << " from "
                 << static_cast<int>(c.from) << " holding " << c.destHoldsCard);
    EXPECT_EQ(DropNearCell(c.flag, c.cell, c.from, c.destHoldsCard), c.allowed);
  }
}

// A game without must-be-empty piles meets every "Before" condition.
TEST(CanDrop, BeforeConditionsAlwaysMetWithoutMustBeEmptyPiles) {
  for (uint32_t f : {PileFlags::BeforeStart, PileFlags::BeforeNoColumn, PileFlags::BeforeDrop,
                     PileFlags::BeforeAny}) {
    for (bool destHoldsCard : {false, true}) {
      EXPECT_TRUE(DropNearCell(f, Cell::Absent, From::OtherColumn, destHoldsCard))
          << f << " " << destHoldsCard;
    }
  }
  TableBuilder table;
  table.AddPile(OpenPile());
  table.Finish();
  EXPECT_TRUE(MustBeEmptyCleared(table.piles()));
  EXPECT_EQ(FreeCellCount(table.piles()), 0);
}

// An empty pile's start rule decides which card may begin it; once the pile
// holds cards the start rule no longer applies.
TEST(CanDrop, PileStartDecidesWhatBeginsAnEmptyPile) {
  struct Case {
    int32_t start;
    int32_t value;
    bool accepted;
  };
  const int32_t anyAce = 52, anyTwo = 53, anySeven = 58, anyJack = 62, anyQueen = 63, anyKing = 64,
                anyFace = 69, blank = 70;
  const Case cases[] = {
      {-2, V(Ace, Spades), false}, {-2, V(King, Hearts), false}, {-1, V(Five, Clubs), true},
      {V(Seven, Hearts), V(Seven, Hearts), true}, {V(Seven, Hearts), V(Seven, Diamonds), false},
      {V(Seven, Hearts), V(Seven, Spades), false}, {V(Seven, Hearts), V(Eight, Hearts), false},
      {V(Ace, Spades), V(Ace, Spades), true}, {V(Ace, Spades), V(Ace, Clubs), false},
      {V(King, Diamonds), V(King, Diamonds), true}, {V(King, Diamonds), V(King, Hearts), false},
      {anyAce, V(Ace, Diamonds), true}, {anyAce, V(Ace, Spades), true},
      {anyAce, V(Two, Spades), false}, {anyAce, V(King, Spades), false},
      {anyQueen, V(Queen, Clubs), true}, {anyQueen, V(Jack, Clubs), false},
      {anyQueen, V(King, Clubs), false}, {anyKing, V(King, Hearts), true},
      {anyKing, V(Queen, Hearts), false}, {anyFace, V(Jack, Spades), true},
      {anyFace, V(Queen, Hearts), true}, {anyFace, V(King, Diamonds), true},
      {anyFace, V(Ten, Clubs), false}, {anyFace, V(Ace, Clubs), false},
      {blank, V(Three, Clubs), true},
      // "Any two" to "Any jack" admit their rank only, as "Any ace" does.
      {anyTwo, V(Two, Hearts), true}, {anyTwo, V(King, Clubs), false},
      {anyTwo, V(Ace, Clubs), false}, {anySeven, V(Seven, Diamonds), true},
      {anySeven, V(Six, Diamonds), false}, {anyJack, V(Jack, Clubs), true},
      {anyJack, V(Five, Hearts), false}, {anyJack, V(Queen, Hearts), false},
  };
  for (const Case& c : cases) {
    TableBuilder table;
    Pile& source = table.AddPile(OpenPile());
    PileDef def = Dest();
    def.PileStart = static_cast<PileStart>(c.start);
    Pile& dest = table.AddPile(def);
    table.Finish();
    EXPECT_EQ(CanDrop(table.piles(), source, dest, CardOf(c.value), 1), c.accepted)
        << "start " << c.start << " card " << c.value;
  }

  TableBuilder table;
  Pile& source = table.AddPile(OpenPile());
  PileDef kingDef = Dest();
  kingDef.PileStart = PileStart::AnyKing;
  PileDef noneDef = Dest();
  noneDef.PileStart = PileStart::None;
  Pile& kings = table.AddPile(kingDef);
  Pile& none = table.AddPile(noneDef);
  table.Push(kings, V(King, Spades));
  table.Push(none, V(Four, Spades));
  table.Finish();
  EXPECT_TRUE(CanDrop(table.piles(), source, kings, CardOf(V(Queen, Hearts)), 1));
  EXPECT_TRUE(CanDrop(table.piles(), source, none, CardOf(V(Queen, Hearts)), 1));
}

// Every rank build compares the dropped card's rank c with the top card's rank t.
TEST(CanDrop, RankBuildComparesWithTheTopCard) {
  struct Case {
    RankBuild build;
    int32_t t, c;
    bool accepted;
  };
  using R = RankBuild;
  const Case cases[] = {
      {R::None, Five, King, true}, {R::Any, Five, Ace, true}, {R::Up, Five, Six, true},
      {R::Up, Five, Four, false}, {R::Up, Five, Five, false}, {R::Up, King, Ace, false},
      {R::Down, Six, Five, true}, {R::Down, Five, Six, false}, {R::Down, Ace, King, false},
      {R::UpByTwo, Five, Seven, true}, {R::UpByTwo, Jack, King, true},
      {R::UpByTwo, Five, Six, false}, {R::UpByTwo, Queen, Ace, false},
      {R::DownByTwo, Seven, Five, true}, {R::DownByTwo, Seven, Six, false},
      {R::DownByTwo, Ace, Queen, false}, {R::UpOrDown, Five, Six, true},
      {R::UpOrDown, Five, Four, true}, {R::UpOrDown, Five, Five, false},
      {R::UpOrDown, King, Ace, false}, {R::UpOrDown, Ace, King, false},
      {R::UpOrDownWrapping, King, Ace, true}, {R::UpOrDownWrapping, Ace, King, true},
      {R::UpOrDownWrapping, Five, Four, true}, {R::UpOrDownWrapping, Five, Seven, false},
      {R::UpOrDownWrapping, Five, Five, false}, {R::UpOrDownWrapping, Queen, Ace, false},
      {R::UpWrapping, Queen, Ace, false},
      {R::UpWrapping, King, Ace, true}, {R::UpWrapping, Five, Six, true},
      {R::UpWrapping, Ace, King, false}, {R::UpWrapping, Six, Five, false},
      {R::UpByTwoWrapping, Two, Four, true}, {R::UpByTwoWrapping, Queen, Ace, true},
      {R::UpByTwoWrapping, Jack, King, true}, {R::UpByTwoWrapping, King, Two, false},
      {R::UpByTwoWrapping, Two, Three, false}, {R::UpByThreeWrapping, Three, Six, true},
      {R::UpByThreeWrapping, Queen, Two, true}, {R::UpByThreeWrapping, Ten, King, true},
      {R::UpByThreeWrapping, King, Three, false}, {R::UpByThreeWrapping, Three, Five, false},
      {R::UpByFourWrapping, Four, Eight, true}, {R::UpByFourWrapping, Queen, Three, true},
      {R::UpByFourWrapping, Nine, King, true}, {R::UpByFourWrapping, King, Four, false},
      {R::UpByFourWrapping, Four, Seven, false}, {R::Same, Five, Five, true},
      {R::Same, Five, Six, false},
  };
  for (const Case& c : cases) {
    TableBuilder table;
    Pile& source = table.AddPile(OpenPile());
    PileDef def = Dest();
    def.RankBuild = c.build;
    Pile& dest = table.AddPile(def);
    table.Push(dest, V(c.t, Spades));
    table.Finish();
    EXPECT_EQ(CanDrop(table.piles(), source, dest, CardOf(V(c.c, Hearts)), 1), c.accepted)
        << "build " << static_cast<int>(c.build) << " t=" << c.t << " c=" << c.c;
  }
}

// Every suit build compares the dropped card's suit with the top card's; an
// empty pile has no top card and skips the test.
TEST(CanDrop, SuitBuildComparesWithTheTopCard) {
  struct Case {
    SuitBuild build;
    int32_t top;
    int32_t card;
    bool accepted;
  };
  using S = SuitBuild;
  const Case cases[] = {
      {S::None, V(Nine, Spades), V(Eight, Hearts), true},
      {S::Any, V(Nine, Spades), V(Eight, Spades), true},
      {S::SameColor, V(Nine, Hearts), V(Eight, Diamonds), true},
      {S::SameColor, V(Nine, Spades), V(Eight, Clubs), true},
      {S::SameColor, V(Nine, Spades), V(Eight, Diamonds), false},
      {S::DiffColor, V(Nine, Spades), V(Eight, Hearts), true},
      {S::DiffColor, V(Nine, Diamonds), V(Eight, Clubs), true},
      {S::DiffColor, V(Nine, Hearts), V(Eight, Diamonds), false},
      {S::SameSuit, V(Nine, Clubs), V(Eight, Clubs), true},
      {S::SameSuit, V(Nine, Clubs), V(Eight, Spades), false},
      {S::DiffSuit, V(Nine, Clubs), V(Eight, Spades), true},
      {S::DiffSuit, V(Nine, Hearts), V(Eight, Hearts), false},
  };
  for (const Case& c : cases) {
    TableBuilder table;
    Pile& source = table.AddPile(OpenPile());
    PileDef def = Dest();
    def.SuitBuild = c.build;
    Pile& dest = table.AddPile(def);
    Pile& empty = table.AddPile(def);
    table.Push(dest, c.top);
    table.Finish();
    EXPECT_EQ(CanDrop(table.piles(), source, dest, CardOf(c.card), 1), c.accepted)
        << "build " << static_cast<int>(c.build) << " top " << c.top << " card " << c.card;
    EXPECT_TRUE(CanDrop(table.piles(), source, empty, CardOf(c.card), 1));
  }
}

// Only the group's bottom card is tested against the destination.
TEST(CanDrop, OnlyTheGroupsBottomCardIsTested) {
  TableBuilder table;
  Pile& source = table.AddPile(OpenPile());
  PileDef def = Dest();
  def.RankBuild = RankBuild::Down;
  def.SuitBuild = SuitBuild::DiffColor;
  Pile& dest = table.AddPile(def);
  auto group = PushCards(table, source, Cards("6h Kh 2d"));
  table.Push(dest, V(Seven, Clubs));
  table.Finish();

  EXPECT_TRUE(CanDrop(table.piles(), source, dest, *group[0], 3));
}

// Rule values no editor writes (a damaged library file): an unknown removal
// takes nothing, unknown placement, builds and start restrict nothing.
TEST(RuleValues, UnknownRemovalTakesNothingOtherUnknownRulesAllowAll) {
  TableBuilder table;
  Pile& odd = table.AddPile(Taking(static_cast<CardRemoval>(42), RankBuild::Down));
  auto cards = PushCards(table, odd, Cards("9s 8h"));
  PileDef strange = Dest();
  strange.Placement = static_cast<CardPlacement>(7);
  strange.RankBuild = static_cast<RankBuild>(99);
  strange.SuitBuild = static_cast<SuitBuild>(-9);
  strange.PileStart = static_cast<PileStart>(500);
  Pile& empty = table.AddPile(strange);
  Pile& holding = table.AddPile(strange);
  table.Push(holding, V(Two, Hearts));
  table.Finish();

  EXPECT_EQ(TakeableCard(table.piles(), odd, cards[1]), nullptr);
  EXPECT_EQ(TakeableCard(table.piles(), odd, cards[0]), nullptr);
  EXPECT_TRUE(CanDrop(table.piles(), odd, empty, CardOf(V(King, Clubs)), 3));
  EXPECT_TRUE(CanDrop(table.piles(), odd, holding, CardOf(V(King, Clubs)), 3));
}

struct Spot {
  int32_t column;
  int32_t row;
  bool holdsCards;
};

// Whether a target pile at (5, 5) is covered, with piles before and after it in table order.
bool TargetCovered(std::vector<Spot> before, std::vector<Spot> after) {
  TableBuilder table;
  auto add = [&table](Spot s) -> Pile& {
    PileDef def = OpenPile();
    def.Column = s.column;
    def.Row = s.row;
    Pile& pile = table.AddPile(def);
    if (s.holdsCards) table.Push(pile, V(Two, Clubs));
    return pile;
  };
  for (Spot s : before) add(s);
  Pile& target = add({5, 5, true});
  for (Spot s : after) add(s);
  table.Finish();
  return IsCovered(target);
}

// A pile is covered by a later non-empty pile within one column and one row.
TEST(IsCovered, LaterHoldingNeighbourCovers) {
  EXPECT_FALSE(TargetCovered({}, {}));
  EXPECT_TRUE(TargetCovered({}, {{6, 6, true}}));
  EXPECT_TRUE(TargetCovered({}, {{4, 4, true}}));
  EXPECT_TRUE(TargetCovered({}, {{5, 5, true}}));
  EXPECT_TRUE(TargetCovered({}, {{4, 6, true}}));
  EXPECT_FALSE(TargetCovered({}, {{7, 5, true}, {5, 7, true}, {3, 3, true}}));
  EXPECT_FALSE(TargetCovered({}, {{6, 6, false}}));
  EXPECT_FALSE(TargetCovered({{6, 6, true}, {5, 5, true}}, {}));
  EXPECT_TRUE(TargetCovered({}, {{20, 0, true}, {9, 9, false}, {5, 4, true}}));
}

// Walking up from the bottom, IsDeeper is true when b comes before a.
TEST(IsDeeper, TrueWhenBLiesBelowA) {
  TableBuilder table;
  Pile& pile = table.AddPile(OpenPile());
  Pile& empty = table.AddPile(OpenPile());
  Pile& other = table.AddPile(OpenPile());
  auto c = PushCards(table, pile, Cards("2c 5h 9s"));
  Card* outsider = &table.Push(other, V(Ace, Spades));
  table.Finish();

  EXPECT_TRUE(IsDeeper(pile, c[2], c[0]));
  EXPECT_TRUE(IsDeeper(pile, c[1], c[0]));
  EXPECT_FALSE(IsDeeper(pile, c[0], c[2]));
  EXPECT_TRUE(IsDeeper(pile, outsider, c[1]));   // b met, a never
  EXPECT_FALSE(IsDeeper(pile, c[1], outsider));  // a met first
  EXPECT_FALSE(IsDeeper(pile, outsider, nullptr));
  EXPECT_FALSE(IsDeeper(empty, c[0], c[1]));
}

}  // namespace
}  // namespace tarnik
