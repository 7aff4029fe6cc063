#include "model/play_services.h"

#include "app/deal_scores.h"
#include "app/player_log.h"
#include "play/history.h"
#include "play/moves.h"
#include "play/winnable_deal.h"

namespace tarnik {

void PlayServices::ResetHistory(Game& game) { tarnik::ResetHistory(game); }
void PlayServices::RecordPosition(Game& game) { tarnik::RecordPosition(game); }
int32_t PlayServices::FindLogRecord(Game& game) { return tarnik::FindLogRecord(game); }
int32_t PlayServices::OpenLogRecord(Game& game) { return tarnik::OpenLogRecord(game); }
void PlayServices::RaiseDealScore(Game& game, int32_t score) { tarnik::RaiseDealScore(game, score); }
bool PlayServices::MarkDealWon(Game& game) { return tarnik::MarkDealWon(game); }
int PlayServices::AutoStep(Game& game) { return tarnik::AutoStep(game); }
uint32_t PlayServices::NewDealSeed(Game& game, uint32_t freshSeed) {
  if (!DealsOnlyWinnable(game.prefs)) return freshSeed;
  return WinnableDealSeed(game.library, game.CurrentGame, game.prefs, freshSeed);
}

}  // namespace tarnik
