// Table layout: grid cells become pixel rectangles centred in the client
// area, and every pile fans out its cards.
#include "engine/table/layout.h"
#include "engine/editor/pile_moves.h"
#include "engine/game/game.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::V;

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

// A sample table: row 0 at columns 0, 2, … 12, and one pile at (12, 2).
void AddSamplePiles(Table& t) {
  for (int32_t column = 0; column <= 12; column += 2) t.Add(column, 0);
  t.Add(12, 2);
}

// Width follows the largest column; height the largest row but never fewer
// than ten rows; only the piles in use count.
TEST(TableSize, LargestColumnAndAtLeastTenRows) {
  auto empty = std::make_unique<Table>();
  EXPECT_EQ(TableWidth(empty->piles), 72);
  EXPECT_EQ(TableHeight(empty->piles), 508);

  auto shortGame = std::make_unique<Table>();
  shortGame->Add(5, 3);
  shortGame->Add(2, 0);
  EXPECT_EQ(TableWidth(shortGame->piles), 34 * 5 + 72);
  EXPECT_EQ(TableHeight(shortGame->piles), 508);

  auto tenRows = std::make_unique<Table>();
  tenRows->Add(0, 10);
  EXPECT_EQ(TableHeight(tenRows->piles), 508);

  auto tall = std::make_unique<Table>();
  tall->Add(0, 11);
  EXPECT_EQ(TableHeight(tall->piles), 42 * 11 + 88);

  // A record after the first one without flags is not a pile of the game.
  auto gap = std::make_unique<Table>();
  gap->Add(1, 1);
  gap->piles[2] = gap->piles[0];
  gap->piles[2].Column = 20;
  gap->piles[2].Row = 30;
  EXPECT_EQ(TableWidth(gap->piles), 34 + 72);
  EXPECT_EQ(TableHeight(gap->piles), 508);
}

// 800 × 560 centres the sample's 480 × 508 table at (160, 26).
TEST(ResetTable, SampleTablePlacesPilesAndDrifts) {
  auto t = std::make_unique<Table>();
  AddSamplePiles(*t);
  EXPECT_EQ(TableWidth(t->piles), 480);
  EXPECT_EQ(TableHeight(t->piles), 508);
  ResetTable(t->piles, {800, 560});

  const Pile& first = t->piles[0];
  EXPECT_EQ(first.DriftX, -4);
  EXPECT_EQ(first.DriftY, -7);
  const Pile& last = t->piles[7];
  EXPECT_EQ(last.Left, 572);
  EXPECT_EQ(last.Top, 118);
  EXPECT_EQ(last.DriftX, 4);
  EXPECT_EQ(last.DriftY, -4);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(t->piles[i].Left, 164 + 68 * i) << i;
    EXPECT_EQ(t->piles[i].Top, 34) << i;
  }
}

// The sample's vertical pile at (12, 2): a face-down card under two face-up
// cards lies at Top + 0, + 4 and + 20, and the pile is 100 high.
TEST(LayoutPile, FaceDownCardUnderFaceUpCardsPacksCloser) {
  auto t = std::make_unique<Table>();
  AddSamplePiles(*t);
  ResetTable(t->piles, {800, 560});
  Pile& pile = t->piles[7];
  Card& down = t->Push(pile, V(3, 1), FaceDown);
  Card& up1 = t->Push(pile, V(9, 2));
  Card& up2 = t->Push(pile, V(8, 0));
  LayoutAllPiles(&t->piles[0], {0, false});

  EXPECT_EQ(down.Y, 118);
  EXPECT_EQ(up1.Y, 122);
  EXPECT_EQ(up2.Y, 138);
  for (const Card* c : {&down, &up1, &up2}) EXPECT_EQ(c->X, 572);
  EXPECT_EQ(pile.Height, 100);
  EXPECT_EQ(pile.Width, 64);
  EXPECT_EQ(pile.Count, 3);
  EXPECT_EQ(t->piles[0].Count, 0);
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
  for (Pile* p : {&a, &b, &c}) {
    p->Width = 300;
    p->Height = 300;
    p->Count = 9;
  }
  Pile& unused = t->piles[3];
  unused.Left = 999;
  unused.Next = &a;

  ResetTable(t->piles, {800, 560});

  EXPECT_EQ(a.Prev, nullptr);
  EXPECT_EQ(a.Next, &b);
  EXPECT_EQ(b.Prev, &a);
  EXPECT_EQ(b.Next, &c);
  EXPECT_EQ(c.Prev, &b);
  EXPECT_EQ(c.Next, nullptr);
  for (Pile* p : {&a, &b, &c}) {
    EXPECT_EQ(p->BottomCard, nullptr);
    EXPECT_EQ(p->TopCard, nullptr);
    EXPECT_EQ(p->GrabCard, nullptr);
    EXPECT_EQ(p->Count, 0);
    EXPECT_EQ(p->Width, 64);
    EXPECT_EQ(p->Height, 80);
  }
  EXPECT_EQ(unused.Left, 999);
  EXPECT_EQ(unused.Next, &a);
  EXPECT_EQ(x.Above, &y);  // the cards keep their links until dealt again
  EXPECT_EQ(y.Below, &x);
}

