// The steps of play that the deal and the moves call through one seam: the
// position history, the player's log and automatic play. The default
// implementation is the real one; tests subclass it to watch the calls.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;

class PlayServices {
 public:
  virtual ~PlayServices() = default;

  // Forget every stored position: the next recorded position is the first.
  virtual void ResetHistory(Game& game);
  // Store the table as the next position of the history.
  virtual void RecordPosition(Game& game);
  // The player's log record of the deal in play, or -1.
  virtual int32_t FindLogRecord(Game& game);
  // Enters the deal in play in the player's log; its record, or -1.
  virtual int32_t OpenLogRecord(Game& game);
  // Raises the deal's logged high score (and the tour's) to `score`.
  virtual void RaiseDealScore(Game& game, int32_t score);
  // Marks the deal won in the log; true only the first time.
  virtual bool MarkDealWon(Game& game);
  // One automatic move; 1 when the table changed, 0 when nothing was left.
  virtual int AutoStep(Game& game);
  // The seed of a new random deal of the current game, given a fresh one:
  // with "Deal only winnable games" on, one the solver wins.
  virtual uint32_t NewDealSeed(Game& game, uint32_t freshSeed);
  // The game in play is about to be replaced: keeps it for "Back to
  // Previous Game" when it has a recorded move.
  virtual void KeepPreviousGame(Game& game);
};

}  // namespace tarnik
