// The pile editor without its window: view, bars, radios, lists, flags, piles and OK.
#include "engine/editor/pile_editor.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>
#include <climits>
#include <cstring>
#include <tuple>

#include "engine/cards/pile_ops.h"
#include "engine/library/library.h"
#include "support/play_table.h"

namespace tarnik {
namespace {

using namespace testing;

// Three piles: two that deal 20 cards each and an empty goal.
GameDef ThreePiles() {
  GameDef g = testing::NamedGame("Three");
  g.Piles[0] = MakePile(0, 2, PileFlags::AutoPlay, RankBuild::Down, SuitBuild::DiffColor);
  g.Piles[1] = MakePile(2, 2, PileFlags::AutoPlay | PileFlags::AutoFillSource);
  g.Piles[0].InitialSize = g.Piles[1].InitialSize = 20, g.Piles[0].InitialFaceDown = 5;
  g.Piles[2] = MakePile(4, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                        CardRemoval::None, PileStart::AnyAce);
  return g;
}

// The view as a row: six radios, two list selections, three boxes, three bars' min, max, pos.
std::vector<int32_t> Shown(const PileEditorView& v) {
  std::vector<int32_t> out = {v.Placement, v.RankBuild, v.SuitBuild,     v.Removal,
                              v.Direction, v.Start,     v.SuitSelection, v.RankSelection};
  out.insert(out.end(), v.Box, v.Box + 3);
  for (const BarView& bar : v.Bar) out.insert(out.end(), {bar.Min, bar.Max, bar.Pos});
  return out;
}

struct PileEditorTest : ::testing::Test {
  // Opens the editor on pile `i`, as a left press on it in edit mode does.
  PileEditor Open(int i) {
    t.game->EditPile = &t.P(i);
    return PileEditor(*t.game);
  }
  // Cards dealt to the piles in use.
  int32_t Dealt() {
    int32_t n = 0;
    for (int i = 0; i < CountPiles(t.game->PileTable); ++i) n += t.P(i).Count;
    return n;
  }
  // Game 0 as the library file holds it now.
  GameDef Stored() { return StoredGame(t.game->library.Path); }

