// The game log: its comment list, the seed list with the deal in play
// selected, comments stored at once, and a logged seed dealt again.
#include "app/game_log.h"

#include <gtest/gtest.h>

#include "app/records_fixture.h"

namespace tarnik {
namespace {

using testing::kOnePack;

TEST(GameLog, CommentListInItsOrder) {
  const std::vector<std::string> expected = {"No comment.",
                                             "Extremely easy!",
                                             "Very easy.",
                                             "Easy.",
                                             "Hard.",
                                             "Very hard.",
                                             "Extremely hard!",
                                             "Cannot complete!",
                                             "Last second comeback!",
                                             "Took HOURS to finish!",
                                             "My first win!",
                                             "My first try at this game.",
                                             "My first loss."};
  EXPECT_EQ(std::vector<std::string>(kComments, kComments + kCommentCount), expected);
}

// Three logged deals of the one-pack game: seeds 300 (won, score 12), 301, 302.
struct Log : ::testing::Test {
  void SetUp() override {
    for (uint32_t seed : {300u, 301u, 302u}) {
      t.Deal(kOnePack, seed);
      t.Move(5, 1);
    }
    game.records.PlayerFile[kOnePack][0].Status = kWonRecord;
    game.records.PlayerFile[kOnePack][0].HighScore = 12;
    game.records.PlayerFile[kOnePack][0].Comment = 9;
  }
  testing::RecordsGame t;
  Game& game = *t.game;
};

TEST_F(Log, OpensOnTheDealInPlay) {
  t.Deal(kOnePack, 300);
  ASSERT_TRUE(CanOpenGameLog(game));
  const GameLogLines lines = OpenGameLog(game);
  ASSERT_EQ(lines.Count, 3);
  char text[16];
  LogLineText(game, lines, 2, text);
  EXPECT_STREQ(text, "302");
  EXPECT_EQ(SelectedLogLine(game, lines), 0);
  const LogRecordView view = ShowLogRecord(game);
  EXPECT_STREQ(view.GameName, "Patience One");
  EXPECT_STREQ(view.State, "Completed");
  EXPECT_EQ(view.HighScore, 12u);
  EXPECT_EQ(view.Comment, 9);
  SelectLogLine(game, lines, 1);
  EXPECT_STREQ(ShowLogRecord(game).State, "Not completed");
}

TEST_F(Log, DealNotInTheLogShowsTheFirstLine) {
  t.Deal(kOnePack, 999);
  const GameLogLines lines = OpenGameLog(game);
  EXPECT_EQ(game.records.SelectedLogRecord, 0);
  EXPECT_EQ(SelectedLogLine(game, lines), 0);
}

TEST_F(Log, CommentIsStoredAtOnce) {
  const GameLogLines lines = OpenGameLog(game);  // the deal in play is 302
  EXPECT_EQ(SelectedLogLine(game, lines), 2);
  ChangeLogComment(game, 11);
  EXPECT_EQ(game.records.PlayerFile[kOnePack][2].Comment, 11);
  ChangeLogComment(game, 13);  // no such comment
  EXPECT_EQ(game.records.PlayerFile[kOnePack][2].Comment, 11);
  game.records.PlayerFile[kOnePack][2].Comment = 200;  // from a damaged file
  EXPECT_EQ(ShowLogRecord(game).Comment, 0);
}

TEST_F(Log, DoubleClickDealsTheSeedAgain) {
  const GameLogLines lines = OpenGameLog(game);
  SelectLogLine(game, lines, 1);
  ReplayLogSeed(game);
  EXPECT_EQ(game.CurrentSeed, 301u);
  EXPECT_EQ(game.CurrentGame, kOnePack);
  EXPECT_EQ(game.CurrentLogRecord, 1);
  EXPECT_EQ(game.history.PositionCount, 1);
}

TEST_F(Log, GapsInADamagedLogStillListOnlyLoggedSeeds) {
  game.records.PlayerFile[kOnePack][1].Status = kEmptyRecord;
  game.records.PlayerFile[kOnePack][99] = {4000000000u, 0, kPlayedRecord, 0, 0, 0};
  t.Deal(kOnePack, 4000000000u);
  const GameLogLines lines = OpenGameLog(game);
  ASSERT_EQ(lines.Count, 3);
  char text[16];
  LogLineText(game, lines, 2, text);
  EXPECT_STREQ(text, "4000000000");
  EXPECT_EQ(SelectedLogLine(game, lines), 2);
  SelectLogLine(game, lines, 1);
  EXPECT_EQ(game.records.SelectedLogRecord, 2);
}

TEST(GameLogEmpty, OpensOnlyWithALoggedDeal) {
  testing::RecordsGame t;
  t.Deal(kOnePack, 1);
  EXPECT_FALSE(CanOpenGameLog(*t.game));
}

}  // namespace
}  // namespace tarnik
