// The whole state of one running game in a single record, passed explicitly
// to every operation: the table (with the selection's preview table), the
// position history, the player's records and the seam through which play
// reaches them.
#pragma once

#include "engine/game/play_services.h"
#include "engine/game/player_records.h"
#include "engine/game/position_history.h"
#include "engine/table/table.h"

namespace tarnik {

struct Game : Table {
  History history;
  Records records;  // the player's log, the tournaments and what the dialogs keep
  PlayServices* services = &engineServices;

 private:
  static inline PlayServices engineServices;
};

}  // namespace tarnik
