#include "engine/records/statistics.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "engine/deal/game_index.h"
#include "engine/library/name_order.h"
#include "engine/records/player_log.h"

namespace tarnik {

const char* const kStatsColumnTitles[kStatsColumns] = {"Game Name", "Total", "Won", "Lost",
                                                       "Percent"};

StatsRow GameStatistics(const Game& game, int64_t g) {
  StatsRow row;
  row.Played = CountPlayed(game, g);
  row.Won = CountWon(game, g);
  row.Lost = row.Played - row.Won;
  row.Percent = row.Played ? row.Won * 100 / row.Played : 0;
  std::strncpy(row.Name, NameOfGame(game.library, g), kNameSize - 1);
  return row;
}

int32_t BuildPlayerStatistics(Game& game) {
  const int32_t rows = game.library.GameCount < kMaxGames ? game.library.GameCount : kMaxGames;
  for (int32_t g = 0; g < kMaxGames; ++g)
    game.records.StatsTable[g] = g < rows ? GameStatistics(game, g) : StatsRow{};
  return rows;
}

void FigureText(int32_t value, char (&text)[16]) {
  std::snprintf(text, sizeof text, "%d", value);
}

void ClickStatsColumn(Game& game) {
  ++game.records.SortToggle;
}

// Names compared as the name sort does, but without regard to letter case.
static int32_t CompareNamesIgnoringCase(const char* a, const char* b) {
  char lowerA[kNameSize] = {}, lowerB[kNameSize] = {};
  for (int i = 0; i < kNameSize - 1 && a[i]; ++i)
    lowerA[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(a[i])));
  for (int i = 0; i < kNameSize - 1 && b[i]; ++i)
    lowerB[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(b[i])));
  return CompareGameNames(lowerA, lowerB, kNameSize);
}

// Ascending comparison of one column.
static int64_t CompareColumn(const StatsRow& a, const StatsRow& b, int32_t column) {
  switch (column) {
    case 0:
      return CompareNamesIgnoringCase(a.Name, b.Name);
    case 1:
      return int64_t{a.Played} - b.Played;
    case 2:
      return int64_t{a.Won} - b.Won;
    case 3:
      return int64_t{a.Lost} - b.Lost;
    case 4:
      return int64_t{a.Percent} - b.Percent;
    default:
      return 0;
  }
}

int32_t CompareStatsRows(const StatsRow& a, const StatsRow& b, int32_t column,
                         uint32_t sortToggle) {
  const int64_t order = sortToggle % 2 ? CompareColumn(a, b, column) : CompareColumn(b, a, column);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace tarnik
