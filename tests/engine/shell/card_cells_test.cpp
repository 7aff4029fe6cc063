// Which cell of the card sheet every card and every empty pile shows, the
// labels of the wrapping foundations, and the background of a won deal.
#include "engine/shell/card_cells.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/play/history.h"
#include "engine/records/player_log.h"
#include "support/records_fixture.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
using C = SheetCell;

constexpr int32_t kTenOfHearts = V(9, Hearts);  // face column 9, suit row 2
constexpr C kBack{0, 9}, kNone{12, 9}, kAny{11, 9}, kRedeal{10, 9};

struct CardCellsTest : ::testing::Test {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  testing::TableBuilder table;
  // The cell of an empty pile made from `def` with the given start card.
  C Empty(PileDef def, PileStart start) {
    Pile pile;
    static_cast<PileDef&>(pile) = def, pile.PileStart = start;
    return EmptyPileCell(*game, pile);
  }
};

// A card's cell: Show All Cards, a mark, the drop target's top card, the
// back, the face, in that order; the column is the displayed rank.
TEST_F(CardCellsTest, CardCellsFollowTheirConditionsInOrder) {
  Pile& pile = table.AddPile(OpenPile());
  Card& down = table.Push(pile, kTenOfHearts, FaceDown);
  Card& up = table.Push(pile, V(kAce, Clubs), FaceUp);
  table.Finish();
  auto both = [&] { return std::pair{CardCell(*game, pile, down), CardCell(*game, pile, up)}; };
  EXPECT_EQ(both(), std::pair(kBack, C{0, 1}));
  game->ShowAllCards = true;
  EXPECT_EQ(both(), std::pair(C{9, 6}, C{0, 1}));
  game->ShowAllCards = false;
  up.Face = Marked;
  EXPECT_EQ(both(), std::pair(kBack, C{0, 5}));
  up.Face = FaceUp;
  game->DropTarget = &pile;  // only the top card lights up, face down or not
  EXPECT_EQ(both(), std::pair(kBack, C{0, 5}));
  up.Face = FaceDown;
  EXPECT_EQ(both(), std::pair(kBack, C{0, 5}));
  game->DropTarget = nullptr;
  EXPECT_EQ(both(), std::pair(kBack, kBack));
  game->RankOffset = 1;
  down.Value = V(kAce, Diamonds), up.Value = V(kKing, Spades), up.Face = down.Face = FaceUp;
  EXPECT_EQ(both(), std::pair(C{1, 3}, C{0, 0}));
  // The top card drawn alone shows its face whichever way up it lies.
  up.Face = FaceDown;
  EXPECT_EQ(std::pair(TopCardCell(*game, up, false), TopCardCell(*game, up, true)),
            std::pair(C{0, 0}, C{0, 4}));
}

// An empty pile shows its start card's marker (aces high: the ace marker is
// the two's), or the redeal marker while a redeal is left or unlimited.
TEST_F(CardCellsTest, EmptyPilesShowTheirStartCardOrTheRedealMarker) {
  using PS = PileStart;
  constexpr uint32_t kR = PileFlags::Redeal, kS = PileFlags::RedealShow,
                     kU = GameFlags::RedealUnlimited;
  // The last row's pile has no part in redeals.
  const struct { PileStart start; int offset; uint32_t pile, game; int left; C cell; } cases[] = {
      {PS::None, 0, 0, 0, 0, kNone}, {PS::Any, 0, 0, 0, 0, kAny},
      {PS(kTenOfHearts), 0, 0, 0, 0, {9, 6}}, {PS(V(kKing, Diamonds)), 0, 0, 0, 0, {12, 7}},
      {PS::AnyAce, 0, 0, 0, 0, {0, 8}}, {PS::AnyKing, 0, 0, 0, 0, {12, 8}},
      {PS::AutoHearts, 0, 0, 0, 0, kNone}, {PS::AnyFaceCard, 0, 0, 0, 0, {9, 9}},
      {PS::BlankSpace, 0, 0, 0, 0, {8, 9}}, {PS::AnyAce, 1, 0, 0, 0, {1, 8}},
      {PS::AnyKing, 1, 0, 0, 0, {0, 8}}, {PS(V(kAce, Spades)), 1, 0, 0, 0, {1, 4}},
      {PS::None, 0, kR, 0, 1, kRedeal}, {PS::None, 0, kR, 0, 0, kNone},
      {PS::None, 0, kR, kU, 0, kRedeal}, {PS::None, 0, kS, 0, 1, kRedeal},
      {PS::None, 0, kS, 0, 0, kNone}, {PS::None, 0, kS, kU, 0, kRedeal},
      {PS::None, 0, PileFlags::RedealSource | PileFlags::RedealDest, 0, 2, kNone}};
  for (const auto& c : cases) {
    game->RankOffset = c.offset, game->CurrentFlags = c.game, game->RedealsLeft = c.left;
    EXPECT_EQ(Empty(OpenPile(c.pile ? c.pile : PileFlags::AutoFillSource), c.start), c.cell)
        << int(c.start) << " " << c.offset << " " << c.pile << " " << c.left;
  }
}

// The wrapping foundations show the rank they need next, by their count;
// from 13 cards on they show nothing, and other builds never do.
TEST(NextRankLabels, WrappingFoundationsNameTheRankTheyNeedNext) {
  const struct { RankBuild build; const char* labels[13]; } cases[] = {
      {RankBuild::UpByTwoWrapping,
       {" 2", " 4", " 6", " 8", "10", " Q", " A", " 3", " 5", " 7", " 9", " J", " K"}},
      {RankBuild::UpByThreeWrapping,
       {" 3", " 6", " 9", " Q", " 2", " 5", " 8", " J", " A", " 4", " 7", "10", " K"}},
      {RankBuild::UpByFourWrapping,
       {" 4", " 8", " Q", " 3", " 7", " J", " 2", " 6", "10", " A", " 5", " 9", " K"}}};
  for (const auto& c : cases) {
    for (int n = 0; n < 13; ++n) EXPECT_STREQ(NextRankLabel(c.build, n), c.labels[n]) << n;
    EXPECT_EQ(NextRankLabel(c.build, 13), nullptr);
  }
  for (RankBuild b : {RankBuild::Up, RankBuild::UpWrapping, RankBuild::UpByTwo, RankBuild::Same,
                      RankBuild::None, RankBuild::Any})
    EXPECT_EQ(NextRankLabel(b, 3), nullptr);
}

// The background is the chosen tile, or tile 63 while the deal in play is
// logged as won, also after an undo, until another deal starts.
TEST(WonBackground, ReservedTileWhileTheDealInPlayIsWon) {
  testing::RecordsGame t;
  Game& g = *t.game;
  g.prefs.TableBack = 5;
  t.Deal(testing::kOnePack, 17);
  t.Move(5, 1);
  EXPECT_EQ(TableTile(g), 5);  // played, not won
  CurrentLog(g)->Status = kWonRecord;
  EXPECT_EQ(TableTile(g), 63);
  EXPECT_EQ(kWonTableTile, 63);
  const int32_t record = g.CurrentLogRecord;
  g.CurrentLogRecord = -1;  // a deal not in the log
  EXPECT_EQ(TableTile(g), 5);
  g.CurrentLogRecord = record;
  UndoMove(g);
  EXPECT_EQ(TableTile(g), 63);
  t.Deal(testing::kOnePack, 18);
  EXPECT_EQ(TableTile(g), 5);
}

}  // namespace
}  // namespace tarnik
