// A game over a one-, four- and two-pack library in a scratch folder, its log kept for real.
#pragma once

#include "support/play_table.h"

namespace tarnik::testing {

// The library games of the fixture.
constexpr int32_t kOnePack = 0;   // a stock of 24, four goals, seven piles of 4
constexpr int32_t kFourPack = 1;  // a stock of 200, a pile of 8, a goal
constexpr int32_t kTwoPack = 2;   // one pile of 104
constexpr int32_t kFixtureGames = 3;

class RecordsGame : public GameInPlay {
 public:
  RecordsGame();
  ~RecordsGame();
  LoggingServices services;

 private:
  std::string oldFolder_;
};

}  // namespace tarnik::testing
