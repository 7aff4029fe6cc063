// Table layout: grid cells become pixel rectangles centred in the client
// area, and every pile fans out its cards.
#include "engine/table/layout.h"
#include "engine/editor/pile_moves.h"
#include "engine/game/game.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::V;
using Box = std::array<int32_t, 4>;  // left, top, width, height
using XY = std::pair<int32_t, int32_t>;

Box BoxOf(const Pile& p) { return {p.Left, p.Top, p.Width, p.Height}; }
XY DriftOf(const Pile& p) { return {p.DriftX, p.DriftY}; }
XY At(const Card& c) { return {c.X, c.Y}; }

// A 48-pile table filled by hand, with cards that piles can link.
struct Table {
  Pile piles[kMaxPiles];
  Card cards[kMaxCards];
  int pileCount = 0;
  int cardCount = 0;

  Pile& Add(int32_t column, int32_t row, PileDirection direction = PileDirection::Vertical) {
    Pile& pile = piles[pileCount++];
    static_cast<PileDef&>(pile) = OpenPile();
    pile.Column = column;
    pile.Row = row;
    pile.Direction = direction;
    return pile;
  }
  // Links a card on top of the pile (no layout).
  Card& Push(Pile& pile, int32_t value, int32_t face = FaceUp) {
    Card& card = cards[cardCount++];
    card = Card{};
    card.Value = value;
    card.Face = face;
    InsertCardAbove(pile, pile.TopCard, card);
    return card;
  }
};

// A sample table of 480 × 508: row 0 at columns 0, 2, … 12, and one pile at
// (12, 2), reset for 800 × 560, which centres it at (160, 26).
std::unique_ptr<Table> Sample() {
  auto t = std::make_unique<Table>();
  for (int32_t column = 0; column <= 12; column += 2) t->Add(column, 0);
  t->Add(12, 2);
  ResetTable(t->piles, {800, 560});
  return t;
}

// Width follows the largest column; height the largest row but never fewer
// than ten rows; only the piles in use count (a record after the first one
// without flags is not a pile of the game).
TEST(TableSize, LargestColumnAndAtLeastTenRows) {
  const struct {
    std::vector<std::pair<int32_t, int32_t>> cells;
    int32_t width, height;
  } cases[] = {{{}, 72, 508},
               {{{5, 3}, {2, 0}}, 34 * 5 + 72, 508}, {{{0, 10}}, 72, 508},
               {{{0, 11}}, 72, 42 * 11 + 88},
               {{{0, 0}, {2, 0}, {4, 0}, {6, 0}, {8, 0}, {10, 0}, {12, 0}, {12, 2}}, 480, 508}};
  for (const auto& c : cases) {
    auto t = std::make_unique<Table>();
    for (auto [column, row] : c.cells) t->Add(column, row);
    EXPECT_EQ(TableWidth(t->piles), c.width) << c.cells.size();
    EXPECT_EQ(TableHeight(t->piles), c.height) << c.cells.size();
  }
  auto gap = std::make_unique<Table>();
  gap->Add(1, 1);
  gap->piles[2] = gap->piles[0];
  gap->piles[2].Column = 20;
  gap->piles[2].Row = 30;
  EXPECT_EQ(TableWidth(gap->piles), 34 + 72);
  EXPECT_EQ(TableHeight(gap->piles), 508);
}

