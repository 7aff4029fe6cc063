// Move legality from the pile rules alone: what a press lifts, where a group may drop.
#include "engine/rules/legality.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
using C = CardRemoval;
using R = RankBuild;
using S = SuitBuild;

const std::string kRanks = "A23456789TJQK", kSuits = "schd";
int32_t RankOf(char r) { return static_cast<int32_t>(kRanks.find(r)); }
// One card written "9h": rank then suit.
Card CardOf(const char* t) {
  Card card;
  card.Value = V(RankOf(t[0]), static_cast<int32_t>(kSuits.find(t[1])));
  return card;
}

// Pushes cards written "9h Ts 2c* 5d!" (bottom first; * face down, ! marked).
std::vector<Card*> Fill(TableBuilder& table, Pile& pile, const std::string& text) {
  std::vector<Card*> cards;
  for (size_t i = 0; i + 1 < text.size(); i += 3) {
    const char mark = i + 2 < text.size() ? text[i + 2] : ' ';
    const int32_t face = mark == '*' ? FaceDown : mark == '!' ? Marked : FaceUp;
    cards.push_back(&table.Push(pile, CardOf(&text[i]).Value, face));
    if (mark == '*' || mark == '!') ++i;
  }
  return cards;
}

// A pile that lets cards be taken by `removal` and builds by `build`.
PileDef Taking(C removal, R build, uint32_t flags = PileFlags::AutoFillSource) {
  PileDef def = OpenPile(flags);
  def.Removal = removal, def.RankBuild = build;
  return def;
}

// Adds a pile with `flags` (0: a plain one) taking by `removal` at (column, row), holding `cards`.
Pile& Add(TableBuilder& table, uint32_t flags, const std::string& cards, C removal = C::Any,
          int column = 0, int row = 0) {
  PileDef def = Taking(removal, R::Any, flags ? flags : PileFlags::AutoFillSource);
  def.Column = column, def.Row = row;
  Pile& pile = table.AddPile(def);
  Fill(table, pile, cards);
  return pile;
}

// Whether `card` (bottom of a group of `count`) may go on a pile `def` holding `dest`.
bool Drop(const PileDef& def, const char* dest, const char* card, int count = 1,
          uint32_t sourceFlags = PileFlags::AutoFillSource) {
  TableBuilder table;
  Pile& source = table.AddPile(OpenPile(sourceFlags));
  Pile& pile = table.AddPile(def);
  Fill(table, pile, dest);
  table.Finish();
  return CanDrop(table.piles(), source, pile, CardOf(card), count);
}

// Each wrapping sequence admits only its twelve consecutive pairs; nothing follows the king.
TEST(WrapSequences, ByTwoThreeAndFourAdmitOnlyConsecutiveEntries) {
  const struct { bool (*next)(int32_t, int32_t); std::string order; } sequences[] = {
      {NextByTwo, "2468TQA3579JK"}, {NextByThree, "369Q258JA47TK"}, {NextByFour, "48Q37J26TA59K"}};
  for (const auto& seq : sequences)
    for (int32_t t = 0; t < 13; ++t)
      for (int32_t c = 0; c < 13; ++c) {
        const size_t k = seq.order.find(kRanks[t]);
        EXPECT_EQ(seq.next(t, c), k < 12 && RankOf(seq.order[k + 1]) == c)
            << seq.order << " t=" << t << " c=" << c;
      }
}

// The card a press on card `press` of a pile written `cards` lifts (-1 nothing).
int Lift(C removal, R build, const std::string& cards, int press, uint32_t flags = 0) {
  TableBuilder table;
  Pile& pile = table.AddPile(Taking(removal, build, flags | PileFlags::AutoFillSource));
  auto c = Fill(table, pile, cards);
  table.Finish();
  const Card* lifted = TakeableCard(table.piles(), pile, c[press]);
  return lifted ? static_cast<int>(std::find(c.begin(), c.end(), lifted) - c.begin()) : -1;
}

