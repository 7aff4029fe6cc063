// The figures of the statistics dialogs, computed from the player's log each
// time a dialog opens: played, won, lost and the win percentage of a game,
// the table of every library game, and the order of its columns.
#pragma once

#include <cstdint>

#include "engine/game/game.h"

namespace tarnik {

constexpr int kStatsColumns = 5;
// The columns of "Player Statistics", left to right.
extern const char* const kStatsColumnTitles[kStatsColumns];

// The figures of library game g and its name.
StatsRow GameStatistics(const Game& game, int64_t g);
// Fills StatsTable with one row per library game; returns the number of rows.
int32_t BuildPlayerStatistics(Game& game);
// The text of a figure in the dialogs: signed decimal.
void FigureText(int32_t value, char (&text)[16]);
// A click on a column header: counts the click, which sets the direction.
void ClickStatsColumn(Game& game);
// Orders rows a and b by column c (0 name, 1 played, 2 won, 3 lost,
// 4 percent): ascending while SortToggle is odd, descending while it is
// even; negative when a goes first. Columns beyond 4 compare equal.
int32_t CompareStatsRows(const StatsRow& a, const StatsRow& b, int32_t column, uint32_t sortToggle);

}  // namespace tarnik
