// Table layout: grid cells become centred pixel rectangles, and piles fan their cards.
#include "engine/table/layout.h"
#include "engine/editor/pile_moves.h"
#include "engine/game/game.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
using Box = std::array<int32_t, 4>;  // left, top, width, height
using XY = std::pair<int32_t, int32_t>;
using Cells = std::vector<XY>;

Box BoxOf(const Pile& p) { return {p.Left, p.Top, p.Width, p.Height}; }
XY DriftOf(const Pile& p) { return {p.DriftX, p.DriftY}; }
XY At(const Card& c) { return {c.X, c.Y}; }

// Adds a pile at a grid cell that fans its cards in `direction`.
Pile& AddAt(TableBuilder& t, XY cell, PileDirection direction = PileDirection::Vertical) {
  PileDef def = OpenPile();
  def.Column = cell.first, def.Row = cell.second, def.Direction = direction;
  return t.AddPile(def);
}
// Adds piles at the cells in order.
void AddAll(TableBuilder& t, const Cells& cells) {
  for (XY cell : cells) AddAt(t, cell);
}

// 480 × 508: row 0 at columns 0, 2, … 12 and a pile at (12, 2); at 800 × 560 offsets 160, 26.
const Cells kSample = {{0, 0}, {2, 0}, {4, 0}, {6, 0}, {8, 0}, {10, 0}, {12, 0}, {12, 2}};

// Width by the largest column, height by the largest row but at least ten.
TEST(TableSize, LargestColumnAndAtLeastTenRows) {
  const struct { Cells cells; int32_t width, height; } cases[] = {
      {{}, 72, 508}, {{{5, 3}, {2, 0}}, 34 * 5 + 72, 508}, {{{0, 10}}, 72, 508},
      {{{0, 11}}, 72, 42 * 11 + 88}, {kSample, 480, 508}};
  for (const auto& c : cases) {
    TableBuilder t;
    AddAll(t, c.cells);
    EXPECT_EQ(XY(TableWidth(t.piles()), TableHeight(t.piles())), XY(c.width, c.height))
        << c.cells.size();
  }
}

// A fan of down, up, up at Top + 0, 4, 20; emptied, a bare card; a recentre keeps drifts.
TEST(ResetTable, SampleTablePlacesPilesDriftsAndFansAndARecentreMovesThem) {
  TableBuilder t;
  AddAll(t, kSample);
  ResetTable(t.piles(), {800, 560});
  Pile& pile = t.piles()[7];
  Card& down = t.Push(pile, V(3, 1), FaceDown);
  Card& up1 = t.Push(pile, V(9, 2));
  Card& up2 = t.Push(pile, V(8, 0));
  LayoutAllPiles(&t.piles()[0], {0, false});
  EXPECT_EQ((std::array{At(down), At(up1), At(up2)}),
            (std::array{XY(572, 118), XY(572, 122), XY(572, 138)}));
  EXPECT_EQ(BoxOf(pile), (Box{572, 118, 64, 100}));
  EXPECT_EQ(std::make_pair(pile.Count, t.piles()[0].Count), std::make_pair(3, 0));

  for (Card* c : {&up2, &up1, &down}) UnlinkCard(pile, *c);
  pile.Count = 7;
  LayoutPile(pile, {2, true});
  EXPECT_EQ(std::make_pair(pile.Count, BoxOf(pile)), std::make_pair(0, Box{572, 118, 64, 80}));

  t.Push(pile, V(4, 2));
  CentreTable(t.piles(), {1000, 700});
  // offX = (1000 − 480) / 2 = 260, offY = (700 − 508) / 2 = 96.
  EXPECT_EQ((std::array{XY(t.piles()[0].Left, t.piles()[0].Top), XY(pile.Left, pile.Top),
                        DriftOf(t.piles()[0]), DriftOf(pile), At(*pile.TopCard)}),
            (std::array{XY(264, 104), XY(672, 188), XY(-4, -7), XY(4, -4), XY(572, 118)}));
  LayoutPile(pile, {});
  EXPECT_EQ(At(*pile.TopCard), XY(672, 188));
}

