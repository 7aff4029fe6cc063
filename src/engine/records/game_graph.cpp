#include "engine/records/game_graph.h"

#include "engine/records/player_log.h"

namespace tarnik {

// Walks the 100 records of the game's block, counting plays and wins.
std::vector<int32_t> GraphBarHeights(const Game& game, int64_t g) {
  std::vector<int32_t> heights;
  const LogRecord* block = LogBlock(game, g);
  if (!block) return heights;
  int32_t played = 0, wins = 0;
  for (int i = 0; i < kLogRecordsPerGame; ++i) {
    const LogRecord& record = block[i];
    if (record.Game != g || record.Status == kEmptyRecord) continue;
    ++played;
    if (record.Status == kWonRecord) ++wins;
    heights.push_back(240 * wins / played);
  }
  return heights;
}

}  // namespace tarnik
