#include "engine/game/play_services.h"

#include "engine/play/history.h"
#include "engine/play/moves.h"
#include "engine/records/deal_scores.h"
#include "engine/records/player_log.h"
#include "engine/records/previous_game.h"

namespace tarnik {

void PlayServices::ResetHistory(Game& game) { tarnik::ResetHistory(game); }
void PlayServices::RecordPosition(Game& game) { tarnik::RecordPosition(game); }
int32_t PlayServices::FindLogRecord(Game& game) { return tarnik::FindLogRecord(game); }
int32_t PlayServices::OpenLogRecord(Game& game) { return tarnik::OpenLogRecord(game); }
void PlayServices::RaiseDealScore(Game& game, int32_t score) { tarnik::RaiseDealScore(game, score); }
bool PlayServices::MarkDealWon(Game& game) { return tarnik::MarkDealWon(game); }
int PlayServices::AutoStep(Game& game) { return tarnik::AutoStep(game); }
// The engine deals the fresh seed; the solver's services (and the window's)
// replace it when "Deal only winnable games" is on.
uint32_t PlayServices::NewDealSeed(Game&, uint32_t freshSeed) { return freshSeed; }
void PlayServices::KeepPreviousGame(Game& game) { tarnik::KeepPreviousGame(game); }

}  // namespace tarnik