// A game with no pile in use shows no piles: nothing is reset, and no link
// left in the first record from an earlier game is followed.
TEST(ResetTable, GameWithoutPilesTouchesNoRecord) {
  auto t = std::make_unique<Table>();
  Pile& stale = t->piles[0];
  stale.Column = 3;
  stale.Left = 999;
  stale.Next = &t->piles[1];
  t->piles[1].Count = 5;
  t->piles[1].Flags = PileFlags::AutoFillSource;
  ResetTable(t->piles, {800, 560});
  EXPECT_EQ(stale.Left, 999);
  EXPECT_EQ(stale.Next, &t->piles[1]);
  EXPECT_EQ(FirstPile(t->piles), nullptr);
  LayoutAllPiles(FirstPile(t->piles), {});
  EXPECT_EQ(t->piles[1].Count, 5);
}

// A game in rows 0 to 3 is still centred as a ten-row table, so its piles sit
// in the upper part of the window.
TEST(ResetTable, ShortGameIsCentredAsTenRows) {
  auto t = std::make_unique<Table>();
  Pile& top = t->Add(0, 0);
  Pile& low = t->Add(6, 3);
  ResetTable(t->piles, {800, 600});
  // offY = (600 − 508) / 2 = 46; offX = (800 − (34·6 + 72)) / 2 = 262.
  EXPECT_EQ(top.Top, 54);
  EXPECT_EQ(low.Top, 46 + 126 + 8);
  EXPECT_EQ(top.Left, 266);
  EXPECT_EQ(low.Left, 266 + 204);
}

// A client smaller than the table gives a negative offset, halved toward minus
// infinity, so the table overhangs both sides equally; drifts divide toward zero.
TEST(ResetTable, SmallClientOverhangsBothSidesEqually) {
  auto t = std::make_unique<Table>();
  Pile& left = t->Add(0, 0);
  Pile& right = t->Add(14, 0);  // table 548 × 508

  // A difference of −3 halves to −2 on both axes.
  ResetTable(t->piles, {545, 505});
  EXPECT_EQ(left.Left, -2 + 4);
  EXPECT_EQ(left.Top, -2 + 8);

  // −66 halves to −33: 33 pixels hang over the left edge and 33 over the right.
  ResetTable(t->piles, {482, 480});
  EXPECT_EQ(left.Left, -29);
  EXPECT_EQ(right.Left + 64 + 4 - 482, 33);
  EXPECT_EQ(left.Top, -14 + 8);
  // −29 / 30 and −6 / 30 truncate to 0, giving −7, not −8.
  EXPECT_EQ(left.DriftX, -7);
  EXPECT_EQ(left.DriftY, -7);
  EXPECT_EQ(right.DriftX, 7);  // 447 / 30 − 7
}

// A client less than 16 pixels wide or high gives no drift on that axis.
TEST(ResetTable, ClientUnderSixteenPixelsGivesNoDrift) {
  auto t = std::make_unique<Table>();
  AddSamplePiles(*t);
  const Pile& first = t->piles[0];

  ResetTable(t->piles, {15, 560});
  EXPECT_EQ(first.DriftX, 0);
  EXPECT_EQ(first.DriftY, -7);

  ResetTable(t->piles, {800, 15});
  EXPECT_EQ(first.DriftX, -4);
  EXPECT_EQ(first.DriftY, 0);

  ResetTable(t->piles, {0, 0});
  EXPECT_EQ(first.DriftX, 0);
  EXPECT_EQ(first.DriftY, 0);

  // Sixteen pixels divide by one: offX = (16 − 480) / 2 = −232, Left −228.
  ResetTable(t->piles, {16, 560});
  EXPECT_EQ(first.Left, -228);
  EXPECT_EQ(first.DriftX, -235);
}