// Where each removal rule's walk stops: rank step, colour, twin, suit; what the others lift.
TEST(TakeableCard, EachRemovalRuleStopsItsWalkWhereItsRuleSays) {
  const R up = R::Up, down = R::Down;
  const struct { C removal; R build; const char* cards; int press, lifts; uint32_t flags = 0; }
  cases[] = {
      {C::Any, up, "6d 7s 8c 8h", 0, 2}, {C::Any, R::DownByTwo, "Ts 9d 7c 5h", 0, 1},
      {C::GroupInSameColor, down, "9h 8s 7c 6s", 0, 1},
      {C::GroupInSameColor, down, "Tc 8s 7c", 0, 1},
      {C::GroupInDiffColor, down, "9s 8s 7d 6c", 0, 1}, {C::AnyInDiffColor, down, "Js 8h 7c", 0, 1},
      {C::GroupInSameSuit, up, "4c 6h 6h", 0, 1}, {C::GroupInSameSuit, up, "6d 6h", 0, 1},
      {C::GroupInSameSuit, down, "8s 8h 7h 6h", 0, 1},
      {C::GroupInDiffSuit, down, "2c* 3d Ks 9h 5s", 2, 1},
      {C::GroupInDiffSuit, down, "8d 7h 6h 5s", 0, 2}, {C::AnyInDiffSuit, down, "Js 8h 7c", 0, 1},
      {C::AnyInDiffSuit, down, "9h 8h 7c 6s 5d", 0, 1},
      {C::AnyInAnySuit, down, "9h 8h 7c 6s 5d", 1, 1}, {C::AnyInAnySuit, down, "Tc 8s 7c", 0, 1},
      {C::AnyInAnySuit, R::Up, "6d 7s 8c 8h", 1, 2},
      {C::GroupInAnySuit, down, "Ks* 3h 9c", 1, 1}, {C::GroupInAnySuit, down, "Ks* 3h 9c", 0, 0},
      {C::TopCardOnly, down, "8s 7h", 0, 1}, {C::None, down, "8s 7h", 1, -1},
      {C::TopCardOnly, down, "2c Jh", 0, 0, PileFlags::RemoveAnyCard},
      {static_cast<C>(42), down, "9s 8h", 0, -1},  // a removal no editor writes
  };
  for (const auto& c : cases)
    EXPECT_EQ(Lift(c.removal, c.build, c.cards, c.press, c.flags), c.lifts)
        << static_cast<int>(c.removal) << " " << c.cards << " press " << c.press;
}

// Whole-run rules lift the top card or the run, "Any in" from the press; faces end walks.
TEST(TakeableCard, WholeRunsAndCardsNotFaceUpEndingEveryWalk) {
  const std::string sameSuit = "9s 8s 7s 6s", alternating = "9s 8h 7c 6d";
  const struct { C removal; std::string run; bool wholeRun; } cases[] = {
      {C::Any, alternating, true},           {C::GroupInSameColor, sameSuit, true},
      {C::GroupInDiffColor, alternating, true}, {C::GroupInSameSuit, sameSuit, true},
      {C::GroupInDiffSuit, alternating, true}, {C::AnyInSameColor, sameSuit, false},
      {C::AnyInDiffColor, alternating, false}, {C::AnyInSameSuit, sameSuit, false},
      {C::AnyInDiffSuit, alternating, false}, {C::AnyInAnySuit, alternating, false},
  };
  for (const auto& c : cases) {
    const std::string down = std::string(c.run).insert(5, "*");
    const std::string marked = std::string(c.run).insert(5, "!");
    EXPECT_EQ((std::array{Lift(c.removal, R::Down, c.run, 3), Lift(c.removal, R::Down, c.run, 2),
                          Lift(c.removal, R::Down, c.run, 0), Lift(c.removal, R::Down, down, 0),
                          Lift(c.removal, R::Down, marked, 0)}),
              (std::array{3, c.wholeRun ? 0 : 2, 0, 2, 2}))
        << static_cast<int>(c.removal);
  }
}

