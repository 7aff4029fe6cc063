// Which cell of the card sheet every card and every empty pile shows, the
// labels of the wrapping foundations, and the background of a won deal.
#include "engine/shell/card_cells.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/play/history.h"
#include "engine/records/player_log.h"
#include "support/records_fixture.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::TableBuilder;
using testing::V;

constexpr int32_t kTenOfHearts = V(9, Hearts);  // face column 9, suit row 2

struct CardCellsTest : ::testing::Test {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  TableBuilder table;
};

// The conditions of a card's cell are tested in order: Show All Cards, a
// mark, the drop target's top card (face down or not), the back, the face.
TEST_F(CardCellsTest, CardCellsFollowTheirConditionsInOrder) {
  Pile& pile = table.AddPile(OpenPile());
  Card& down = table.Push(pile, kTenOfHearts, FaceDown);
  Card& up = table.Push(pile, V(kAce, Clubs), FaceUp);
  table.Finish();
  const SheetCell back{0, 9};
  EXPECT_EQ(CardCell(*game, pile, up), (SheetCell{0, 1}));
  EXPECT_EQ(CardCell(*game, pile, down), back);

  game->ShowAllCards = true;
  EXPECT_EQ(CardCell(*game, pile, down), (SheetCell{9, 6}));
  EXPECT_EQ(CardCell(*game, pile, up), (SheetCell{0, 1}));
  game->ShowAllCards = false;

  up.Face = Marked;
  EXPECT_EQ(CardCell(*game, pile, up), (SheetCell{0, 5}));
  up.Face = FaceUp;

  game->DropTarget = &pile;  // only the top card lights up
  EXPECT_EQ(CardCell(*game, pile, up), (SheetCell{0, 5}));
  EXPECT_EQ(CardCell(*game, pile, down), back);
  up.Face = FaceDown;
  EXPECT_EQ(CardCell(*game, pile, up), (SheetCell{0, 5}));
  game->DropTarget = nullptr;
  EXPECT_EQ(CardCell(*game, pile, up), back);
}

// The face column is the displayed rank: in an aces-high game (offset 1) an
// ace shows in column 1 and a king in column 0.
TEST_F(CardCellsTest, RankOffsetShiftsTheFaceColumn) {
  Pile& pile = table.AddPile(OpenPile());
  Card& ace = table.Push(pile, V(kAce, Diamonds));
  Card& king = table.Push(pile, V(kKing, Spades));
  table.Finish();
  game->RankOffset = 1;
  EXPECT_EQ(CardCell(*game, pile, ace), (SheetCell{1, 3}));
  EXPECT_EQ(CardCell(*game, pile, king), (SheetCell{0, 0}));
  // The top card drawn alone shows its face whichever way up it lies.
  king.Face = FaceDown;
  EXPECT_EQ(TopCardCell(*game, king, false), (SheetCell{0, 0}));
  EXPECT_EQ(TopCardCell(*game, king, true), (SheetCell{0, 4}));
}

// An empty pile's cell for every kind of start card.
TEST_F(CardCellsTest, EmptyPilesShowTheMarkerOfTheirStartCard) {
  PileDef def = OpenPile();
  auto cell = [&](PileStart start) {
    Pile pile;
    static_cast<PileDef&>(pile) = def;
    pile.PileStart = start;
    return EmptyPileCell(*game, pile);
  };
  EXPECT_EQ(cell(PileStart::None), (SheetCell{12, 9}));
  EXPECT_EQ(cell(PileStart::Any), (SheetCell{11, 9}));
  EXPECT_EQ(cell(static_cast<PileStart>(kTenOfHearts)), (SheetCell{9, 6}));
  EXPECT_EQ(cell(static_cast<PileStart>(V(kKing, Diamonds))), (SheetCell{12, 7}));
  EXPECT_EQ(cell(PileStart::AnyAce), (SheetCell{0, 8}));
  EXPECT_EQ(cell(PileStart::AnyKing), (SheetCell{12, 8}));
  for (PileStart s : {PileStart::AutoSpades, PileStart::AutoClubs, PileStart::AutoHearts,
                      PileStart::AutoDiamonds})
    EXPECT_EQ(cell(s), (SheetCell{12, 9}));
  EXPECT_EQ(cell(PileStart::AnyFaceCard), (SheetCell{9, 9}));
  EXPECT_EQ(cell(PileStart::BlankSpace), (SheetCell{8, 9}));

  // Aces high: the ace marker becomes the two marker, the displayed rank of
  // the lowest card, and a specific card moves with its face.
  game->RankOffset = 1;
  EXPECT_EQ(cell(PileStart::AnyAce), (SheetCell{1, 8}));
  EXPECT_EQ(cell(PileStart::AnyKing), (SheetCell{0, 8}));
  EXPECT_EQ(cell(static_cast<PileStart>(V(kAce, Spades))), (SheetCell{1, 4}));
}