// The sample's piles and drifts; its vertical pile at (12, 2) with a
// face-down card under two face-up cards lays them at Top + 0, + 4 and + 20;
// emptied, it is a bare card at its cell again.
TEST(ResetTable, SampleTablePlacesPilesDriftsAndFans) {
  auto t = Sample();
  for (int i = 0; i < 7; ++i) EXPECT_EQ(BoxOf(t->piles[i]), (Box{164 + 68 * i, 34, 64, 80})) << i;
  EXPECT_EQ(DriftOf(t->piles[0]), XY(-4, -7));
  Pile& pile = t->piles[7];
  EXPECT_EQ(DriftOf(pile), XY(4, -4));
  Card& down = t->Push(pile, V(3, 1), FaceDown);
  Card& up1 = t->Push(pile, V(9, 2));
  Card& up2 = t->Push(pile, V(8, 0));
  LayoutAllPiles(&t->piles[0], {0, false});
  EXPECT_EQ((std::array{At(down), At(up1), At(up2)}),
            (std::array{XY(572, 118), XY(572, 122), XY(572, 138)}));
  EXPECT_EQ(BoxOf(pile), (Box{572, 118, 64, 100}));
  EXPECT_EQ(std::make_pair(pile.Count, t->piles[0].Count), std::make_pair(3, 0));

  UnlinkCard(pile, up2);
  UnlinkCard(pile, up1);
  UnlinkCard(pile, down);
  pile.Count = 7;
  LayoutPile(pile, {2, true});
  EXPECT_EQ(pile.Count, 0);
  EXPECT_EQ(BoxOf(pile), (Box{572, 118, 64, 80}));
}

// Resetting links the piles in use in table order, empties them and gives
// each a bare card rectangle; records beyond them and the cards are untouched.
TEST(ResetTable, LinksAndEmptiesThePilesInUse) {
  auto t = std::make_unique<Table>();
  Pile& a = t->Add(0, 0);
  Pile& b = t->Add(4, 0);
  Pile& c = t->Add(8, 0);
  Card& x = t->Push(a, V(1, 1));
  Card& y = t->Push(a, V(2, 2));
  a.GrabCard = &x;
  LayoutPile(a, {});
  for (Pile* p : {&a, &b, &c}) p->Width = p->Height = p->Count = 300;
  Pile& unused = t->piles[3];
  unused.Left = 999;
  unused.Next = &a;

  ResetTable(t->piles, {800, 560});
  const std::vector<std::pair<Pile*, Pile*>> links = {{nullptr, &b}, {&a, &c}, {&b, nullptr}};
  for (int i = 0; i < 3; ++i) {
    Pile& p = t->piles[i];
    EXPECT_EQ(std::make_pair(p.Prev, p.Next), links[i]) << i;
    EXPECT_EQ((std::array<const void*, 3>{p.BottomCard, p.TopCard, p.GrabCard}),
              (std::array<const void*, 3>{}));
    EXPECT_EQ((Box{p.Count, 0, p.Width, p.Height}), (Box{0, 0, 64, 80}));
  }
  EXPECT_EQ(std::make_pair(unused.Left, unused.Next), std::make_pair(999, &a));
  EXPECT_EQ(std::make_pair(x.Above, y.Below), std::make_pair(&y, &x));  // kept until dealt again

  // A game with no pile in use: nothing is reset, and no link left in the
  // first record from an earlier game is followed.
  auto none = std::make_unique<Table>();
  Pile& stale = none->piles[0];
  stale.Column = 3;
  stale.Left = 999;
  stale.Next = &none->piles[1];
  none->piles[1].Count = 5;
  none->piles[1].Flags = PileFlags::AutoFillSource;
  ResetTable(none->piles, {800, 560});
  EXPECT_EQ(std::make_pair(stale.Left, stale.Next), std::make_pair(999, &none->piles[1]));
  EXPECT_EQ(FirstPile(none->piles), nullptr);
  LayoutAllPiles(FirstPile(none->piles), {});
  EXPECT_EQ(none->piles[1].Count, 5);
}

