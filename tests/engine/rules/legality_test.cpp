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
using C = CardRemoval;
using R = RankBuild;
using S = SuitBuild;

const std::string kRanks = "A23456789TJQK", kSuits = "schd";
int32_t RankOf(char r) { return static_cast<int32_t>(kRanks.find(r)); }
// One card written "9h": rank then suit.
int32_t Val(const char* t) { return V(RankOf(t[0]), static_cast<int32_t>(kSuits.find(t[1]))); }
Card CardOf(const char* t) {
  Card card;
  card.Value = Val(t);
  return card;
}

// Pushes cards written "9h Ts 2c* 5d!" (bottom first; * face down, ! marked)
// and returns them in the same order.
std::vector<Card*> Fill(TableBuilder& table, Pile& pile, const std::string& text) {
  std::vector<Card*> cards;
  for (size_t i = 0; i + 1 < text.size(); i += 3) {
    const char mark = i + 2 < text.size() ? text[i + 2] : ' ';
    const int32_t face = mark == '*' ? FaceDown : mark == '!' ? Marked : FaceUp;
    cards.push_back(&table.Push(pile, Val(&text[i]), face));
    if (mark == '*' || mark == '!') ++i;
  }
  return cards;
}

// A pile that lets cards be taken by `removal` and builds by `build`.
PileDef Taking(C removal, R build, uint32_t flags = PileFlags::AutoFillSource) {
  PileDef def = OpenPile(flags);
  def.Removal = removal;
  def.RankBuild = build;
  return def;
}

// Whether `card` (bottom of a group of `count`) from a plain pile may go on a
// pile with `def` that holds `dest`.
bool Drop(const PileDef& def, const char* dest, const char* card, int count = 1) {
  TableBuilder table;
  Pile& source = table.AddPile(OpenPile());
  Pile& pile = table.AddPile(def);
  Fill(table, pile, dest);
  table.Finish();
  return CanDrop(table.piles(), source, pile, CardOf(card), count);
}

// Each wrapping sequence admits exactly its twelve consecutive pairs, in
// order; nothing follows the king.
TEST(WrapSequences, ByTwoThreeAndFourAdmitOnlyConsecutiveEntries) {
  const struct {
    bool (*next)(int32_t, int32_t);
    std::string order;
  } sequences[] = {{NextByTwo, "2468TQA3579JK"}, {NextByThree, "369Q258JA47TK"},
                   {NextByFour, "48Q37J26TA59K"}};
  for (const auto& seq : sequences)
    for (int32_t t = 0; t < 13; ++t)
      for (int32_t c = 0; c < 13; ++c) {
        const size_t k = seq.order.find(kRanks[t]);
        EXPECT_EQ(seq.next(t, c), k < 12 && RankOf(seq.order[k + 1]) == c)
            << seq.order << " t=" << t << " c=" << c;
      }
}

// Which card a press lifts under each removal rule (-1 lifts nothing):
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
  const struct {
    C removal;
    R build;
    const char* cards;
    std::vector<std::pair<int, int>> pressLifts;
    uint32_t flags = PileFlags::AutoFillSource;
  } cases[] = {
      {C::Any, R::Up, "6d 7s 8c 8h", {{0, 2}}},  // step 0: only the two eights
      {C::Any, R::Down, "Ks 8s 7h 6c", {{2, 1}, {0, 1}, {3, 3}}},
      {C::Any, R::DownByTwo, "Ts 9d 7c 5h", {{0, 1}}},
      {C::Any, R::UpByTwo, "5c 7h 9s", {{0, 2}}},
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
      {C::AnyInDiffColor, R::Down, "9h 9s 8h 7c 6d", {{3, 3}, {4, 4}, {1, 1}, {0, 1}}},
      {C::AnyInDiffColor, R::Down, "Js 8h 7c", {{0, 1}}},
      {C::AnyInSameSuit, R::Down, "9h 9s 8s 7s 6s", {{2, 2}, {4, 4}, {0, 1}}},
      {C::AnyInSameColor, R::Down, "9h 9s 8c 7s 6c", {{2, 2}, {4, 4}, {0, 1}}},
      {C::AnyInSameColor, R::Down, "Tc 8c 7s", {{0, 1}}},
      {C::AnyInSameColor, R::Down, "5d 4h 3h", {{0, 0}}},
      {C::AnyInDiffSuit, R::Down, "9h 8h 7c 6s 5d", {{2, 2}, {1, 1}, {0, 1}, {4, 4}}},
      {C::AnyInDiffSuit, R::Down, "Js 8h 7c", {{0, 1}}},
  };
  for (const auto& c : cases) {
    TableBuilder table;
    Pile& pile = table.AddPile(Taking(c.removal, c.build, c.flags));
    auto cards = Fill(table, pile, c.cards);
    table.Finish();
    for (const auto& [press, lifts] : c.pressLifts)
      EXPECT_EQ(TakeableCard(table.piles(), pile, cards[press]), lifts < 0 ? nullptr : cards[lifts])
          << static_cast<int>(c.removal) << " " << c.cards << " press " << press;
  }
}