// A reset links and empties the piles in use only; with none in use no stale link is followed.
TEST(ResetTable, LinksAndEmptiesThePilesInUse) {
  TableBuilder t;
  AddAll(t, {{0, 0}, {4, 0}});
  Pile* p = t.piles();
  p[0].GrabCard = &t.Push(p[0], V(1, 1)), p[1].Height = p[1].Count = 300;
  p[2].Left = 999, p[2].Next = &p[0];
  ResetTable(p, {800, 560});
  EXPECT_EQ((std::array<const void*, 6>{p[0].BottomCard, p[0].TopCard, p[0].GrabCard, p[0].Prev,
                                        p[0].Next, p[1].Next}),
            (std::array<const void*, 6>{nullptr, nullptr, nullptr, nullptr, &p[1], nullptr}));
  EXPECT_EQ(std::make_tuple(p[0].Count, p[1].Count, p[1].Height, p[2].Left, p[2].Next),
            std::make_tuple(0, 0, 80, 999, &p[0]));
  auto none = std::make_unique<Pile[]>(kMaxPiles);
  none[0].Column = 3, none[0].Left = 999, none[0].Next = &none[1];
  none[1].Count = 5, none[1].Flags = PileFlags::AutoFillSource;
  ResetTable(none.get(), {800, 560});
  EXPECT_EQ(std::make_pair(none[0].Left, none[0].Next), std::make_pair(999, &none[1]));
  EXPECT_EQ(FirstPile(none.get()), nullptr);
  LayoutAllPiles(FirstPile(none.get()), {});
  EXPECT_EQ(none[1].Count, 5);
}

// Offsets halve toward minus infinity, drifts toward zero; no drift under 16 pixels; absurd
// cells (a damaged library) are clamped and nothing overflows.
TEST(ResetTable, OffsetsAndDriftsForEachClientSize) {
  const struct { Cells cells; ClientSize client; XY first, last, drift0, drift1; } cases[] = {
      // offY = (600 − 508) / 2 = 46; offX = (800 − (34·6 + 72)) / 2 = 262.
      {{{0, 0}, {6, 3}}, {800, 600}, {266, 54}, {266 + 204, 46 + 126 + 8}, {-2, -6}, {2, -3}},
      // A difference of −3 halves to −2 on both axes (table 548 × 508).
      {{{0, 0}, {14, 0}}, {545, 505}, {2, 6}, {478, 6}, {-7, -7}, {7, -7}},
      // −66 halves to −33, 33 pixels over each edge; −29 / 30 truncates to 0: −7, not −8.
      {{{0, 0}, {14, 0}}, {482, 480}, {-29, -6}, {447, -6}, {-7, -7}, {7, -7}},
      {{{0, 0}, {12, 2}}, {800, 560}, {164, 34}, {164 + 6 * 68, 118}, {-4, -7}, {4, -4}},
      {{{0, 0}, {12, 2}}, {15, 560}, {-229, 34}, {179, 118}, {0, -7}, {0, -4}},
      {{{0, 0}, {12, 2}}, {800, 15}, {164, -239}, {572, -155}, {-4, 0}, {4, 0}},
      // Sixteen pixels divide by one: offX = (16 − 480) / 2 = −232, Left −228.
      {{{0, 0}, {12, 2}}, {16, 560}, {-228, 34}, {180, 118}, {-235, -7}, {173, -4}},
  };
  for (const auto& c : cases) {
    TableBuilder t;
    AddAll(t, c.cells);
    ResetTable(t.piles(), c.client);
    const Pile &first = t.piles()[0], &last = t.piles()[1];
    EXPECT_EQ((std::array{XY(first.Left, first.Top), XY(last.Left, last.Top), DriftOf(first),
                          DriftOf(last)}),
              (std::array{c.first, c.last, c.drift0, c.drift1}))
        << c.client.Width << " x " << c.client.Height;
  }
  Pile piles[kMaxPiles];
  piles[0].Flags = piles[1].Flags = PileFlags::AutoPlay, piles[0].Row = -2144862208;
  piles[1].Column = 2147483647, piles[1].Row = 2147483647;
  ResetTable(piles, {800, 526});
  EXPECT_EQ(XY(TableWidth(piles), TableHeight(piles)), XY(2147483647, 2147483647));
  EXPECT_LE(piles[0].Top, 0);
  EXPECT_GE(piles[1].Left, INT32_MIN);
  LayoutPile(piles[1], {});
}