// Where the first and last pile land and drift for a client size: a game in
// rows 0 to 3 is centred as a ten-row table; a client smaller than the table
// gives a negative offset halved toward minus infinity, so the table
// overhangs both sides equally, while drifts divide toward zero; a client
// under 16 pixels on an axis gives no drift on it.
TEST(ResetTable, OffsetsAndDriftsForEachClientSize) {
  const struct {
    std::vector<std::pair<int32_t, int32_t>> cells;
    ClientSize client;
    XY first, last, firstDrift, lastDrift;
  } cases[] = {
      // offY = (600 − 508) / 2 = 46; offX = (800 − (34·6 + 72)) / 2 = 262.
      {{{0, 0}, {6, 3}}, {800, 600}, {266, 54}, {266 + 204, 46 + 126 + 8}, {-2, -6}, {2, -3}},
      // A difference of −3 halves to −2 on both axes (table 548 × 508).
      {{{0, 0}, {14, 0}}, {545, 505}, {2, 6}, {478, 6}, {-7, -7}, {7, -7}},
      // −66 halves to −33, 33 pixels over each edge; −29 / 30 truncates to 0: −7, not −8.
      {{{0, 0}, {14, 0}}, {482, 480}, {-29, -6}, {447, -6}, {-7, -7}, {7, -7}},
      {{{0, 0}, {12, 2}}, {15, 560}, {-229, 34}, {179, 118}, {0, -7}, {0, -4}},
      {{{0, 0}, {12, 2}}, {800, 15}, {164, -239}, {572, -155}, {-4, 0}, {4, 0}},
      {{{0, 0}, {12, 2}}, {0, 0}, {-236, -246}, {172, -162}, {0, 0}, {0, 0}},
      // Sixteen pixels divide by one: offX = (16 − 480) / 2 = −232, Left −228.
      {{{0, 0}, {12, 2}}, {16, 560}, {-228, 34}, {180, 118}, {-235, -7}, {173, -4}},
  };
  for (const auto& c : cases) {
    auto t = std::make_unique<Table>();
    for (auto [column, row] : c.cells) t->Add(column, row);
    ResetTable(t->piles, c.client);
    const Pile &first = t->piles[0], &last = t->piles[1];
    EXPECT_EQ((std::array{XY(first.Left, first.Top), XY(last.Left, last.Top), DriftOf(first),
                          DriftOf(last)}),
              (std::array{c.first, c.last, c.firstDrift, c.lastDrift}))
        << c.client.Width << " x " << c.client.Height;
  }
}

// A resize moves the piles to stay centred; drifts, counts and card
// positions keep the values they had until the pile is laid out again.
TEST(CentreTable, ResizeMovesPilesButKeepsDrifts) {
  auto t = Sample();
  Pile& pile = t->piles[7];
  Card& card = t->Push(pile, V(4, 2));
  LayoutPile(pile, {});

  CentreTable(t->piles, {1000, 700});
  // offX = (1000 − 480) / 2 = 260, offY = (700 − 508) / 2 = 96.
  EXPECT_EQ((std::array{XY(t->piles[0].Left, t->piles[0].Top), XY(pile.Left, pile.Top),
                        DriftOf(t->piles[0]), DriftOf(pile), At(card)}),
            (std::array{XY(264, 104), XY(672, 188), XY(-4, -7), XY(4, -4), XY(572, 118)}));
  EXPECT_EQ(std::make_pair(pile.Count, pile.TopCard), std::make_pair(1, &card));
  LayoutPile(pile, {});
  EXPECT_EQ(At(card), XY(672, 188));
}

// "Normal" shifts a card with an odd value one pixel right and down, "Messy"
// by its value mod 3, any other neatness not at all; the pile's size ignores
// the shift.
TEST(LayoutPile, NeatnessShiftsCardsDiagonallyByValue) {
  auto t = std::make_unique<Table>();
  Pile& pile = t->Add(0, 0, PileDirection::Horizontal);
  pile.Left = 100;
  pile.Top = 50;
  std::vector<Card*> cards;
  for (int32_t v = 0; v < 6; ++v) cards.push_back(&t->Push(pile, v));
  const struct {
    int32_t neatness;
    std::array<int32_t, 6> shift;
  } cases[] = {{0, {0, 0, 0, 0, 0, 0}}, {1, {0, 1, 0, 1, 0, 1}}, {2, {0, 1, 2, 0, 1, 2}},
               {-1, {}},                {3, {}},                {7, {}}};
  for (const auto& c : cases) {
    LayoutPile(pile, {c.neatness, false});
    for (int i = 0; i < 6; ++i)
      EXPECT_EQ(At(*cards[i]), XY(100 + 16 * i + c.shift[i], 50 + c.shift[i]))
          << c.neatness << " " << i;
    EXPECT_EQ(BoxOf(pile), (Box{100, 50, 64 + 5 * 16, 80}));
  }
}

