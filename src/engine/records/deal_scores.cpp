#include "engine/records/deal_scores.h"

#include "engine/records/player_log.h"
#include "engine/records/tournaments.h"

namespace tarnik {

void RaiseDealScore(Game& game, int32_t score) {
  LogRecord* record = CurrentLog(game);
  if (!record || record->HighScore >= score) return;
  const auto stored = static_cast<uint8_t>(score);  // both are kept as unsigned bytes
  record->HighScore = stored;
  TourRecord& tour = CurrentTourRecord(game);
  if (game.CurrentSeed == tour.Seed && tour.Position < kTourGames)
    tour.Scores[tour.Position] = stored;
}

bool MarkDealWon(Game& game) {
  LogRecord* record = CurrentLog(game);
  if (!record || record->Status == kWonRecord) return false;
  record->Status = kWonRecord;
  return true;
}

}  // namespace tarnik