// "Before take" forbids taking until every must-be-empty pile is empty, even
// from a "Remove any card" pile; a game without such piles never waits.
TEST(TakeableCard, BeforeTakeWaitsForMustBeEmptyPiles) {
  for (const char* cell : {"none", "", "5s"}) {
    TableBuilder table;
    Pile& plain = table.AddPile(Taking(C::TopCardOnly, R::Down, PileFlags::BeforeTake));
    Pile& anyCard = table.AddPile(
        Taking(C::TopCardOnly, R::Down, PileFlags::BeforeTake | PileFlags::RemoveAnyCard));
    auto p = Fill(table, plain, "2c Jh"), a = Fill(table, anyCard, "2c Jh");
    if (std::string(cell) != "none") Fill(table, table.AddPile(OpenPile(PileFlags::MustBeEmpty)), cell);
    table.Finish();
    const bool open = std::string(cell) != "5s";
    EXPECT_EQ(TakeableCard(table.piles(), plain, p[1]), open ? p[1] : nullptr) << cell;
    EXPECT_EQ(TakeableCard(table.piles(), anyCard, a[0]), open ? a[0] : nullptr) << cell;
  }
}

// The whole-run rules (Any and the "Group in" rules) lift the top card alone
// when it is pressed and the whole run ending at the top when any card
// beneath is; the "Any in" rules lift from the pressed card. No walk extends
// below a face-down or marked card.
TEST(TakeableCard, WholeRunsAndCardsNotFaceUpEndingEveryWalk) {
  const char *sameSuit = "9s 8s 7s 6s", *alternating = "9s 8h 7c 6d";
  const struct {
    C removal;
    const char* run;
    bool wholeRun;
  } cases[] = {
      {C::Any, alternating, true},           {C::GroupInSameColor, sameSuit, true},
      {C::GroupInDiffColor, alternating, true}, {C::GroupInSameSuit, sameSuit, true},
      {C::GroupInDiffSuit, alternating, true}, {C::AnyInSameColor, sameSuit, false},
      {C::AnyInDiffColor, alternating, false}, {C::AnyInSameSuit, sameSuit, false},
      {C::AnyInDiffSuit, alternating, false},
  };
  for (const auto& c : cases) {
    TableBuilder table;
    Pile& pile = table.AddPile(Taking(c.removal, R::Down));
    auto cards = Fill(table, pile, c.run);
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
  const struct {
    C removal;
    uint32_t flags;
    int emptyCells, lifts;  // of three must-be-empty piles; the card a press on the bottom lifts
  } cases[] = {
      {C::AnyInDiffColor, need, 0, 4}, {C::AnyInDiffColor, need, 1, 3},
      {C::AnyInDiffColor, need, 2, 2}, {C::AnyInDiffColor, need, 3, 1},
      {C::AnyInDiffColor, PileFlags::AutoFillSource, 0, 0},
      {C::AnyInSameColor, need, 1, 3}, {C::AnyInDiffSuit, need, 0, 4},
  };
  for (const auto& c : cases) {
    TableBuilder table;
    Pile& pile = table.AddPile(Taking(c.removal, R::Down, c.flags));
    auto cards =
        Fill(table, pile, c.removal == C::AnyInSameColor ? "Ts 9c 8c 7s 6c" : "Ts 9h 8c 7d 6s");
    for (int i = 0; i < 3; ++i)
      Fill(table, table.AddPile(OpenPile(PileFlags::MustBeEmpty)), i >= c.emptyCells ? "Ah" : "");
    table.Finish();
    const Pile* piles = table.piles();
    SCOPED_TRACE(::testing::Message() << static_cast<int>(c.removal) << " " << c.emptyCells);
    EXPECT_EQ(FreeCellCount(piles), c.emptyCells);
    EXPECT_EQ(MustBeEmptyCleared(piles), c.emptyCells == 3);
    EXPECT_EQ(TakeableCard(piles, pile, cards[0]), cards[c.lifts]);
    EXPECT_EQ(TakeableCard(piles, pile, cards[c.lifts]), cards[c.lifts]);  // within the limit
    EXPECT_EQ(TakeableCard(piles, pile, cards[4]), cards[4]);
  }
}

// What the destination holds and its own limits decide too: a face-down top
// card refuses every drop, a face-up or marked one does not; a size limit
// counts the cards there plus the whole group, 0 being no limit; placement
// "None" accepts cards only on an empty pile, "One card" never a group.
TEST(CanDrop, TopCardSizeLimitAndPlacement) {
  const auto none = CardPlacement::None, one = CardPlacement::OneCard, any = CardPlacement::Any;
  const struct {
    const char* dest;
    int count, sizeLimit;
    CardPlacement placement;
    bool allowed;
  } cases[] = {
      {"9s*", 1, 0, any, false}, {"9s* 9c", 1, 0, any, true}, {"9s!", 1, 0, any, true},
      {"", 1, 1, any, true}, {"", 2, 1, any, false}, {"2h", 1, 1, any, false},
      {"2h 3h", 2, 4, any, true}, {"2h 3h", 3, 4, any, false},
      {"Ac 2c 3c 4c 5c 6c 7c 8c 9c Tc", 20, 0, any, true}, {"4c", 3, 0, any, true},
      {"", 1, 0, none, true}, {"", 3, 0, none, true}, {"4c", 1, 0, none, false},
      {"", 1, 0, one, true}, {"", 2, 0, one, false}, {"4c", 1, 0, one, true},
      {"4c", 2, 0, one, false},
  };
  for (const auto& c : cases) {
    PileDef def = OpenPile();
    def.SizeLimit = c.sizeLimit;
    def.Placement = c.placement;
    EXPECT_EQ(Drop(def, c.dest, "3h", c.count), c.allowed)
        << c.dest << " limit " << c.sizeLimit << " placement " << static_cast<int>(c.placement)
        << " group " << c.count;
  }
}

// Under "Low and king" / "Low and ace" a card that is not the named rank needs
// a higher card of its suit on top of a "Top card only" pile other than its source.
TEST(CanDrop, LowAndKingAndLowAndAceNeedAHigherSameSuitTopElsewhere) {
  // Where the nine of hearts lies: on a "Top card only" pile elsewhere, on
  // one that lets cards be taken as a group, buried, on the source or on the
  // destination; or an equal heart, a higher diamond, nothing at all.
  enum Where { Nowhere, TopOnly, AnyRemoval, Equal, Diamond, Buried, OnSource, OnDest, EmptyTop };
  auto drop = [](uint32_t flag, Where nine, const char* card) {
    TableBuilder table;
    Pile& source = table.AddPile(Taking(nine == OnSource ? C::TopCardOnly : C::Any, R::Any));
    Fill(table, source, nine == OnSource ? "9h" : "2c");
    Pile& dest = table.AddPile(Taking(nine == OnDest ? C::TopCardOnly : C::Any, R::Any, flag));
    if (nine == OnDest) Fill(table, dest, "9h");
    Pile& elsewhere = table.AddPile(Taking(nine == AnyRemoval ? C::Any : C::TopCardOnly, R::Any));
    const char* const held[] = {"", "9h", "9h", "5h", "9d", "9h 2s", "2s", "2s", ""};
    Fill(table, elsewhere, held[nine]);
    table.Finish();
    const bool allowed = CanDrop(table.piles(), source, dest, CardOf(card), 1);
    EXPECT_EQ(allowed, HigherOnTopElsewhere(table.piles(), source, CardOf(card)) ||
                           card[0] == (flag == PileFlags::LowAndKing ? 'K' : 'A'));
    return allowed;
  };
  for (uint32_t flag : {PileFlags::LowAndKing, PileFlags::LowAndAce}) {
    const bool king = flag == PileFlags::LowAndKing;
    SCOPED_TRACE(king ? "low and king" : "low and ace");
    EXPECT_TRUE(drop(flag, Nowhere, king ? "Kc" : "Ac"));
    EXPECT_FALSE(drop(flag, Nowhere, king ? "Ac" : "Kc"));
    for (Where nine : {Nowhere, TopOnly, AnyRemoval, Equal, Diamond, Buried, OnSource, OnDest,
                       EmptyTop})
      EXPECT_EQ(drop(flag, nine, "5h"), nine == TopOnly || nine == OnDest) << nine;
  }
}

// "Rank above": an empty pile takes only the rank of the previous pile's
// bottom card, a holding pile any rank in the previous pile (not its own); an
// empty previous pile, or no previous pile at all, refuses.
TEST(CanDrop, RankAboveTakesRanksOfThePreviousPile) {
  const struct {
    const char *prev, *dest, *card;
    bool allowed;
  } cases[] = {
      {"7s 3h Jd", "", "7d", true},    {"7s 3h Jd", "", "3c", false},
      {"7s 3h Jd", "", "Js", false},   {"7s 3h Jd", "", "9h", false},
      {"7s 3h Jd", "2c", "7d", true},  {"7s 3h Jd", "2c", "3c", true},
      {"7s 3h Jd", "2c", "Js", true},  {"7s 3h Jd", "2c", "9h", false},
      {"7s 3h Jd", "2c", "2h", false}, {"", "", "7d", false}, {"", "2c", "7d", false},
  };
  for (const auto& c : cases) {
    TableBuilder table;
    Pile& prev = table.AddPile(OpenPile());
    Pile& dest = table.AddPile(OpenPile(PileFlags::RankAbove));
    Fill(table, prev, c.prev);
    Fill(table, dest, c.dest);
    table.Finish();
    EXPECT_EQ(RankInPrevPile(dest, CardOf(c.card)), c.allowed) << c.prev << "|" << c.dest << "|" << c.card;
    EXPECT_EQ(CanDrop(table.piles(), prev, dest, CardOf(c.card), 1), c.allowed);
  }
  TableBuilder table;  // the first pile of a game has no previous pile: refused, safely
  Pile& first = table.AddPile(OpenPile(PileFlags::RankAbove));
  Pile& source = table.AddPile(OpenPile());
  Fill(table, source, "7s");
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
  Pile& goal = table.AddPile(OpenPile(PileFlags::WinGoal));
  Pile& tableau = table.AddPile(OpenPile());
  Fill(table, source, "4c 9h");
  Fill(table, plainSource, "9c");
  table.Finish();
  const Pile* piles = table.piles();
  EXPECT_TRUE(CanDrop(piles, source, goal, *source.TopCard, 1));
  EXPECT_FALSE(CanDrop(piles, source, tableau, *source.TopCard, 1));
  EXPECT_FALSE(CanDrop(piles, source, source, *source.TopCard, 1));
  EXPECT_TRUE(CanDrop(piles, plainSource, tableau, *plainSource.TopCard, 1));
}

// With a must-be-empty pile holding cards, "Before start" waits only while the
// destination is empty, "Before no column" takes only its own column's
// cards, "Before drop" waits unless the cards come from a must-be-empty pile
// and "Before any" waits whatever the source; once that pile is empty, or in
// a game without one, all four allow the drop.
TEST(CanDrop, BeforeConditionsWaitForTheMustBeEmptyPiles) {
  enum Cell { Absent, Empty, Full };
  enum From { SameColumn, OtherColumn, FromCell };
  // Drops a six from a source onto a pile in column 3; the source in column
  // 3 or 7, or the must-be-empty pile in column 9.
  auto drop = [](uint32_t flags, Cell cell, From from, bool destHoldsCard) {
    TableBuilder table;
    PileDef same = OpenPile(), other = OpenPile(), cellDef = OpenPile(PileFlags::MustBeEmpty),
            destDef = OpenPile(flags);
    same.Column = destDef.Column = 3, same.Row = 6, other.Column = 7, cellDef.Column = 9;
    Pile* sources[] = {&table.AddPile(same), &table.AddPile(other), nullptr};
    Fill(table, *sources[0], "6h");
    Fill(table, *sources[1], "6h");
    if (cell != Absent) Fill(table, *(sources[2] = &table.AddPile(cellDef)), cell == Full ? "6h" : "");
    Pile& dest = table.AddPile(destDef);
    Fill(table, dest, destHoldsCard ? "7s" : "");
    table.Finish();
    return CanDrop(table.piles(), *sources[from], dest, *sources[from]->TopCard, 1);
  };
  const uint32_t start = PileFlags::BeforeStart, column = PileFlags::BeforeNoColumn,
                 dropF = PileFlags::BeforeDrop, any = PileFlags::BeforeAny;
  const struct {
    uint32_t flag;
    Cell cell;
    From from;
    bool destHoldsCard, allowed;
  } cases[] = {
      {start, Full, SameColumn, false, false}, {start, Full, OtherColumn, false, false},
      {start, Full, FromCell, false, true},    {start, Full, OtherColumn, true, true},
      {start, Empty, OtherColumn, false, true}, {column, Full, SameColumn, true, true},
      {column, Full, OtherColumn, true, false}, {column, Full, OtherColumn, false, false},
      {column, Full, FromCell, true, true},  // the cell is in column 9
      {column, Empty, OtherColumn, true, true}, {dropF, Full, SameColumn, true, false},
      {dropF, Full, OtherColumn, false, false}, {dropF, Full, FromCell, true, true},
      {dropF, Empty, OtherColumn, true, true},  {any, Full, SameColumn, true, false},
      {any, Full, FromCell, true, false},       {any, Full, FromCell, false, false},
      {any, Empty, OtherColumn, false, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(drop(c.flag, c.cell, c.from, c.destHoldsCard), c.allowed)
        << c.flag << " cell " << c.cell << " from " << c.from << " holding " << c.destHoldsCard;
  for (uint32_t f : {start, column, dropF, any})
    for (bool holds : {false, true}) EXPECT_TRUE(drop(f, Absent, OtherColumn, holds)) << f;
  TableBuilder table;
  table.AddPile(OpenPile());
  table.Finish();
  EXPECT_TRUE(MustBeEmptyCleared(table.piles()));
  EXPECT_EQ(FreeCellCount(table.piles()), 0);
}

// An empty pile's start rule decides which card may begin it; once the pile
// holds cards the start rule no longer applies, except on the four automatic
// suit piles, which accept no card at all, not even the ace of their suit.
TEST(CanDrop, PileStartDecidesWhatBeginsAnEmptyPile) {
  const int32_t none = -2, anyCard = -1, anyAce = 52, anyTwo = 53, anySeven = 58, anyJack = 62,
                anyQueen = 63, anyKing = 64, anyFace = 69, blank = 70, sevenH = V(6, Hearts);
  const struct {
    int32_t start;
    const char *dest, *card;
    bool accepted;
  } cases[] = {
      {none, "", "As", false}, {none, "", "Kh", false}, {none, "4s", "Qh", true},
      {anyCard, "", "5c", true}, {sevenH, "", "7h", true}, {sevenH, "", "7d", false},
      {sevenH, "", "7s", false}, {sevenH, "", "8h", false}, {V(0, Spades), "", "As", true},
      {V(0, Spades), "", "Ac", false}, {V(12, Diamonds), "", "Kd", true},
      {V(12, Diamonds), "", "Kh", false}, {anyAce, "", "Ad", true}, {anyAce, "", "As", true},
      {anyAce, "", "2s", false}, {anyAce, "", "Ks", false}, {anyQueen, "", "Qc", true},
      {anyQueen, "", "Jc", false}, {anyQueen, "", "Kc", false}, {anyKing, "", "Kh", true},
      {anyKing, "", "Qh", false}, {anyKing, "Ks", "Qh", true}, {anyFace, "", "Js", true},
      {anyFace, "", "Qh", true}, {anyFace, "", "Kd", true}, {anyFace, "", "Tc", false},
      {anyFace, "", "Ac", false}, {blank, "", "3c", true}, {anyTwo, "", "2h", true},
      {anyTwo, "", "Kc", false}, {anyTwo, "", "Ac", false}, {anySeven, "", "7d", true},
      {anySeven, "", "6d", false}, {anyJack, "", "Jc", true}, {anyJack, "", "5h", false},
      {anyJack, "", "Qh", false}, {65, "", "As", false}, {66, "", "Kc", false},
      {67, "Ah", "2h", false}, {68, "", "Ad", false},
  };
  for (const auto& c : cases) {
    PileDef def = OpenPile();
    def.PileStart = static_cast<PileStart>(c.start);
    EXPECT_EQ(Drop(def, c.dest, c.card), c.accepted) << c.start << " " << c.dest << " " << c.card;
  }
}

// Every rank build compares the dropped card's rank (second) with the top
// card's (first).
TEST(CanDrop, RankBuildComparesWithTheTopCard) {
  const struct {
    R build;
    const char* ranks;
    bool accepted;
  } cases[] = {
      {R::None, "5K", 1}, {R::Any, "5A", 1}, {R::Up, "56", 1}, {R::Up, "54", 0}, {R::Up, "55", 0},
      {R::Up, "KA", 0}, {R::Down, "65", 1}, {R::Down, "56", 0}, {R::Down, "AK", 0},
      {R::UpByTwo, "57", 1}, {R::UpByTwo, "JK", 1}, {R::UpByTwo, "56", 0},
      {R::UpByTwo, "QA", 0}, {R::DownByTwo, "75", 1}, {R::DownByTwo, "76", 0},
      {R::DownByTwo, "AQ", 0}, {R::UpOrDown, "56", 1}, {R::UpOrDown, "54", 1},
      {R::UpOrDown, "55", 0}, {R::UpOrDown, "KA", 0}, {R::UpOrDown, "AK", 0},
      {R::UpOrDownWrapping, "KA", 1}, {R::UpOrDownWrapping, "AK", 1},
      {R::UpOrDownWrapping, "54", 1}, {R::UpOrDownWrapping, "57", 0},
      {R::UpOrDownWrapping, "55", 0}, {R::UpOrDownWrapping, "QA", 0}, {R::UpWrapping, "QA", 0},
      {R::UpWrapping, "KA", 1}, {R::UpWrapping, "56", 1}, {R::UpWrapping, "AK", 0},
      {R::UpWrapping, "65", 0}, {R::UpByTwoWrapping, "24", 1}, {R::UpByTwoWrapping, "QA", 1},
      {R::UpByTwoWrapping, "JK", 1}, {R::UpByTwoWrapping, "K2", 0},
      {R::UpByTwoWrapping, "23", 0}, {R::UpByThreeWrapping, "36", 1},
      {R::UpByThreeWrapping, "Q2", 1}, {R::UpByThreeWrapping, "TK", 1},
      {R::UpByThreeWrapping, "K3", 0}, {R::UpByThreeWrapping, "35", 0},
      {R::UpByFourWrapping, "48", 1}, {R::UpByFourWrapping, "Q3", 1},
      {R::UpByFourWrapping, "9K", 1}, {R::UpByFourWrapping, "K4", 0},
      {R::UpByFourWrapping, "47", 0}, {R::Same, "55", 1}, {R::Same, "56", 0},
  };
  for (const auto& c : cases) {
    PileDef def = OpenPile();
    def.RankBuild = c.build;
    const std::string top = {c.ranks[0], 's'}, card = {c.ranks[1], 'h'};
    EXPECT_EQ(Drop(def, top.c_str(), card.c_str()), c.accepted)
        << static_cast<int>(c.build) << " " << c.ranks;
  }
}

// Every suit build compares the dropped card's suit with the top card's; an
// empty pile has no top card and skips the test.
TEST(CanDrop, SuitBuildComparesWithTheTopCard) {
  const struct {
    S build;
    const char *top, *card;
    bool accepted;
  } cases[] = {
      {S::None, "9s", "8h", 1}, {S::Any, "9s", "8s", 1}, {S::SameColor, "9h", "8d", 1},
      {S::SameColor, "9s", "8c", 1}, {S::SameColor, "9s", "8d", 0}, {S::DiffColor, "9s", "8h", 1},
      {S::DiffColor, "9d", "8c", 1}, {S::DiffColor, "9h", "8d", 0}, {S::SameSuit, "9c", "8c", 1},
      {S::SameSuit, "9c", "8s", 0}, {S::DiffSuit, "9c", "8s", 1}, {S::DiffSuit, "9h", "8h", 0},
  };
  for (const auto& c : cases) {
    PileDef def = OpenPile();
    def.SuitBuild = c.build;
    EXPECT_EQ(Drop(def, c.top, c.card), c.accepted) << static_cast<int>(c.build) << c.top << c.card;
    EXPECT_TRUE(Drop(def, "", c.card));
  }
}

// Only the group's bottom card is tested against the destination; rule
// values no editor writes (a damaged library file): an unknown removal takes
// nothing, unknown placement, builds and start restrict nothing.
TEST(CanDrop, OnlyTheGroupsBottomCardIsTestedAndUnknownRulesAllowAll) {
  TableBuilder table;
  Pile& source = table.AddPile(OpenPile());
  PileDef def = OpenPile();
  def.RankBuild = R::Down;
  def.SuitBuild = S::DiffColor;
  Pile& dest = table.AddPile(def);
  auto group = Fill(table, source, "6h Kh 2d");
  Fill(table, dest, "7c");
  Pile& odd = table.AddPile(Taking(static_cast<C>(42), R::Down));
  auto cards = Fill(table, odd, "9s 8h");
  PileDef strange = OpenPile();
  strange.Placement = static_cast<CardPlacement>(7);
  strange.RankBuild = static_cast<R>(99);
  strange.SuitBuild = static_cast<S>(-9);
  strange.PileStart = static_cast<PileStart>(500);
  Pile& empty = table.AddPile(strange);
  Pile& holding = table.AddPile(strange);
  Fill(table, holding, "2h");
  table.Finish();
  EXPECT_TRUE(CanDrop(table.piles(), source, dest, *group[0], 3));
  EXPECT_EQ(TakeableCard(table.piles(), odd, cards[1]), nullptr);
  EXPECT_EQ(TakeableCard(table.piles(), odd, cards[0]), nullptr);
  EXPECT_TRUE(CanDrop(table.piles(), odd, empty, CardOf("Kc"), 3));
  EXPECT_TRUE(CanDrop(table.piles(), odd, holding, CardOf("Kc"), 3));
}

// A pile at (5, 5) is covered by a later non-empty pile within one column and
// one row: each case lists the piles before it and after it as column, row,
// holds cards.
TEST(IsCovered, LaterHoldingNeighbourCovers) {
  using Spots = std::vector<std::array<int, 3>>;
  const struct {
    Spots before, after;
    bool covered;
  } cases[] = {
      {{}, {}, false}, {{}, {{6, 6, 1}}, true}, {{}, {{4, 4, 1}}, true}, {{}, {{5, 5, 1}}, true},
      {{}, {{4, 6, 1}}, true}, {{}, {{7, 5, 1}, {5, 7, 1}, {3, 3, 1}}, false},
      {{}, {{6, 6, 0}}, false}, {{{6, 6, 1}, {5, 5, 1}}, {}, false},
      {{}, {{20, 0, 1}, {9, 9, 0}, {5, 4, 1}}, true},
  };
  for (const auto& c : cases) {
    TableBuilder table;
    auto add = [&table](std::array<int, 3> s) -> Pile& {
      PileDef def = OpenPile();
      def.Column = s[0], def.Row = s[1];
      Pile& pile = table.AddPile(def);
      Fill(table, pile, s[2] ? "2c" : "");
      return pile;
    };
    for (auto s : c.before) add(s);
    Pile& target = add({5, 5, 1});
    for (auto s : c.after) add(s);
    table.Finish();
    EXPECT_EQ(IsCovered(target), c.covered) << c.before.size() << " " << c.after.size();
  }
}

// Walking up from the bottom, IsDeeper is true when b comes before a.
TEST(IsDeeper, TrueWhenBLiesBelowA) {
  TableBuilder table;
  Pile& pile = table.AddPile(OpenPile());
  Pile& empty = table.AddPile(OpenPile());
  auto c = Fill(table, pile, "2c 5h 9s");
  Card* outsider = Fill(table, table.AddPile(OpenPile()), "As")[0];
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
