#include "engine/deal/game_index.h"

#include "engine/deal/deal.h"

namespace tarnik {

int32_t IndexInRange(int64_t value, int32_t count) {
  if (value < 0 || count <= 0) return 0;
  return value >= count ? count - 1 : static_cast<int32_t>(value);
}

int32_t GameInRange(const Library& library, int64_t index) {
  return IndexInRange(index, library.GameCount);
}

const char* NameOfGame(const Library& library, int64_t index) {
  if (index < 0 || index >= library.GameCount || index >= kMaxGames) return "";
  return library.GameNames[index];
}

uint32_t FreshSeedOtherThan(uint32_t tickMilliseconds, uint32_t previous) {
  const uint32_t seed = FreshSeed(tickMilliseconds);
  // The multiplier is odd, so the next tick always gives another seed.
  return seed != previous ? seed : FreshSeed(tickMilliseconds + 1u);
}

}  // namespace tarnik
