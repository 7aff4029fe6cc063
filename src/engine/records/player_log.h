// The player's log: per library game up to 100 records, one per seed played,
// with won status, high score and comment. A deal counts as played from its
// first recorded move; the oldest record of a full game gives way.
#pragma once

#include <cstdint>

#include "engine/game/game.h"

namespace tarnik {

// The 100 records of library game `g`, or null when g lies outside the table.
LogRecord* LogBlock(Game& game, int64_t g);
const LogRecord* LogBlock(const Game& game, int64_t g);
// The record of the deal in play, or null when it has none.
LogRecord* CurrentLog(Game& game);
const LogRecord* CurrentLog(const Game& game);

// Records of game g that are not empty.
int32_t CountPlayed(const Game& game, int64_t g);
// Records of game g that are won.
int32_t CountWon(const Game& game, int64_t g);
// The record of CurrentSeed in the current game's log, or -1. Its result
// becomes CurrentLogRecord at the start of a deal, after loading a saved game
// and after a change of player.
int32_t FindLogRecord(Game& game);
// The record of the deal in play, made when the deal is not yet in the log;
// a full log drops its oldest record. -1 only when the current game has no
// place in the table. Called when the first move after the deal is recorded.
int32_t OpenLogRecord(Game& game);
// "Clear Game Statistics": empties the current game's log.
void ClearGameStatistics(Game& game);
// "Clear Player Statistics": empties the logs of every game of the library.
void ClearPlayerStatistics(Game& game);

}  // namespace tarnik
