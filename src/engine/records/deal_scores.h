// The bookkeeping of the end-of-move check: the deal's high score, the
// tournament score and the won mark in the player's log.
#pragma once

#include <cstdint>

#include "engine/game/game.h"

namespace tarnik {

// Raises the high score of the deal's log record to `score` when it is
// higher, and then also the score of the current tour's place when the deal
// in play has the tour's seed. Nothing while the deal has no log record.
void RaiseDealScore(Game& game, int32_t score);
// Marks the deal's log record won. True only when it was not won before: the
// caller then celebrates the win, once per deal.
bool MarkDealWon(Game& game);

}  // namespace tarnik
