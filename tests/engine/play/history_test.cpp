// The position history: undo, redo, the snapshot, the full buffer, exact positions.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/cards/pile_ops.h"
#include "engine/play/history.h"
#include "engine/play/moves.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;

GameDef TwoPiles(uint32_t flags = 0) {
  GameDef g = NamedGame("History", flags);
  g.Piles[0] = MakePile(0, 0, PileFlags::AutoPlay);
  g.Piles[1] = MakePile(8, 0, PileFlags::WinGoal, RankBuild::Up, SuitBuild::SameSuit,
                        CardRemoval::TopCardOnly, PileStart::AnyAce);
  return g;
}

// One automatic move to the foundation; each is one play.
void Play(PlayTable& t) { ASSERT_EQ(AutoStep(*t.game), 1); }

// Each move is one play, undone (drop sound) and redone; the first opens the log record;
// past 1024 positions every move warns and nothing more is stored.
TEST(History, PlayCountFollowsMovesUndoAndRedo) {
  PlayTable t(TwoPiles());
  t.Arrange({{Up(V(2, 0)), Up(V(1, 0)), Up(V(0, 0))}, {}});
  EXPECT_EQ(std::make_pair(t.Plays(), t.log.logged), std::make_pair(0, false));
  Play(t);
  EXPECT_EQ(std::make_pair(t.Plays(), t.log.logged), std::make_pair(1, true));
  t.display.sounds.clear();
  UndoMove(*t.game);
  UndoMove(*t.game);
  EXPECT_EQ(std::make_tuple(t.Plays(), t.display.DropSounds(), t.Values(0).size()),
            std::make_tuple(0, 1, 3u));
  RedoMove(*t.game);
  RedoMove(*t.game);
  EXPECT_EQ(std::make_pair(t.Plays(), t.Values(1)),
            std::make_pair(1, std::vector<int32_t>{V(0, 0)}));
  Play(t);
  UndoMove(*t.game);
  UndoMove(*t.game);
  Play(t);
  RedoMove(*t.game);
  EXPECT_EQ(std::make_pair(t.game->history.PositionCount, t.Plays()),
            std::make_pair(t.game->history.UndoPosition, 1));
  while (t.game->history.UndoPosition < 1024) RecordPosition(*t.game);
  EXPECT_TRUE(t.display.messages.empty());
  RecordPosition(*t.game);
  RecordPosition(*t.game);
  const std::string full = "Undo buffer is full.  Cannot store any more moves.|Warning!";
  EXPECT_EQ(t.display.messages, std::vector<std::string>(2, full));
  EXPECT_EQ(std::make_pair(t.game->history.UndoPosition, t.game->history.PositionCount),
            std::make_pair(1024, 1024));
}

// Restoring the snapshot is silent and keeps redo; cut off, the snapshot goes to the start.
TEST(History, SnapshotRestoresSilentlyAndFallsBackWhenCutOff) {
  PlayTable t(TwoPiles());
  t.Arrange({{Up(V(1, 0)), Up(V(0, 0))}, {}});
  StoreSnapShot(*t.game);
  Play(t);
  t.display.sounds.clear();
  RestoreSnapShot(*t.game);
  EXPECT_EQ(std::make_tuple(t.display.sounds.size(), t.Plays(), t.game->history.PositionCount),
            std::make_tuple(0u, 0, 2));
  RedoMove(*t.game);
  EXPECT_EQ(t.Values(1).size(), 1u);
  History& h = t.game->history;
  for (int i = 0; i < 8; ++i) RecordPosition(*t.game);  // positions 3 to 10
  StoreSnapShot(*t.game);
  EXPECT_EQ(h.SnapshotPosition, 10);
  h.UndoPosition = 5;
  RecordPosition(*t.game);
  EXPECT_EQ(h.SnapshotPosition, 1);
  h.SnapshotPosition = 6, h.UndoPosition = 5;
  RecordPosition(*t.game);  // the new position 6
  EXPECT_EQ(h.SnapshotPosition, 6);
}

// A position brings back a four-deck pile of over 127 cards, faces and redeals left.
TEST(History, PositionsBringBackBigPilesFacesAndRedeals) {
  PlayTable t(TwoPiles(GameFlags::FourDeck | GameFlags::RedealTwice));
  std::vector<Placed> stock;
  for (int i = 0; i < 200; ++i) stock.push_back(i % 3 ? Down(i % 52) : Up(i % 52));
  t.Arrange({stock, {Up(0)}});
  const std::string dealt = t.Table();
  t.P(0).TopCard->Face = FaceUp;
  RestorePosition(*t.game);
  EXPECT_EQ(t.Table(), dealt);
  EXPECT_EQ(std::make_pair(t.P(0).Count, t.game->RedealsLeft), std::make_pair(200, 2));
  t.game->RedealsLeft = 1;
  RecordPosition(*t.game);
  UndoMove(*t.game);
  const int32_t undone = t.game->RedealsLeft;
  RedoMove(*t.game);
  EXPECT_EQ(std::make_pair(undone, t.game->RedealsLeft), std::make_pair(2, 1));
}

}  // namespace
}  // namespace tarnik