// A redeal pile shows the redeal marker while a redeal is left or the game
// redeals without limit; after the last redeal, the marker of its start.
TEST_F(CardCellsTest, EmptyRedealPileShowsTheRedealMarkerWhileARedealIsLeft) {
  const SheetCell redeal{10, 9};
  for (uint32_t flag : {PileFlags::Redeal, PileFlags::RedealShow}) {
    Pile pile;
    static_cast<PileDef&>(pile) = OpenPile(flag);
    pile.PileStart = PileStart::None;
    game->CurrentFlags = 0;
    game->RedealsLeft = 1;
    EXPECT_EQ(EmptyPileCell(*game, pile), redeal);
    game->RedealsLeft = 0;
    EXPECT_EQ(EmptyPileCell(*game, pile), (SheetCell{12, 9}));
    game->CurrentFlags = GameFlags::RedealUnlimited;
    EXPECT_EQ(EmptyPileCell(*game, pile), redeal);
  }
  Pile plain;  // redeals left, but the pile plays no part in them
  static_cast<PileDef&>(plain) = OpenPile(PileFlags::RedealSource | PileFlags::RedealDest);
  game->RedealsLeft = 2;
  EXPECT_EQ(EmptyPileCell(*game, plain), (SheetCell{11, 9}));
}

// The wrapping foundations show the rank they need next, by their count;
// from 13 cards on they show nothing, and other builds never do.
TEST(NextRankLabels, WrappingFoundationsNameTheRankTheyNeedNext) {
  const char* const byTwo[13] = {" 2", " 4", " 6", " 8", "10", " Q", " A",
                                 " 3", " 5", " 7", " 9", " J", " K"};
  const char* const byThree[13] = {" 3", " 6", " 9", " Q", " 2", " 5", " 8",
                                   " J", " A", " 4", " 7", "10", " K"};
  const char* const byFour[13] = {" 4", " 8", " Q", " 3", " 7", " J", " 2",
                                  " 6", "10", " A", " 5", " 9", " K"};
  for (int n = 0; n < 13; ++n) {
    SCOPED_TRACE(n);
    EXPECT_STREQ(NextRankLabel(RankBuild::UpByTwoWrapping, n), byTwo[n]);
    EXPECT_STREQ(NextRankLabel(RankBuild::UpByThreeWrapping, n), byThree[n]);
    EXPECT_STREQ(NextRankLabel(RankBuild::UpByFourWrapping, n), byFour[n]);
  }
  for (RankBuild b :
       {RankBuild::UpByTwoWrapping, RankBuild::UpByThreeWrapping, RankBuild::UpByFourWrapping}) {
    EXPECT_EQ(NextRankLabel(b, 13), nullptr);
    EXPECT_EQ(NextRankLabel(b, 104), nullptr);
  }
  for (RankBuild b : {RankBuild::Up, RankBuild::UpWrapping, RankBuild::UpByTwo, RankBuild::Same,
                      RankBuild::None, RankBuild::Any})
    EXPECT_EQ(NextRankLabel(b, 3), nullptr);
}

// The background is the chosen tile, or tile 63 while the deal in play is
// logged as won.
TEST_F(CardCellsTest, WonDealIsDrawnOnTheReservedTile) {
  game->prefs.TableBack = 62;
  EXPECT_EQ(TableTile(*game), 62);
  game->CurrentLogRecord = 4;
  LogBlock(*game, game->CurrentGame)[4].Status = kPlayedRecord;
  EXPECT_EQ(TableTile(*game), 62);
  LogBlock(*game, game->CurrentGame)[4].Status = kWonRecord;
  EXPECT_EQ(TableTile(*game), kWonTableTile);
  EXPECT_EQ(kWonTableTile, 63);
  game->CurrentLogRecord = -1;
  EXPECT_EQ(TableTile(*game), 62);
}

// A won deal stays on tile 63 after an undo, until another deal starts.
TEST(WonBackground, StaysAfterAnUndoUntilTheNextDeal) {
  testing::RecordsGame t;
  t.game->prefs.TableBack = 5;
  t.Deal(testing::kOnePack, 17);
  t.Move(5, 1);
  CurrentLog(*t.game)->Status = kWonRecord;
  ASSERT_EQ(TableTile(*t.game), 63);
  UndoMove(*t.game);
  EXPECT_EQ(TableTile(*t.game), 63);
  t.Deal(testing::kOnePack, 18);
  EXPECT_EQ(TableTile(*t.game), 5);
}

}  // namespace
}  // namespace tarnik
