// What the start of a game asks of the layers above the deal: the position
// history, the player's log and automatic play. The default answers are those
// of a table with no history, no log and no automatic play, which is what the
// command-line tool and the game selection preview want.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;

class PlayServices {
 public:
  virtual ~PlayServices() = default;

  // Forget every stored position: the next recorded position is the first.
  virtual void ResetHistory(Game&) {}
  // Store the table as the next position of the history.
  virtual void RecordPosition(Game&) {}
  // The player's log record of the deal in play, or -1.
  virtual int32_t FindLogRecord(Game&) { return -1; }
  // One automatic move; 1 when the table changed, 0 when nothing was left.
  virtual int AutoStep(Game&) { return 0; }
};

}  // namespace tarnik