// Fanned piles step 16 pixels after a face-up or marked card and 4 after a
// face-down card, or 16 while all cards are shown.
TEST(LayoutPile, FanStepsDependOnFaces) {
  auto t = std::make_unique<Table>();
  Pile& three = t->Add(0, 0, PileDirection::Horizontal);
  Pile& downUp = t->Add(4, 0, PileDirection::Horizontal);
  Pile& markedUp = t->Add(8, 0, PileDirection::Horizontal);
  Pile& column = t->Add(12, 0, PileDirection::Vertical);
  ResetTable(t->piles, {800, 560});
  t->Push(three, V(1, 0)), t->Push(three, V(2, 0));
  Card& third = t->Push(three, V(3, 0));
  t->Push(downUp, V(1, 0), FaceDown);
  Card& shown = t->Push(downUp, V(2, 0));
  t->Push(markedUp, V(1, 0), Marked), t->Push(markedUp, V(2, 0));
  t->Push(column, V(1, 0), FaceDown), t->Push(column, V(2, 0), FaceDown);
  Card& topUp = t->Push(column, V(3, 0));
  // The three-card fan's width and third card, the face-down/face-up fan's
  // width and second card, the marked fan's width, the column's height and top card.
  for (bool showAll : {false, true}) {
    LayoutAllPiles(&t->piles[0], {0, showAll});
    EXPECT_EQ((std::array{three.Width, third.X - three.Left, downUp.Width, shown.X - downUp.Left,
                          markedUp.Width, column.Height, topUp.Y - column.Top}),
              showAll ? (std::array{96, 32, 80, 16, 80, 112, 32})
                      : (std::array{96, 32, 68, 4, 80, 88, 8}));
    EXPECT_EQ(three.Height, 80);
  }
}

// A "Size" pile moves one pixel right per card whatever the faces; stacked
// piles (no direction, unsupported) keep every card on the pile's origin.
TEST(LayoutPile, SizeAndStackedDirections) {
  auto t = std::make_unique<Table>();
  const PileDirection directions[3] = {PileDirection::Size, PileDirection::NoDirection,
                                       PileDirection::Unsupported};
  for (int p = 0; p < 3; ++p) t->Add(4 * p, 0, directions[p]);
  ResetTable(t->piles, {800, 560});
  const int32_t faces[5] = {FaceDown, FaceUp, FaceDown, Marked, FaceUp};
  std::vector<Card*> cards[3];
  for (int i = 0; i < 5; ++i)
    for (int p = 0; p < 3; ++p) cards[p].push_back(&t->Push(t->piles[p], V(i, 1), faces[i]));
  for (bool showAll : {false, true}) {
    LayoutAllPiles(&t->piles[0], {0, showAll});
    for (int p = 0; p < 3; ++p) {
      const Pile& pile = t->piles[p];
      EXPECT_EQ(XY(pile.Width, pile.Height), XY(p == 0 ? 68 : 64, 80)) << p;
      EXPECT_EQ(pile.Count, 5);
      for (int i = 0; i < 5; ++i)
        EXPECT_EQ(At(*cards[p][i]), XY(pile.Left + (p == 0 ? i : 0), pile.Top)) << p << i;
    }
  }
}

// A game whose edited pile (1) sits at (12, 2) beside pile 0 at (0, 0).
std::unique_ptr<Game> EditedGame(ClientSize client) {
  auto game = std::make_unique<Game>();
  game->client = client;
  game->CurrentFlags = 0;
  PileDef edited = OpenPile();
  edited.Column = 12;
  edited.Row = 2;
  edited.InitialSize = 2;
  static_cast<PileDef&>(game->PileTable[0]) = OpenPile();
  static_cast<PileDef&>(game->PileTable[1]) = edited;
  ResetTable(game->PileTable, client);
  game->EditPile = &game->PileTable[1];
  return game;
}

