// Player files of any bytes: records, statistics and the game log stay in range.
#include "engine/records/deal_scores.h"
#include "engine/records/game_log.h"
#include "engine/records/player_file.h"
#include "engine/records/player_log.h"
#include "engine/records/statistics.h"
#include "engine/records/status_line.h"
#include "fuzz_support.h"

using namespace tarnik;

// The game log opened on the current game, every line shown and chosen.
static void WalkGameLog(Game& game, uint8_t comment) {
  const GameLogLines lines = OpenGameLog(game);
  FUZZ_CHECK(lines.Count == CountPlayed(game, game.CurrentGame) &&
             SelectedLogLine(game, lines) < (lines.Count ? lines.Count : 1));
  char text[16];
  for (int32_t line = 0; line < lines.Count; ++line) {
    LogLineText(game, lines, line, text);
    SelectLogLine(game, lines, line);
    const LogRecordView view = ShowLogRecord(game);
    FUZZ_CHECK(view.Comment >= 0 && view.Comment < kCommentCount);
  }
  ChangeLogComment(game, comment % 16);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Game& game = fuzz::FuzzGame();
  DecodePlayerFile(data, size, game.records);
  fuzz::Input in{data, size};
  game.CurrentGame = static_cast<int32_t>(in.Word() % 300) - 20;
  game.CurrentSeed = in.Word();
  const int32_t rows = BuildPlayerStatistics(game);
  for (int32_t g = 0; g < rows; ++g) {
    const StatsRow& row = game.records.StatsTable[g];
    FUZZ_CHECK(row.Won <= row.Played && row.Played <= kLogRecordsPerGame && row.Percent >= 0 &&
               row.Percent <= 100);
  }
  game.CurrentLogRecord = FindLogRecord(game);
  FUZZ_CHECK(game.CurrentLogRecord >= -1 && game.CurrentLogRecord < kLogRecordsPerGame);
  if (CountPlayed(game, game.CurrentGame) > 0) WalkGameLog(game, in.Byte());
  game.CurrentLogRecord = OpenLogRecord(game);
  FUZZ_CHECK(game.CurrentLogRecord >= -1 && game.CurrentLogRecord < kLogRecordsPerGame);
  RaiseDealScore(game, in.Byte()), MarkDealWon(game);
  char text[kStatusTextSize];
  ComposeStatusText(game, 3, text);
  ClearGameStatistics(game);
  FUZZ_CHECK(CountPlayed(game, game.CurrentGame) == 0);
  return 0;
}
