// The game log of the current game: its logged seeds, the record shown, the
// comment the player gives a deal, and dealing a logged seed again. The log
// has no storage of its own: it is the current game's block of the player
// file, and every change goes straight into it.
#pragma once

#include <cstdint>

#include "engine/game/game.h"

namespace tarnik {

constexpr int kCommentCount = 13;
// The comment list, in the order of the stored Comment values.
extern const char* const kComments[kCommentCount];

// The seed list of the dialog: line i shows the seed of record Record[i].
struct GameLogLines {
  int32_t Count = 0;
  int32_t Record[kLogRecordsPerGame] = {};
};

// What the dialog shows of the selected record.
struct LogRecordView {
  const char* GameName = "";
  const char* State = "";  // "Completed" or "Not completed"
  uint32_t HighScore = 0;
  int32_t Comment = 0;  // the selected line of the comment list
};

// The command opens the log only when the current game has a logged deal.
bool CanOpenGameLog(const Game& game);
// Opening: the seed list, with the deal in play's record selected (the first
// line when the deal is not in the log).
GameLogLines OpenGameLog(Game& game);
// The line of the seed list that shows the selected record (0 when none).
int32_t SelectedLogLine(const Game& game, const GameLogLines& lines);
// The text of line `line` of the seed list: the seed as unsigned decimal.
void LogLineText(const Game& game, const GameLogLines& lines, int32_t line, char (&text)[16]);
// The fields of the selected record.
LogRecordView ShowLogRecord(const Game& game);
// A selection change in the seed list.
void SelectLogLine(Game& game, const GameLogLines& lines, int32_t line);
// A selection change in the comment list: stored at once.
void ChangeLogComment(Game& game, int32_t comment);
// A double click in the seed list: deals the selected seed again in the
// current game; the dialog then closes.
void ReplayLogSeed(Game& game);

}  // namespace tarnik