// The pointer is taken as the centre of the card being placed, and the cell
// found with divisors 32 and 40 against the table as it stood before the move;
// the game is then dealt afresh.
TEST(MovePileToPoint, PointerIsTheCardCentreOverThirtyTwoByForty) {
  // 800 × 560 against the 480 × 508 table: offsets 160 and 26.
  auto game = EditedGame({800, 560});
  MovePileToPoint(*game, 352, 186);  // (352 − 160 − 32) / 32 = 5, (186 − 26 − 40) / 40 = 3
  Pile& pile = game->PileTable[1];
  // Re-dealt: the table is now 34·5 + 72 = 242 wide, so offX = 279.
  EXPECT_EQ((Box{pile.Column, pile.Row, pile.Left, pile.Top}),
            (Box{5, 3, 279 + 170 + 4, 26 + 126 + 8}));
  EXPECT_EQ(std::make_pair(game->PileTable[0].Next, pile.Count), std::make_pair(&pile, 2));
}

// The cell under other pointers: just short of the cell boundaries above; a
// pointer above or left of the first cell gives row or column 0; with a
// client smaller than the table (479 × 505: offsets −1 and −2) the offsets
// halve toward minus infinity.
TEST(MovePileToPoint, CellsAtTheEdgesAndWithNegativeOffsets) {
  const struct {
    ClientSize client;
    uint16_t x, y;
    int32_t column, row;
  } cases[] = {
      {{800, 560}, 351, 185, 4, 2}, {{800, 560}, 0, 0, 0, 0},     {{800, 560}, 150, 50, 0, 0},
      {{800, 560}, 191, 65, 0, 0},  {{800, 560}, 100, 186, 0, 3}, {{800, 560}, 352, 10, 5, 0},
      {{479, 505}, 127, 118, 3, 2},  // (127 + 1 − 32) / 32, (118 + 2 − 40) / 40
  };
  for (const auto& c : cases) {
    auto game = EditedGame(c.client);
    MovePileToPoint(*game, c.x, c.y);
    EXPECT_EQ(XY(game->PileTable[1].Column, game->PileTable[1].Row), XY(c.column, c.row))
        << c.x << ", " << c.y;
  }
}

// Directions step Horizontal, Vertical, Size, NoDirection and round again;
// Unsupported stays. Each step deals the game afresh with the new spread.
TEST(CycleDirection, StepsThroughFourDirections) {
  auto game = EditedGame({800, 560});
  Pile& pile = game->PileTable[1];
  pile.Direction = PileDirection::Horizontal;
  const struct {
    PileDirection direction;
    int32_t width, height;
  } steps[] = {{PileDirection::Vertical, 64, 96},
               {PileDirection::Size, 65, 80}, {PileDirection::NoDirection, 64, 80},
               {PileDirection::Horizontal, 80, 80}};
  for (const auto& s : steps) {
    CycleDirection(*game);
    EXPECT_EQ(pile.Direction, s.direction);
    EXPECT_EQ(XY(pile.Width, pile.Height), XY(s.width, s.height));
  }
  pile.Direction = PileDirection::Unsupported;
  CycleDirection(*game);
  EXPECT_EQ(pile.Direction, PileDirection::Unsupported);
}

// A damaged library may put a pile at an absurd grid cell: the table is
// placed far away, clamped, and nothing overflows.
TEST(ResetTable, AbsurdCellsStayWithinTheCoordinateRange) {
  Pile piles[kMaxPiles];
  piles[0].Flags = piles[1].Flags = PileFlags::AutoPlay;
  piles[0].Row = -2144862208;
  piles[1].Column = 2147483647;
  piles[1].Row = 2147483647;
  ResetTable(piles, {800, 526});
  EXPECT_EQ(TableWidth(piles), 2147483647);
  EXPECT_EQ(TableHeight(piles), 2147483647);
  EXPECT_LE(piles[0].Top, 0);
  EXPECT_GE(piles[1].Left, INT32_MIN);
  LayoutPile(piles[1], {});
}

}  // namespace
}  // namespace tarnik
