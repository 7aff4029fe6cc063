#include "play/winnable_deal.h"

#include "model/deal.h"
#include "model/library.h"
#include "model/preferences.h"
#include "play/preference_ranges.h"
#include "solver/solver.h"

namespace tarnik {

uint32_t CandidateSeed(uint32_t fresh, int k) {
  // FreshSeed(t + k) = FreshSeed(t) + k × multiplier, modulo 2^32.
  return fresh + static_cast<uint32_t>(k) * kRandomMultiplier;
}

SeedChoice ChooseWinnableSeed(uint32_t fresh, int tries,
                              const std::function<bool(uint32_t seed)>& winnable) {
  SeedChoice choice{fresh, 0, false};
  for (int k = 0; k < tries; ++k) {
    choice.seed = CandidateSeed(fresh, k);
    choice.tried = k + 1;
    if (winnable(choice.seed)) {
      choice.winnable = true;
      break;
    }
  }
  return choice;
}

bool DealsOnlyWinnable(const Preferences& prefs) { return ToggleOn(prefs.WinnableToggle); }

uint32_t WinnableDealSeed(const Library& library, int32_t gameIndex, const Preferences& prefs,
                          uint32_t fresh) {
  const auto winnable = [&](uint32_t seed) {
    return CheckDeal(library, gameIndex, seed, prefs, kWinnableCheckMilliseconds) == Verdict::Won;
  };
  return ChooseWinnableSeed(fresh, kWinnableDealTries, winnable).seed;
}

}  // namespace tarnik
