#include "engine/records/player_log.h"

#include <cstring>

namespace tarnik {

LogRecord* LogBlock(Game& game, int64_t g) {
  if (g < 0 || g >= kMaxGames) return nullptr;
  return game.records.PlayerFile[g];
}

const LogRecord* LogBlock(const Game& game, int64_t g) {
  if (g < 0 || g >= kMaxGames) return nullptr;
  return game.records.PlayerFile[g];
}

// The record index k of the current game, checked against the table.
static bool IsLogIndex(int32_t k) {
  return k >= 0 && k < kLogRecordsPerGame;
}

LogRecord* CurrentLog(Game& game) {
  LogRecord* block = LogBlock(game, game.CurrentGame);
  return block && IsLogIndex(game.CurrentLogRecord) ? &block[game.CurrentLogRecord] : nullptr;
}

const LogRecord* CurrentLog(const Game& game) {
  const LogRecord* block = LogBlock(game, game.CurrentGame);
  return block && IsLogIndex(game.CurrentLogRecord) ? &block[game.CurrentLogRecord] : nullptr;
}

int32_t CountPlayed(const Game& game, int64_t g) {
  const LogRecord* block = LogBlock(game, g);
  int32_t n = 0;
  for (int k = 0; block && k < kLogRecordsPerGame; ++k) n += block[k].Status != kEmptyRecord;
  return n;
}

int32_t CountWon(const Game& game, int64_t g) {
  const LogRecord* block = LogBlock(game, g);
  int32_t n = 0;
  for (int k = 0; block && k < kLogRecordsPerGame; ++k) n += block[k].Status == kWonRecord;
  return n;
}

int32_t FindLogRecord(Game& game) {
  const LogRecord* block = LogBlock(game, game.CurrentGame);
  for (int k = 0; block && k < kLogRecordsPerGame; ++k)
    if (block[k].Seed == game.CurrentSeed && block[k].Status != kEmptyRecord) return k;
  return -1;
}

// Makes record k the fresh record of the deal in play.
static void StartRecord(Game& game, LogRecord& record) {
  record = LogRecord{};
  record.Seed = game.CurrentSeed;
  record.Game = static_cast<uint32_t>(game.CurrentGame);
  record.Status = kPlayedRecord;
}

int32_t OpenLogRecord(Game& game) {
  LogRecord* block = LogBlock(game, game.CurrentGame);
  if (!block) return -1;
  const int32_t found = FindLogRecord(game);
  if (found != -1) return found;
  for (int k = 0; k < kLogRecordsPerGame; ++k) {
    if (block[k].Status == kEmptyRecord) {
      StartRecord(game, block[k]);
      return k;
    }
  }
  // A full log: the oldest deal gives way, the others keep their order.
  std::memmove(&block[0], &block[1], sizeof(LogRecord) * (kLogRecordsPerGame - 1));
  StartRecord(game, block[kLogRecordsPerGame - 1]);
  return kLogRecordsPerGame - 1;
}

void ClearGameStatistics(Game& game) {
  LogRecord* block = LogBlock(game, game.CurrentGame);
  for (int k = 0; block && k < kLogRecordsPerGame; ++k) block[k] = LogRecord{};
  game.CurrentLogRecord = -1;
}

void ClearPlayerStatistics(Game& game) {
  const int32_t games = game.library.GameCount < kMaxGames ? game.library.GameCount : kMaxGames;
  for (int32_t g = 0; g < games; ++g)
    for (LogRecord& record : game.records.PlayerFile[g]) record = LogRecord{};
  game.CurrentLogRecord = -1;
}

}  // namespace tarnik