// A resize moves the piles to stay centred; drifts, counts and card
// positions keep the values they had.
TEST(CentreTable, ResizeMovesPilesButKeepsDrifts) {
  auto t = std::make_unique<Table>();
  AddSamplePiles(*t);
  ResetTable(t->piles, {800, 560});
  Pile& pile = t->piles[7];
  Card& card = t->Push(pile, V(4, 2));
  LayoutPile(pile, {});

  CentreTable(t->piles, {1000, 700});
  // offX = (1000 − 480) / 2 = 260, offY = (700 − 508) / 2 = 96.
  EXPECT_EQ(t->piles[0].Left, 264);
  EXPECT_EQ(t->piles[0].Top, 104);
  EXPECT_EQ(pile.Left, 672);
  EXPECT_EQ(pile.Top, 188);
  EXPECT_EQ(t->piles[0].DriftX, -4);
  EXPECT_EQ(t->piles[0].DriftY, -7);
  EXPECT_EQ(pile.DriftX, 4);
  EXPECT_EQ(pile.DriftY, -4);
  EXPECT_EQ(pile.Count, 1);
  EXPECT_EQ(pile.TopCard, &card);
  EXPECT_EQ(card.X, 572);
  EXPECT_EQ(card.Y, 118);

  LayoutPile(pile, {});
  EXPECT_EQ(card.X, 672);
  EXPECT_EQ(card.Y, 188);
}

// "Normal" shifts a card with an odd value one pixel right and down, "Messy"
// by its value mod 3; the pile's size ignores the shift.
TEST(LayoutPile, NeatnessShiftsCardsDiagonallyByValue) {
  auto t = std::make_unique<Table>();
  Pile& pile = t->Add(0, 0, PileDirection::Horizontal);
  pile.Left = 100;
  pile.Top = 50;
  std::vector<Card*> cards;
  for (int32_t v = 0; v < 6; ++v) cards.push_back(&t->Push(pile, v));
  const int32_t perfect[6] = {0, 0, 0, 0, 0, 0};
  const int32_t normal[6] = {0, 1, 0, 1, 0, 1};
  const int32_t messy[6] = {0, 1, 2, 0, 1, 2};
  const int32_t* shifts[3] = {perfect, normal, messy};
  for (int32_t neatness = 0; neatness < 3; ++neatness) {
    LayoutPile(pile, {neatness, false});
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(cards[i]->X, 100 + 16 * i + shifts[neatness][i]) << neatness << " " << i;
      EXPECT_EQ(cards[i]->Y, 50 + shifts[neatness][i]) << neatness << " " << i;
    }
    EXPECT_EQ(pile.Width, 64 + 5 * 16);
    EXPECT_EQ(pile.Height, 80);
  }
  // A neatness outside the three settings lays the cards out as "Perfect".
  for (int32_t neatness : {-1, 3, 7}) {
    LayoutPile(pile, {neatness, false});
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(cards[i]->X, 100 + 16 * i) << neatness << " " << i;
      EXPECT_EQ(cards[i]->Y, 50) << neatness << " " << i;
    }
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
  t->Push(three, V(1, 0));
  t->Push(three, V(2, 0));
  Card& third = t->Push(three, V(3, 0));
  t->Push(downUp, V(1, 0), FaceDown);
  Card& shown = t->Push(downUp, V(2, 0));
  t->Push(markedUp, V(1, 0), Marked);
  t->Push(markedUp, V(2, 0));
  t->Push(column, V(1, 0), FaceDown);
  t->Push(column, V(2, 0), FaceDown);
  Card& topUp = t->Push(column, V(3, 0));

  LayoutAllPiles(&t->piles[0], {0, false});
  EXPECT_EQ(three.Width, 96);
  EXPECT_EQ(three.Height, 80);
  EXPECT_EQ(third.X, three.Left + 32);
  EXPECT_EQ(downUp.Width, 68);
  EXPECT_EQ(shown.X, downUp.Left + 4);
  EXPECT_EQ(markedUp.Width, 80);
  EXPECT_EQ(column.Height, 88);
  EXPECT_EQ(column.Width, 64);
  EXPECT_EQ(topUp.Y, column.Top + 8);

  LayoutAllPiles(&t->piles[0], {0, true});
  EXPECT_EQ(three.Width, 96);
  EXPECT_EQ(downUp.Width, 80);
  EXPECT_EQ(shown.X, downUp.Left + 16);
  EXPECT_EQ(column.Height, 112);
  EXPECT_EQ(topUp.Y, column.Top + 32);
}

