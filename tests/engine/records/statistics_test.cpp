// The statistics: the figures of a game and the alternating sort of the
// player statistics.
#include "engine/records/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kFourPack;
using testing::kOnePack;
using testing::kTwoPack;

StatsRow Row(const char* name, int32_t played, int32_t won) {
  StatsRow row;
  std::strcpy(row.Name, name);
  row.Played = played, row.Won = won, row.Lost = played - won;
  row.Percent = played ? won * 100 / played : 0;
  return row;
}

TEST(Statistics, OneWonOfThreeIs33Percent) {
  testing::RecordsGame t;
  LogRecord* block = t.game->records.PlayerFile[kFourPack];
  block[0].Status = kWonRecord, block[1].Status = kPlayedRecord;
  block[2].Status = 7;  // neither played nor won: counts as played and lost
  const StatsRow row = GameStatistics(*t.game, kFourPack);
  EXPECT_EQ(row.Played, 3);
  EXPECT_EQ(row.Won, 1);
  EXPECT_EQ(row.Lost, 2);
  EXPECT_EQ(row.Percent, 33);
  EXPECT_STREQ(row.Name, "Four Pack");
  EXPECT_EQ(BuildPlayerStatistics(*t.game), 3);
  const StatsRow& never = t.game->records.StatsTable[kOnePack];
  EXPECT_EQ(never.Played, 0);
  EXPECT_EQ(never.Percent, 0);
  EXPECT_STREQ(t.game->records.StatsTable[kTwoPack].Name, "Two Pack");
  EXPECT_EQ(t.game->records.StatsTable[kFourPack].Percent, 33);
  EXPECT_EQ(t.game->records.StatsTable[3].Name[0], '\0');
  char text[16];
  FigureText(-52, text);
  EXPECT_STREQ(text, "-52");
}

TEST(Statistics, HeaderClicksSortAscendingThenDescendingAlternately) {
  testing::RecordsGame t;
  Game& g = *t.game;
  std::vector<StatsRow> rows = {Row("b", 4, 1), Row("C", 2, 2), Row("a", 9, 0)};
  const auto sortBy = [&](int32_t column) {
    ClickStatsColumn(g);
    std::stable_sort(rows.begin(), rows.end(), [&](const StatsRow& a, const StatsRow& b) {
      return CompareStatsRows(a, b, column, g.records.SortToggle) < 0;
    });
    std::string names;
    for (const StatsRow& r : rows) names += r.Name;
    return names;
  };
  EXPECT_EQ(sortBy(1), "Cba");  // first click after start-up: ascending
  EXPECT_EQ(sortBy(1), "abC");  // second: descending
  EXPECT_EQ(sortBy(0), "abC");  // third, another column: ascending, letter case ignored
  EXPECT_EQ(sortBy(4), "Cba");  // percent 100, 25, 0: descending
  EXPECT_EQ(CompareStatsRows(rows[0], rows[1], 5, 1), 0);
  EXPECT_EQ(g.records.SortToggle, 4u);
}

}  // namespace
}  // namespace tarnik
