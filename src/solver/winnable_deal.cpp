#include "solver/winnable_deal.h"

#include "engine/deal/deal.h"
#include "engine/library/library.h"
#include "engine/records/preference_ranges.h"
#include "engine/table/preferences.h"
#include "solver/solver.h"

namespace tarnik {

uint32_t CandidateSeed(uint32_t fresh, int k) {
  // FreshSeed(t + k) = FreshSeed(t) + k × multiplier, modulo 2^32.
  return fresh + static_cast<uint32_t>(k) * kRandomMultiplier;
}

SeedChoice ChooseWinnableSeed(uint32_t fresh, int tries,
                              const std::function<bool(uint32_t seed)>& winnable,
                              const std::function<bool()>& stop) {
  SeedChoice choice{fresh, 0, false};
  for (int k = 0; k < tries && !(stop && stop()); ++k) {
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
                          uint32_t fresh, WinnableSearch* search) {
  const std::atomic<bool>* cancel = search ? &search->cancel : nullptr;
  const auto winnable = [&](uint32_t seed) {
    if (search) ++search->asked;
    return CheckDeal(library, gameIndex, seed, prefs, kWinnableCheckMilliseconds, cancel) ==
           Verdict::Won;
  };
  const auto stop = [cancel] { return cancel && cancel->load(); };
  return ChooseWinnableSeed(fresh, kWinnableDealTries, winnable, stop).seed;
}

}  // namespace tarnik
