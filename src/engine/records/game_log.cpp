#include "engine/records/game_log.h"

#include <cstdio>

#include "engine/deal/deal.h"
#include "engine/deal/game_index.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"
#include "engine/records/player_log.h"

namespace tarnik {

const char* const kComments[kCommentCount] = {"No comment.",
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

// The selected record, when the selection names a record of the current game.
static LogRecord* SelectedRecord(Game& game) {
  LogRecord* block = LogBlock(game, game.CurrentGame);
  const int32_t k = game.records.SelectedLogRecord;
  return block && k >= 0 && k < kLogRecordsPerGame ? &block[k] : nullptr;
}

// The same, for reading.
static const LogRecord* SelectedRecord(const Game& game) {
  return SelectedRecord(const_cast<Game&>(game));
}

bool CanOpenGameLog(const Game& game) {
  return CountPlayed(game, game.CurrentGame) > 0;
}

GameLogLines OpenGameLog(Game& game) {
  GameLogLines lines;
  const LogRecord* block = LogBlock(game, game.CurrentGame);
  for (int32_t k = 0; block && k < kLogRecordsPerGame; ++k)
    if (block[k].Status != kEmptyRecord) lines.Record[lines.Count++] = k;
  // The first line, unless the deal in play is logged.
  int32_t selected = lines.Count ? lines.Record[0] : 0;
  for (int32_t i = 0; i < lines.Count; ++i)
    if (block[lines.Record[i]].Seed == game.CurrentSeed) selected = lines.Record[i];
  game.records.SelectedLogRecord = selected;
  return lines;
}

int32_t SelectedLogLine(const Game& game, const GameLogLines& lines) {
  for (int32_t i = 0; i < lines.Count; ++i)
    if (lines.Record[i] == game.records.SelectedLogRecord) return i;
  return 0;
}

void LogLineText(const Game& game, const GameLogLines& lines, int32_t line, char (&text)[16]) {
  const LogRecord* block = LogBlock(game, game.CurrentGame);
  text[0] = '\0';
  if (!block || line < 0 || line >= lines.Count) return;
  std::snprintf(text, sizeof text, "%lu",
                static_cast<unsigned long>(block[lines.Record[line]].Seed));
}

LogRecordView ShowLogRecord(const Game& game) {
  LogRecordView view;
  view.GameName = NameOfGame(game.library, game.CurrentGame);
  const LogRecord* record = SelectedRecord(game);
  if (!record) return view;
  view.State = record->Status == kWonRecord ? "Completed" : "Not completed";
  view.HighScore = record->HighScore;
  // A comment beyond the list (a damaged file) shows as "No comment.".
  view.Comment = record->Comment < kCommentCount ? record->Comment : 0;
  return view;
}

void SelectLogLine(Game& game, const GameLogLines& lines, int32_t line) {
  if (line >= 0 && line < lines.Count) game.records.SelectedLogRecord = lines.Record[line];
}

void ChangeLogComment(Game& game, int32_t comment) {
  LogRecord* record = SelectedRecord(game);
  if (record && comment >= 0 && comment < kCommentCount)
    record->Comment = static_cast<uint8_t>(comment);
}

void ReplayLogSeed(Game& game) {
  const LogRecord* record = SelectedRecord(game);
  if (!record) return;
  game.CurrentSeed = record->Seed;
  StartGame(game, game.CurrentSeed);
}

}  // namespace tarnik