// Card places: fan steps 16 (4 after face down), neatness mod 2 or 3, Size steps 1, stacks.
TEST(LayoutPile, FansNeatnessAndDirections) {
  const int32_t U = FaceUp, D = FaceDown, M = Marked;
  const auto across = PileDirection::Horizontal;
  const std::vector<int32_t> faceUp = {U, U, U, U}, mixed = {D, U, M, U};
  const std::vector<XY> by16 = {{0, 0}, {16, 0}, {32, 0}, {48, 0}}, still(4, XY{0, 0});
  const struct { PileDirection direction; std::vector<int32_t> faces; LayoutStyle style;
                 std::vector<XY> places; XY size; } cases[] = {
      {across, mixed, {}, {{0, 0}, {4, 0}, {20, 0}, {36, 0}}, {100, 80}},
      {across, mixed, {0, true}, by16, {112, 80}},
      {PileDirection::Vertical, {D, D, U, U}, {}, {{0, 0}, {0, 4}, {0, 8}, {0, 24}}, {64, 104}},
      {across, faceUp, {1, false}, {{0, 0}, {17, 1}, {32, 0}, {49, 1}}, {112, 80}},
      {across, faceUp, {2, false}, {{0, 0}, {17, 1}, {34, 2}, {48, 0}}, {112, 80}},
      {across, faceUp, {3, false}, by16, {112, 80}}, {across, faceUp, {-1, false}, by16, {112, 80}},
      {PileDirection::Size, mixed, {}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}, {67, 80}},
      {PileDirection::NoDirection, mixed, {}, still, {64, 80}},
      {PileDirection::Unsupported, mixed, {0, true}, still, {64, 80}},
  };
  for (const auto& c : cases) {
    TableBuilder t;
    Pile& pile = AddAt(t, {0, 0}, c.direction);
    pile.Left = 100, pile.Top = 50;
    std::vector<XY> places;
    for (int32_t v = 0; v < 4; ++v) t.Push(pile, v, c.faces[v]);
    LayoutPile(pile, c.style);
    for (const Card* card = pile.BottomCard; card; card = card->Above)
      places.push_back({card->X - 100, card->Y - 50});
    EXPECT_EQ(places, c.places) << static_cast<int>(c.direction) << " " << c.style.Neatness;
    EXPECT_EQ(XY(pile.Width, pile.Height), c.size);
    EXPECT_EQ(pile.Count, 4);
  }
}

// A game whose edited pile (1) sits at (12, 2) beside pile 0 at (0, 0).
std::unique_ptr<Game> EditedGame(ClientSize client) {
  auto game = std::make_unique<Game>();
  game->client = client, game->CurrentFlags = 0, game->EditPile = &game->PileTable[1];
  for (int i = 0; i < 2; ++i) static_cast<PileDef&>(game->PileTable[i]) = OpenPile();
  game->PileTable[1].Column = 12, game->PileTable[1].Row = 2, game->PileTable[1].InitialSize = 2;
  ResetTable(game->PileTable, client);
  return game;
}

// The pointer as the card's centre over 32 by 40 against the old table, then dealt afresh.
TEST(MovePileToPoint, PointerIsTheCardCentreOverThirtyTwoByForty) {
  auto game = EditedGame({800, 560});
  MovePileToPoint(*game, 352, 186);  // (352 − 160 − 32) / 32 = 5, (186 − 26 − 40) / 40 = 3
  Pile& pile = game->PileTable[1];
  // Re-dealt: the table is now 34·5 + 72 = 242 wide, so offX = 279.
  EXPECT_EQ((Box{pile.Column, pile.Row, pile.Left, pile.Top}),
            (Box{5, 3, 279 + 170 + 4, 26 + 126 + 8}));
  EXPECT_EQ(std::make_pair(game->PileTable[0].Next, pile.Count), std::make_pair(&pile, 2));
  const struct { ClientSize client; uint16_t x, y; int32_t column, row; } cases[] = {
      {{800, 560}, 351, 185, 4, 2}, {{800, 560}, 0, 0, 0, 0},     {{800, 560}, 191, 65, 0, 0},
      {{800, 560}, 100, 186, 0, 3}, {{800, 560}, 352, 10, 5, 0},
      {{479, 505}, 127, 118, 3, 2},  // (127 + 1 − 32) / 32, (118 + 2 − 40) / 40
  };
  for (const auto& c : cases) {
    auto game = EditedGame(c.client);
    MovePileToPoint(*game, c.x, c.y);
    EXPECT_EQ(XY(game->PileTable[1].Column, game->PileTable[1].Row), XY(c.column, c.row))
        << c.x << ", " << c.y;
  }
}

// Directions cycle Horizontal, Vertical, Size, NoDirection; Unsupported stays; re-dealt.
TEST(CycleDirection, StepsThroughFourDirections) {
  auto game = EditedGame({800, 560});
  Pile& pile = game->PileTable[1];
  pile.Direction = PileDirection::Horizontal;
  const struct { PileDirection direction; int32_t width, height; } steps[] = {
      {PileDirection::Vertical, 64, 96}, {PileDirection::Size, 65, 80},
      {PileDirection::NoDirection, 64, 80}, {PileDirection::Horizontal, 80, 80}};
  for (const auto& s : steps) {
    CycleDirection(*game);
    EXPECT_EQ(std::make_tuple(pile.Direction, pile.Width, pile.Height),
              std::make_tuple(s.direction, s.width, s.height));
  }
  pile.Direction = PileDirection::Unsupported;
  CycleDirection(*game);
  EXPECT_EQ(pile.Direction, PileDirection::Unsupported);
}

}  // namespace
}  // namespace tarnik