// A "Size" pile moves one pixel right per card whatever the faces; stacked
// piles keep every card on the pile's origin and stay 64 × 80.
TEST(LayoutPile, SizeAndStackedDirections) {
  auto t = std::make_unique<Table>();
  Pile& size = t->Add(0, 0, PileDirection::Size);
  Pile& none = t->Add(4, 0, PileDirection::NoDirection);
  Pile& unsupported = t->Add(8, 0, PileDirection::Unsupported);
  ResetTable(t->piles, {800, 560});
  const int32_t faces[5] = {FaceDown, FaceUp, FaceDown, Marked, FaceUp};
  std::vector<Card*> sized, stacked, other;
  for (int i = 0; i < 5; ++i) {
    sized.push_back(&t->Push(size, V(i, 1), faces[i]));
    stacked.push_back(&t->Push(none, V(i, 1), faces[i]));
    other.push_back(&t->Push(unsupported, V(i, 1), faces[i]));
  }
  for (bool showAll : {false, true}) {
    LayoutAllPiles(&t->piles[0], {0, showAll});
    EXPECT_EQ(size.Width, 64 + 4);
    EXPECT_EQ(size.Height, 80);
    EXPECT_EQ(size.Count, 5);
    for (Pile* p : {&none, &unsupported}) {
      EXPECT_EQ(p->Width, 64);
      EXPECT_EQ(p->Height, 80);
      EXPECT_EQ(p->Count, 5);
    }
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(sized[i]->X, size.Left + i);
      EXPECT_EQ(sized[i]->Y, size.Top);
      EXPECT_EQ(stacked[i]->X, none.Left);
      EXPECT_EQ(stacked[i]->Y, none.Top);
      EXPECT_EQ(other[i]->X, unsupported.Left);
      EXPECT_EQ(other[i]->Y, unsupported.Top);
    }
  }
}

// An empty pile counts 0 and is a bare card rectangle at its grid place.
TEST(LayoutPile, EmptyPileIsABareCardAtItsCell) {
  auto t = std::make_unique<Table>();
  AddSamplePiles(*t);
  ResetTable(t->piles, {800, 560});
  Pile& pile = t->piles[7];
  pile.Count = 7;
  pile.Width = 200;
  pile.Height = 300;
  LayoutPile(pile, {2, true});
  EXPECT_EQ(pile.Count, 0);
  EXPECT_EQ(pile.Width, 64);
  EXPECT_EQ(pile.Height, 80);
  EXPECT_EQ(pile.Left, 572);
  EXPECT_EQ(pile.Top, 118);
}

// A game whose edited pile (1) sits at (12, 2) beside pile 0 at (0, 0).
std::unique_ptr<Game> EditedGame(ClientSize client) {
  auto game = std::make_unique<Game>();
  game->client = client;
  game->CurrentFlags = 0;
  PileDef first = OpenPile();
  PileDef edited = OpenPile();
  edited.Column = 12;
  edited.Row = 2;
  edited.InitialSize = 2;
  static_cast<PileDef&>(game->PileTable[0]) = first;
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
  EXPECT_EQ(pile.Column, 5);
  EXPECT_EQ(pile.Row, 3);
  // Re-dealt: the table is now 34·5 + 72 = 242 wide, so offX = 279.
  EXPECT_EQ(pile.Left, 279 + 170 + 4);
  EXPECT_EQ(pile.Top, 26 + 126 + 8);
  EXPECT_EQ(game->PileTable[0].Next, &pile);
  EXPECT_EQ(pile.Count, 2);
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
    EXPECT_EQ(game->PileTable[1].Column, c.column) << c.x << ", " << c.y;
    EXPECT_EQ(game->PileTable[1].Row, c.row) << c.x << ", " << c.y;
  }
}

// Directions step Horizontal, Vertical, Size, NoDirection and round again;
// Unsupported stays. Each step deals the game afresh with the new spread.
TEST(CycleDirection, StepsThroughFourDirections) {
  auto game = EditedGame({800, 560});
  Pile& pile = game->PileTable[1];
  pile.Direction = PileDirection::Horizontal;
  CycleDirection(*game);
  EXPECT_EQ(pile.Direction, PileDirection::Vertical);
  EXPECT_EQ(pile.Height, 96);
  CycleDirection(*game);
  EXPECT_EQ(pile.Direction, PileDirection::Size);
  EXPECT_EQ(pile.Width, 65);
  EXPECT_EQ(pile.Height, 80);
  CycleDirection(*game);
  EXPECT_EQ(pile.Direction, PileDirection::NoDirection);
  EXPECT_EQ(pile.Width, 64);
  CycleDirection(*game);
  EXPECT_EQ(pile.Direction, PileDirection::Horizontal);
  EXPECT_EQ(pile.Width, 80);

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