// "Before take" waits for empty cells; "Need free cells" limits groups to cells plus one.
TEST(TakeableCard, BeforeTakeAndNeedFreeCellsCountTheMustBeEmptyPiles) {
  for (const char* cell : {"none", "", "5s"}) {
    TableBuilder table;
    const uint32_t before = PileFlags::BeforeTake, any = before | PileFlags::RemoveAnyCard;
    Card* top = Add(table, before, "2c Jh", C::TopCardOnly).TopCard;
    Card* bottom = Add(table, any, "2c Jh", C::TopCardOnly).BottomCard;
    if (std::string(cell) != "none") Add(table, PileFlags::MustBeEmpty, cell);
    table.Finish();
    const bool open = std::string(cell) != "5s";
    EXPECT_EQ(TakeableCard(table.piles(), table.piles()[0], top), open ? top : nullptr) << cell;
    EXPECT_EQ(TakeableCard(table.piles(), table.piles()[1], bottom), open ? bottom : nullptr)
        << cell;
  }
  const uint32_t need = PileFlags::NeedFreeCells;
  const struct { uint32_t flags; int emptyCells, lifts; } cases[] = {
      {need, 0, 4}, {need, 2, 2}, {need, 3, 1}, {PileFlags::AutoFillSource, 0, 0}};
  for (const auto& c : cases) {
    TableBuilder table;
    Pile& pile = table.AddPile(Taking(C::AnyInDiffColor, R::Down, c.flags));
    auto cards = Fill(table, pile, "Ts 9h 8c 7d 6s");
    for (int i = 0; i < 3; ++i) Add(table, PileFlags::MustBeEmpty, i >= c.emptyCells ? "Ah" : "");
    table.Finish();
    const Pile* piles = table.piles();
    SCOPED_TRACE(c.emptyCells);
    EXPECT_EQ(FreeCellCount(piles), c.emptyCells);
    EXPECT_EQ(MustBeEmptyCleared(piles), c.emptyCells == 3);
    EXPECT_EQ(TakeableCard(piles, pile, cards[0]), cards[c.lifts]);
    EXPECT_EQ(TakeableCard(piles, pile, cards[c.lifts]), cards[c.lifts]);  // within the limit
  }
}

// Face-down tops refuse; size limits count the group; placement "None" and "One card";
// "Foundations only" cards go only to goals; unknown rule values (a damaged library) allow all.
TEST(CanDrop, TopCardSizeLimitAndPlacement) {
  const auto none = CardPlacement::None, one = CardPlacement::OneCard, any = CardPlacement::Any;
  const struct { const char* dest; int count, sizeLimit; CardPlacement place; bool ok; } cases[] = {
      {"9s*", 1, 0, any, false}, {"9s* 9c", 1, 0, any, true}, {"9s!", 1, 0, any, true},
      {"", 1, 1, any, true}, {"", 2, 1, any, false}, {"2h", 1, 1, any, false},
      {"2h 3h", 2, 4, any, true}, {"2h 3h", 3, 4, any, false},
      {"Ac 2c 3c 4c 5c 6c 7c 8c 9c Tc", 20, 0, any, true}, {"", 3, 0, none, true},
      {"4c", 1, 0, none, false}, {"", 2, 0, one, false}, {"4c", 1, 0, one, true},
  };
  for (const auto& c : cases) {
    PileDef def = OpenPile();
    def.SizeLimit = c.sizeLimit, def.Placement = c.place;
    EXPECT_EQ(Drop(def, c.dest, "3h", c.count), c.ok)
        << c.dest << " limit " << c.sizeLimit << " placement " << static_cast<int>(c.place)
        << " group " << c.count;
  }
  EXPECT_TRUE(Drop(OpenPile(PileFlags::WinGoal), "", "9h", 1, PileFlags::FoundationsOnly));
  EXPECT_FALSE(Drop(OpenPile(), "", "9h", 1, PileFlags::FoundationsOnly));
  PileDef strange = OpenPile();
  strange.Placement = static_cast<CardPlacement>(7), strange.RankBuild = static_cast<R>(99);
  strange.SuitBuild = static_cast<S>(-9), strange.PileStart = static_cast<PileStart>(500);
  EXPECT_TRUE(Drop(strange, "", "Kc", 3));
  EXPECT_TRUE(Drop(strange, "2h", "Kc", 3));
}

// "Low and king"/"Low and ace" need a higher same-suit top card on another top-only pile.
TEST(CanDrop, LowAndKingAndLowAndAceNeedAHigherSameSuitTopElsewhere) {
  // Where the nine of hearts lies (or an equal heart, a higher diamond).
  enum Where { Nowhere, TopOnly, AnyRemoval, Equal, Diamond, Buried, OnSource, OnDest };
  auto drop = [](uint32_t flag, Where nine, const char* card) {
    const char* const held[] = {"", "9h", "9h", "5h", "9d", "9h 2s", "2s", "2s"};
    TableBuilder table;
    const C top = C::TopCardOnly, any = C::Any;
    Pile& source = Add(table, 0, nine == OnSource ? "9h" : "2c", nine == OnSource ? top : any);
    Pile& dest = Add(table, flag, nine == OnDest ? "9h" : "", nine == OnDest ? top : any);
    Add(table, 0, held[nine], nine == AnyRemoval ? any : top);
    table.Finish();
    return CanDrop(table.piles(), source, dest, CardOf(card), 1);
  };
  for (uint32_t flag : {PileFlags::LowAndKing, PileFlags::LowAndAce}) {
    const bool king = flag == PileFlags::LowAndKing;
    SCOPED_TRACE(king ? "low and king" : "low and ace");
    EXPECT_TRUE(drop(flag, Nowhere, king ? "Kc" : "Ac"));
    EXPECT_FALSE(drop(flag, Nowhere, king ? "Ac" : "Kc"));
    for (Where nine : {Nowhere, TopOnly, AnyRemoval, Equal, Diamond, Buried, OnSource, OnDest})
      EXPECT_EQ(drop(flag, nine, "5h"), nine == TopOnly || nine == OnDest) << nine;
  }
}

