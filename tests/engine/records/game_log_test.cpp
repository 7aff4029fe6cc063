// The game log: its comment list, the seed list with the deal in play
// selected, comments stored at once, and a logged seed dealt again.
#include "engine/records/game_log.h"

#include <gtest/gtest.h>

#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kOnePack;

// Three logged deals of the one-pack game: seeds 300 (won, 12, comment 9), 301, 302.
struct Log : ::testing::Test {
  void SetUp() override {
    for (uint32_t seed : {300u, 301u, 302u}) {
      t.Deal(kOnePack, seed);
      t.Move(5, 1);
    }
    block[0].Status = kWonRecord, block[0].HighScore = 12, block[0].Comment = 9;
  }
  std::string Line(const GameLogLines& lines, int32_t line) {
    char text[16];
    LogLineText(game, lines, line, text);
    return text;
  }
  testing::RecordsGame t;
  Game& game = *t.game;
  LogRecord* block = game.records.PlayerFile[kOnePack];
};

TEST_F(Log, CommentListInItsOrder) {
  const char* expected[] = {"No comment.",
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
  for (int i = 0; i < kCommentCount; ++i) EXPECT_STREQ(kComments[i], expected[i]);
}

TEST_F(Log, OpensOnTheDealInPlayOrElseOnTheFirstLine) {
  t.Deal(kOnePack, 300);
  ASSERT_TRUE(CanOpenGameLog(game));
  GameLogLines lines = OpenGameLog(game);
  ASSERT_EQ(lines.Count, 3);
  EXPECT_EQ(Line(lines, 2), "302");
  const LogRecordView view = ShowLogRecord(game);
  EXPECT_STREQ(view.GameName, "Patience One");
  EXPECT_STREQ(view.State, "Completed");
  EXPECT_EQ(view.HighScore * 100 + view.Comment, 1209u);
  SelectLogLine(game, lines, 1);
  EXPECT_STREQ(ShowLogRecord(game).State, "Not completed");
  t.Deal(kOnePack, 999);  // not in the log
  lines = OpenGameLog(game);
  EXPECT_EQ(SelectedLogLine(game, lines), 0);
  EXPECT_EQ(game.records.SelectedLogRecord, 0);
}

TEST_F(Log, CommentIsStoredAtOnceAndADoubleClickDealsTheSeed) {
  GameLogLines lines = OpenGameLog(game);  // the deal in play is 302
  EXPECT_EQ(SelectedLogLine(game, lines), 2);
  ChangeLogComment(game, 11);
  ChangeLogComment(game, 13);  // no such comment
  EXPECT_EQ(block[2].Comment, 11);
  block[2].Comment = 200;  // from a damaged file
  EXPECT_EQ(ShowLogRecord(game).Comment, 0);
  SelectLogLine(game, lines, 1);
  ReplayLogSeed(game);
  EXPECT_EQ(game.CurrentSeed, 301u);
  EXPECT_EQ(game.CurrentLogRecord, 1);
  EXPECT_EQ(game.history.PositionCount, 1);
}

TEST_F(Log, GapsInADamagedLogStillListOnlyLoggedSeeds) {
  block[1].Status = kEmptyRecord;
  block[99] = {4000000000u, 0, kPlayedRecord, 0, 0, 0};
  t.Deal(kOnePack, 4000000000u);
  const GameLogLines lines = OpenGameLog(game);
  ASSERT_EQ(lines.Count, 3);
  EXPECT_EQ(Line(lines, 2), "4000000000");
  EXPECT_EQ(SelectedLogLine(game, lines), 2);
  SelectLogLine(game, lines, 1);
  EXPECT_EQ(game.records.SelectedLogRecord, 2);
}

}  // namespace
}  // namespace tarnik
