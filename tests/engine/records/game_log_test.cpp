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

// The comment texts, letter for letter and in their order.
TEST_F(Log, CommentListInItsOrder) {
  std::string all;
  for (int i = 0; i < kCommentCount; ++i) all += std::string(kComments[i]) + "|";
  EXPECT_EQ(all, "No comment.|Extremely easy!|Very easy.|Easy.|Hard.|Very hard.|Extremely hard!|"
                 "Cannot complete!|Last second comeback!|Took HOURS to finish!|My first win!|"
                 "My first try at this game.|My first loss.|");
}

// The log opens on the deal in play, else on its first line; a comment is
// stored at once (a damaged one shows as none); a double click on a line
// deals its seed afresh.
TEST_F(Log, OpensOnTheDealInPlayStoresCommentsAndDealsALoggedSeed) {
  GameLogLines lines = OpenGameLog(game);  // the deal in play is 302
  EXPECT_EQ(SelectedLogLine(game, lines), 2);
  ChangeLogComment(game, 11);
  ChangeLogComment(game, 13);  // no such comment
  EXPECT_EQ(block[2].Comment, 11);
  block[2].Comment = 200;  // from a damaged file
  EXPECT_EQ(ShowLogRecord(game).Comment, 0);
  t.Deal(kOnePack, 300);
  ASSERT_TRUE(CanOpenGameLog(game));
  lines = OpenGameLog(game);
  ASSERT_EQ(lines.Count, 3);
  EXPECT_EQ(Line(lines, 2), "302");
  const LogRecordView view = ShowLogRecord(game);
  EXPECT_EQ(std::string(view.GameName) + "|" + view.State, "Patience One|Completed");
  EXPECT_EQ(view.HighScore * 100 + view.Comment, 1209u);
  SelectLogLine(game, lines, 1);
  EXPECT_STREQ(ShowLogRecord(game).State, "Not completed");
  ReplayLogSeed(game);
  EXPECT_EQ(game.CurrentSeed, 301u);
  EXPECT_EQ(game.CurrentLogRecord, 1);
  EXPECT_EQ(game.history.PositionCount, 1);
  t.Deal(kOnePack, 999);  // not in the log
  lines = OpenGameLog(game);
  EXPECT_EQ(SelectedLogLine(game, lines), 0);
  EXPECT_EQ(game.records.SelectedLogRecord, 0);
}

// A damaged log with gaps still lists only the logged seeds.
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
