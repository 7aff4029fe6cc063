// The statistics: the figures of a game and the alternating sort of the
// player statistics.
#include "engine/records/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "support/records_fixture.h"

namespace tarnik {
namespace {

using namespace testing;

StatsRow Row(const char* name, int32_t played, int32_t won) {
  StatsRow row;
  std::strcpy(row.Name, name);
  row.Played = played, row.Won = won, row.Lost = played - won;
  row.Percent = played ? won * 100 / played : 0;
  return row;
}

// A row's name and figures: played, won, lost, percent.
std::string Figures(const StatsRow& r) {
  return std::string(r.Name) + " " + std::to_string(r.Played) + " " + std::to_string(r.Won) + " " +
         std::to_string(r.Lost) + " " + std::to_string(r.Percent);
}

// One won of three is 33 percent, a record of another status counting as
// lost; the player statistics hold one row per library game and no more.
TEST(Statistics, OneWonOfThreeIs33Percent) {
  testing::RecordsGame t;
  LogRecord* block = t.game->records.PlayerFile[kFourPack];
  block[0].Status = kWonRecord, block[1].Status = kPlayedRecord;
  block[2].Status = 7;  // neither played nor won: counts as played and lost
  EXPECT_EQ(Figures(GameStatistics(*t.game, kFourPack)), "Four Pack 3 1 2 33");
  EXPECT_EQ(BuildPlayerStatistics(*t.game), 3);
  const StatsRow* rows = t.game->records.StatsTable;
  EXPECT_EQ(Figures(rows[kOnePack]) + "|" + Figures(rows[kTwoPack]) + "|" + Figures(rows[kFourPack]),
            "Patience One 0 0 0 0|Two Pack 0 0 0 0|Four Pack 3 1 2 33");
  EXPECT_EQ(rows[3].Name[0], '\0');
  char text[16];
  FigureText(-52, text);
  EXPECT_STREQ(text, "-52");
}

// Header clicks sort ascending, then descending, alternately over columns.
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
