// The window's play services: "Deal only winnable games" asks the solver on
// a worker thread, with the busy cursor, while the window keeps drawing
// (the player's input waits until the deal is chosen).
#pragma once

#include "model/play_services.h"

namespace tarnik {

class WinnableDealServices : public PlayServices {
 public:
  uint32_t NewDealSeed(Game& game, uint32_t freshSeed) override;
};

}  // namespace tarnik