// "Rank above" takes the previous pile's bottom rank, then any of its ranks; none: refused.
TEST(CanDrop, RankAboveTakesRanksOfThePreviousPile) {
  const struct { const char *prev, *dest, *card; bool allowed, first = false; } cases[] = {
      {"7s 3h Jd", "", "7d", true},   {"7s 3h Jd", "", "3c", false}, {"7s 3h Jd", "2c", "3c", true},
      {"7s 3h Jd", "2c", "Js", true}, {"7s 3h Jd", "2c", "9h", false},
      {"7s 3h Jd", "2c", "2h", false}, {"", "", "7d", false}, {"7s", "", "7d", false, true},
  };
  for (const auto& c : cases) {
    TableBuilder table;
    const uint32_t above = PileFlags::RankAbove;
    Pile& first = Add(table, c.first ? above : 0, c.first ? c.dest : c.prev);
    Pile& second = Add(table, c.first ? 0 : above, c.first ? c.prev : c.dest);
    Pile &prev = c.first ? second : first, &dest = c.first ? first : second;
    table.Finish();
    EXPECT_EQ(RankInPrevPile(dest, CardOf(c.card)), c.allowed)
        << c.prev << "|" << c.dest << "|" << c.card;
    EXPECT_EQ(CanDrop(table.piles(), prev, dest, CardOf(c.card), 1), c.allowed);
  }
}

