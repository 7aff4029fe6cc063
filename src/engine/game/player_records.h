// What the program keeps about the player and the deal in play: the player's
// log of deals (the player file), the sixteen tournaments, the statistics
// table and the small pieces of dialog state that last for the whole run.
// Plain records in fixed tables; the files are these tables byte for byte.
#pragma once

#include <cstdint>

#include "engine/cards/cards.h"

namespace tarnik {

constexpr int kLogRecordsPerGame = 100;  // logged deals per game
constexpr int kLogRecordSize = 12;
constexpr int kLogBlockSize = kLogRecordsPerGame * kLogRecordSize;  // 1200
constexpr int kPlayerFileSize = kMaxGames * kLogBlockSize;          // 307200

// Status of a log record.
constexpr uint8_t kEmptyRecord = 0;
constexpr uint8_t kPlayedRecord = 1;
constexpr uint8_t kWonRecord = 2;

// One logged deal: 12 bytes, little-endian, in this order in the file.
struct LogRecord {
  uint32_t Seed = 0;
  uint32_t Game = 0;      // the library index when the record was made
  uint8_t Status = 0;     // kEmptyRecord, kPlayedRecord or kWonRecord
  uint8_t Comment = 0;    // index into the game log's comment list
  uint8_t HighScore = 0;  // best GameScore reached in this deal
  uint8_t Spare = 0;
};

constexpr int kTourCount = 16;
constexpr int kTourGames = 32;
constexpr int kTourRecordSize = 200;
constexpr int kTourFileSize = kTourCount * kTourRecordSize;  // 3200
constexpr uint32_t kTourEnd = 0xFFFFFFFFu;                   // ends the list of a tour's games

// One tournament: 200 bytes, little-endian, in this order in the file.
struct TourRecord {
  uint32_t Games[kTourGames] = {};  // library indices; kTourEnd ends the list
  uint32_t Position = 0;            // the place being played
  uint32_t Seed = 0;                // every game of the tour is dealt with it
  uint8_t Scores[kTourGames] = {};  // one score per place
  char Name[kNameSize] = {};        // NUL-terminated, at most 31 characters
};

// One row of the player statistics: the figures of one library game.
struct StatsRow {
  int32_t Played = 0;
  int32_t Won = 0;
  int32_t Lost = 0;
  int32_t Percent = 0;
  char Name[kNameSize] = {};
};

constexpr int kPathSize = 256;

struct Records {
  // The player file: block g holds the log of library game g.
  LogRecord PlayerFile[kMaxGames][kLogRecordsPerGame];
  // The tournament file. All zero until a file is read.
  TourRecord TourTable[kTourCount];
  // Rebuilt each time the player statistics are shown.
  StatsRow StatsTable[kMaxGames];
  uint32_t SortToggle = 0;         // column-header clicks of the player statistics
  int32_t FavoriteSlot = 0;        // the favourite button being customised
  int32_t SelectedLogRecord = 0;   // the record the game log shows
  uint32_t CounterShowsStock = 0;  // 1: the card counter lists the stock piles
  char SavedGamePath[kPathSize] = "Data/Tarnik.tkg";  // last path of the save dialogs
  // Where a replaced game is kept for "Back to Previous Game"; empty (the
  // tool, the solver) keeps nothing.
  char PreviousGamePath[kPathSize] = "";
  bool HasPreviousGame = false;  // a kept game waits there
  uint64_t KeptDigest = 0;       // of the bytes last kept, so nothing is written twice
};

}  // namespace tarnik
