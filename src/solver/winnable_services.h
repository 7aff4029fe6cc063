// Play services that honour "Deal only winnable games" by asking the solver
// on the calling thread: for programs and tests without a window.
#pragma once

#include "engine/game/play_services.h"

namespace tarnik {

class WinnableServices : public PlayServices {
 public:
  uint32_t NewDealSeed(Game& game, uint32_t freshSeed) override;
};

}  // namespace tarnik