// The four Before conditions wait for a full must-be-empty pile, each in its own way.
TEST(CanDrop, BeforeConditionsWaitForTheMustBeEmptyPiles) {
  enum Cell { Absent, Empty, Full };
  enum From { SameColumn, OtherColumn, FromCell };
  // Drops a six on column 3 from column 3, column 7 or the cell in column 9.
  auto drop = [](uint32_t flags, Cell cell, From from, bool destHoldsCard) {
    TableBuilder table;
    Pile* sources[] = {&Add(table, 0, "6h", C::Any, 3, 6), &Add(table, 0, "6h", C::Any, 7),
                       nullptr};
    if (cell != Absent)
      sources[2] = &Add(table, PileFlags::MustBeEmpty, cell == Full ? "6h" : "", C::Any, 9);
    Pile& dest = Add(table, flags, destHoldsCard ? "7s" : "", C::Any, 3);
    table.Finish();
    return CanDrop(table.piles(), *sources[from], dest, *sources[from]->TopCard, 1);
  };
  const uint32_t start = PileFlags::BeforeStart, column = PileFlags::BeforeNoColumn,
                 dropF = PileFlags::BeforeDrop, any = PileFlags::BeforeAny;
  const struct { uint32_t flag; Cell cell; From from; bool destHoldsCard, allowed; } cases[] = {
      {start, Full, SameColumn, false, false}, {start, Full, FromCell, false, true},
      {start, Full, OtherColumn, true, true},  {start, Empty, OtherColumn, false, true},
      {column, Full, SameColumn, true, true},  {column, Full, OtherColumn, true, false},
      {column, Full, FromCell, true, true},  // the cell is in column 9
      {column, Empty, OtherColumn, true, true}, {dropF, Full, SameColumn, true, false},
      {dropF, Full, FromCell, true, true},     {dropF, Empty, OtherColumn, true, true},
      {any, Full, FromCell, true, false},      {any, Empty, OtherColumn, false, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(drop(c.flag, c.cell, c.from, c.destHoldsCard), c.allowed)
        << c.flag << " cell " << c.cell << " from " << c.from << " holding " << c.destHoldsCard;
  for (uint32_t f : {start, column, dropF, any})
    EXPECT_TRUE(drop(f, Absent, OtherColumn, false)) << f;
}

// The start rule decides what begins an empty pile; automatic suit piles take nothing.
TEST(CanDrop, PileStartDecidesWhatBeginsAnEmptyPile) {
  const struct { int32_t start; const char *accepts, *refuses; } cases[] = {
      {-2, "", "As Kh"}, {-1, "5c", ""}, {V(6, Hearts), "7h", "7d 8h"}, {V(0, Spades), "As", "Ac"},
      {V(12, Diamonds), "Kd", "Kh"}, {52, "Ad", "2s"}, {53, "2h", "Ac"}, {63, "Qc", "Kc"},
      {64, "Kh", "Qh"}, {69, "Js Kd", "Tc"}, {70, "3c", ""}, {65, "", "As"}, {66, "", "Kc"},
      {67, "", "Ah"}, {68, "", "Ad"},
  };
  for (const auto& c : cases) {
    PileDef def = OpenPile();
    def.PileStart = static_cast<PileStart>(c.start);
    for (bool accepted : {true, false})
      for (const char* t = accepted ? c.accepts : c.refuses; *t; t += t[2] ? 3 : 2)
        EXPECT_EQ(Drop(def, "", std::string(t, 2).c_str()), accepted) << c.start << " " << t;
    EXPECT_EQ(Drop(def, "Ah", "Qh"), c.start < 65 || c.start > 68) << c.start << " holding a card";
  }
}

// Rank and suit builds compare with the top card ("5s6h": 6h on 5s); empty piles skip.
TEST(CanDrop, RankAndSuitBuildsCompareWithTheTopCard) {
  const S any = S::Any;
  const struct { R rank; S suit; const char *accepts, *refuses; } cases[] = {
      {R::None, any, "5sKh", ""}, {R::Any, any, "5sAh", ""}, {R::Up, any, "5s6h", "5s4h KsAh"},
      {R::Down, any, "6s5h", "5s6h AsKh"}, {R::UpByTwo, any, "5s7h", "5s6h QsAh"},
      {R::DownByTwo, any, "7s5h", "7s6h"}, {R::UpOrDown, any, "5s6h 5s4h", "KsAh"},
      {R::UpOrDownWrapping, any, "KsAh AsKh 5s4h", "5s7h"},
      {R::UpWrapping, any, "KsAh 5s6h", "AsKh"},
      {R::UpByTwoWrapping, any, "QsAh", "2s3h"}, {R::UpByThreeWrapping, any, "Qs2h", "3s5h"},
      {R::UpByFourWrapping, any, "Qs3h", "4s7h"}, {R::Same, any, "5s5h", "5s6h"},
      {R::Any, S::None, "9s8h", ""}, {R::Any, S::SameColor, "9h8d 9s8c", "9s8d"},
      {R::Any, S::DiffColor, "9s8h 9d8c", "9h8d"}, {R::Any, S::SameSuit, "9c8c", "9c8s"},
      {R::Any, S::DiffSuit, "9c8s", "9h8h"},
  };
  for (const auto& c : cases) {
    PileDef def = OpenPile();
    def.RankBuild = c.rank, def.SuitBuild = c.suit;
    for (bool accepted : {true, false})
      for (const char* t = accepted ? c.accepts : c.refuses; *t; t += t[4] ? 5 : 4) {
        const std::string top(t, 2), card(t + 2, 2);
        EXPECT_EQ(Drop(def, top.c_str(), card.c_str()), accepted) << top << card;
        EXPECT_TRUE(Drop(def, "", card.c_str()));
      }
  }
}

// A pile at (5, 5) is covered by a later holding pile within one cell (column, row, holds).
TEST(IsCovered, LaterHoldingNeighbourCovers) {
  using Spots = std::vector<std::array<int, 3>>;
  const struct { Spots before, after; bool covered; } cases[] = {
      {{}, {}, false}, {{}, {{6, 6, 1}}, true}, {{}, {{4, 4, 1}}, true},
      {{}, {{7, 5, 1}, {5, 7, 1}, {3, 3, 1}}, false}, {{}, {{6, 6, 0}}, false},
      {{{6, 6, 1}, {5, 5, 1}}, {}, false},
  };
  for (const auto& c : cases) {
    TableBuilder table;
    auto add = [&table](std::array<int, 3> s) -> Pile& {
      return Add(table, 0, s[2] ? "2c" : "", C::Any, s[0], s[1]);
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
  // b below a, a below b, b met but a never, a met first, nothing met.
  EXPECT_EQ((std::array{IsDeeper(pile, c[2], c[0]), IsDeeper(pile, c[0], c[2]),
                        IsDeeper(pile, outsider, c[1]), IsDeeper(pile, c[1], outsider),
                        IsDeeper(pile, outsider, nullptr), IsDeeper(empty, c[0], c[1])}),
            (std::array{true, false, true, false, false, false}));
}

}  // namespace
}  // namespace tarnik
