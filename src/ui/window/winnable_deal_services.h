// The window's play services: "Deal only winnable games" asks the solver on
// a worker thread, with the busy cursor, while the window keeps drawing.
// The player's input waits; when the search takes longer than a moment, a
// window shows how many deals were tried, with a "Cancel" that deals the
// one tried last.
#pragma once

#include "engine/game/play_services.h"

namespace tarnik {

class WinnableDealServices : public PlayServices {
 public:
  uint32_t NewDealSeed(Game& game, uint32_t freshSeed) override;
};

}  // namespace tarnik