  PlayTable t{ThreePiles()};
};

// The view: radios, boxes, bar ranges, a start card's lists; unknown values check nothing.
TEST_F(PileEditorTest, OpensOnThePilesRules) {
  t.P(0).SizeLimit = 9, t.P(0).Direction = PileDirection::Vertical;
  t.P(0).Placement = CardPlacement::Any, t.P(0).Removal = CardRemoval::TopCardOnly;
  t.P(0).PileStart = PileStart::AnyKing;
  const PileEditorView v = Open(0).View();
  EXPECT_EQ(v.Flags, PileFlags::AutoPlay);
  // Size: 20 of its own and 12 nobody claims; face down: its size; limit: the deck.
  EXPECT_EQ(Shown(v), (std::vector<int32_t>{4201, 4303, 4403, 4607, 4703, 4515, 0, 0, 20, 5, 9,
                                             0, 32, 20, 0, 20, 5, 0, 52, 9}));
  const struct { int32_t start; int radio, suit, rank; } cases[] = {
      {46, 4502, 2, 11},  // queen of hearts
      {-2, 4500, 0, 0}, {70, 4521, 0, 0}, {71, 0, 0, 0}, {INT32_MAX, 0, 0, 0}};
  for (const auto& c : cases) {
    t.P(2).PileStart = static_cast<PileStart>(c.start);
    const PileEditorView v = Open(2).View();
    EXPECT_EQ((std::array{v.Start, v.SuitSelection, v.RankSelection}),
              (std::array{c.radio, c.suit, c.rank}))
        << c.start;
  }
  t.P(2).RankBuild = static_cast<RankBuild>(INT32_MAX);
  t.P(2).Removal = static_cast<CardRemoval>(INT32_MIN);
  EXPECT_EQ(std::make_pair(Open(2).View().RankBuild, Open(2).View().Removal),
            std::make_pair(0, 0));
}

// Bars stop at the deck left, the size and 0; a smaller size keeps the face-down count.
TEST_F(PileEditorTest, BarStepsStopWhereTheDeckAndTheSizeEnd) {
  PileEditor goal = Open(2);
  const int redraws = t.display.redraws;
  goal.Scroll(PileBar::InitialSize, ScrollAction::PageRight);
  EXPECT_EQ((std::array{t.P(2).InitialSize, goal.View().Box[0], goal.View().Bar[0].Pos,
                        t.P(2).Count, Dealt()}),
            (std::array{12, 12, 12, 12, 52}));
  EXPECT_GT(t.display.redraws, redraws);
  goal.Scroll(PileBar::InitialSize, ScrollAction::ThumbTrack, 30);
  EXPECT_EQ(t.P(2).InitialSize, 12);
  goal.Scroll(PileBar::InitialSize, ScrollAction::PageLeft);
  EXPECT_EQ(std::make_pair(t.P(2).InitialSize, Dealt()), std::make_pair(0, 40));

  t.P(1).Flags = 0, t.P(0).InitialSize = 50, t.P(0).SizeLimit = 51;  // pile 0 alone
  PileEditor e = Open(0);
  using A = ScrollAction;
  const PileBar size = PileBar::InitialSize, down = PileBar::FaceDown, limit = PileBar::SizeLimit;
  const struct { PileBar bar; std::vector<ScrollAction> actions; int32_t value; } steps[] = {
      {size, {A::LineRight, A::LineRight}, 51}, {size, {A::PageRight}, 52},
      {size, {A::ThumbTrack}, 6}, {down, {A::LineRight, A::LineRight}, 6},
      {down, {A::PageLeft, A::LineLeft}, 0}, {down, {A::PageRight}, 6},
      {limit, {A::LineRight, A::LineRight}, 52}, {limit, {A::ThumbTrack}, 17},
      {limit, {A::ThumbReleased}, 17},
  };
  const int32_t* fields[] = {&t.P(0).InitialSize, &t.P(0).InitialFaceDown, &t.P(0).SizeLimit};
  for (const auto& s : steps) {
    for (ScrollAction a : s.actions) e.Scroll(s.bar, a, s.value);
    const int bar = static_cast<int>(s.bar);
    EXPECT_EQ(std::make_pair(*fields[bar], e.View().Box[bar]), std::make_pair(s.value, s.value))
        << bar;
  }
  e.Scroll(PileBar::InitialSize, ScrollAction::ThumbTrack, 2);
  EXPECT_EQ(t.P(0).InitialFaceDown, 6);
  for (const Card* c = t.P(0).BottomCard; c; c = c->Above) EXPECT_EQ(c->Face, FaceDown);
}

// Radios store id minus base and deal afresh; "Specific card" follows the lists; no save.
TEST_F(PileEditorTest, RadioButtonsAndListsStoreTheirValues) {
  // Words 5 to 10: direction, placement, rank build, suit build, start, removal.
  const struct { int id, word, value; } clicks[] = {
      {4200, 6, -2}, {4202, 6, 0}, {4300, 7, -2}, {4312, 7, 10}, {4405, 8, 3}, {4601, 10, -1},
      {4612, 10, 10}, {4700, 5, -2}, {4704, 5, 2}, {4500, 9, -2}, {4501, 9, -1}, {4503, 9, 52},
      {4514, 9, 63}, {4521, 9, 70}};
  PileEditor e = Open(0);
  for (const auto& click : clicks) {
    SCOPED_TRACE(click.id);
    const uint32_t state = t.game->RandomState;
    e.CheckRadio(click.id);
    int32_t words[12];
    std::memcpy(words, static_cast<const PileDef*>(&t.P(0)), sizeof words);
    EXPECT_EQ(words[click.word], click.value);
    EXPECT_NE(t.game->RandomState, state) << "dealt afresh";
  }
  EXPECT_EQ(std::make_pair(e.View().Start, e.View().Removal), std::make_pair(4521, 4612));
  const PileDef before = t.P(0);
  for (int id : {4203, 4313, 4522, 4613, 4199, 2100}) e.CheckRadio(id);
  EXPECT_EQ(std::memcmp(&before, static_cast<const PileDef*>(&t.P(0)), sizeof before), 0);
  EXPECT_EQ(Stored().Piles[0].RankBuild, RankBuild::Down) << "nothing saved before OK";

  PileEditor goal = Open(2);
  std::vector<int32_t> starts;
  auto start = [&] { starts.push_back(static_cast<int32_t>(t.P(2).PileStart)); };
  goal.SelectCard(2, 11), start();  // "Any ace" stays
  goal.CheckRadio(4502), start();
  goal.SelectCard(2, 12), start();
  goal.CheckRadio(4503);
  const uint32_t state = t.game->RandomState;
  goal.SelectCard(0, 0), start();
  EXPECT_EQ(starts, (std::vector<int32_t>{52, 46, 50, 52}));
  EXPECT_EQ(t.game->RandomState, state);
  goal.SelectCard(-1, 3);  // a list being emptied
  EXPECT_EQ(goal.View().SuitSelection, 0);
}

// All flags unchecked take the pile out; OK stores the boxes and writes the whole game.
TEST_F(PileEditorTest, UncheckingEveryAttributeTakesThePileOutAndOkWritesTheGame) {
  PileEditor e = Open(1);
  e.Scroll(PileBar::SizeLimit, ScrollAction::ThumbTrack, 13);
  e.ToggleFlag(25);
  EXPECT_EQ(t.P(1).Flags, PileFlags::AutoPlay | PileFlags::AutoFillSource | PileFlags::WinGoal);
  for (int bit = 0; bit < 32; ++bit)
    if (t.P(1).Flags & (1u << bit)) e.ToggleFlag(bit);
  EXPECT_EQ(std::make_pair(t.P(1).Flags, e.View().Flags), std::make_pair(0u, 0u));
  EXPECT_EQ(std::make_tuple(CountPiles(t.game->PileTable), t.P(0).Next, Dealt()),
            std::make_tuple(1, nullptr, 20));
  e.Ok();
  EXPECT_EQ(t.game->EditPile, nullptr);
  const GameDef stored = Stored();
  EXPECT_EQ((std::array{stored.Piles[1].Flags, stored.Piles[2].Flags}),
            (std::array{0u, PileFlags::WinGoal}));
  EXPECT_EQ(stored.Piles[1].SizeLimit, 13);
  EXPECT_STREQ(stored.Name, "Three");
}

// "Add pile" makes the next record a pile within the deck left; at 48 piles it only says so.
TEST_F(PileEditorTest, AddPileMakesTheNextRecordAPile) {
  PileEditor e = Open(1);
  e.AddPile();
  EXPECT_EQ((std::array{CountPiles(t.game->PileTable), static_cast<int32_t>(t.P(3).Flags),
                        t.P(3).Column, t.P(3).Row}),
            (std::array{4, 1, 0, 0}));
  EXPECT_EQ(std::make_tuple(t.P(2).Next, t.game->EditPile, &e.Edited()),
            std::make_tuple(&t.P(3), &t.P(1), &t.P(1)));
  EXPECT_TRUE(t.display.messages.empty());

  t.P(3) = Pile{};
  static_cast<PileDef&>(t.P(3)) = MakePile(6, 0, 0);
  t.P(3).InitialSize = 30;
  e.AddPile();
  EXPECT_EQ(std::make_tuple(t.P(3).Column, t.P(3).InitialSize, Dealt()),
            std::make_tuple(6, 12, 52));

  for (int i = 4; i < kMaxPiles; ++i) t.P(i).Flags = PileFlags::WinGoal;
  const uint32_t state = t.game->RandomState;
  e.AddPile();
  EXPECT_EQ(std::make_pair(CountPiles(t.game->PileTable), t.game->RandomState),
            std::make_pair(48, state));
  EXPECT_EQ(t.display.messages,
            std::vector<std::string>{"This game already has 48 piles, as many as a game can "
                                     "hold.|Tarnik game editor"});
}

// Previous and Next step between piles, doing nothing at either end, keeping the boxes.
TEST_F(PileEditorTest, PreviousAndNextStepBetweenThePiles) {
  PileEditor e = Open(0);
  const uint32_t state = t.game->RandomState;
  e.PreviousPile();
  EXPECT_EQ(std::make_pair(t.game->EditPile, t.game->RandomState), std::make_pair(&t.P(0), state));
  e.NextPile();
  e.NextPile();
  EXPECT_EQ(std::make_tuple(t.game->EditPile, e.View().Start, e.View().Bar[0].Max),
            std::make_tuple(&t.P(2), 4503, 12));
  const uint32_t atLast = t.game->RandomState;
  e.NextPile();
  EXPECT_EQ(std::make_pair(t.game->EditPile, t.game->RandomState),
            std::make_pair(&t.P(2), atLast));
  e.PreviousPile();
  EXPECT_EQ(std::make_tuple(t.game->EditPile, e.View().Box[0], t.P(0).InitialSize),
            std::make_tuple(&t.P(1), 20, 20));
}

}  // namespace
}  // namespace tarnik
