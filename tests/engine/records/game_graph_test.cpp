// The game graph's bars: the running share of won deals, scaled to 240
// pixels, over the records of the game that count.
#include "engine/records/game_graph.h"

#include <gtest/gtest.h>

#include <memory>

namespace tarnik {
namespace {

// Logs a deal of game g at record k with `status`.
void Log(Game& game, int32_t g, int k, uint8_t status, uint32_t recordGame) {
  game.records.PlayerFile[g][k].Game = recordGame;
  game.records.PlayerFile[g][k].Status = status;
}

// Won, lost, won: 240, 120 and 160 pixels; empty records and records made
// for another game are skipped without breaking the order. Lost first: a
// share of 0 (the bar keeps its bottom row); one of seven rounds down to 34.
TEST(GameGraphTest, RunningWinShareInRecordOrder) {
  auto game = std::make_unique<Game>();
  Log(*game, 3, 0, kWonRecord, 3);
  Log(*game, 3, 2, kPlayedRecord, 3);
  Log(*game, 3, 3, kWonRecord, 7);  // made for another game: not counted
  Log(*game, 3, 99, kWonRecord, 3);
  EXPECT_EQ(GraphBarHeights(*game, 3), (std::vector<int32_t>{240, 120, 160}));
  for (int k = 0; k < 7; ++k) Log(*game, 0, k, k == 1 ? kWonRecord : kPlayedRecord, 0);
  EXPECT_EQ(GraphBarHeights(*game, 0), (std::vector<int32_t>{0, 120, 80, 60, 48, 40, 34}));
}

}  // namespace
}  // namespace tarnik
