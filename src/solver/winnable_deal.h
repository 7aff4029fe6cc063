// "Deal only winnable games": a new random deal skips the seeds that the
// solver cannot win within a second. The seeds tried after the fresh one are
// the fresh seeds of the following milliseconds, so each is as random as the
// first; after a fixed number of tries the last one is dealt anyway, so that
// a game the solver seldom wins still deals.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

namespace tarnik {

struct Game;
struct Library;
struct Preferences;

constexpr int kWinnableDealTries = 20;
constexpr int64_t kWinnableCheckMilliseconds = 1000;

// Candidate `k` of a new deal, 0 being the fresh seed itself: the seed a
// clock `k` milliseconds later would have given.
uint32_t CandidateSeed(uint32_t fresh, int k);

struct SeedChoice {
  uint32_t seed = 0;
  int tried = 0;          // candidates asked about
  bool winnable = false;  // whether `winnable` accepted the seed
};

// The first of up to `tries` candidates that `winnable` accepts, or the last
// one asked about when it accepts none (the fresh seed when `tries` < 1).
// When `stop` says so before a candidate, no more are asked about.
SeedChoice ChooseWinnableSeed(uint32_t fresh, int tries,
                              const std::function<bool(uint32_t seed)>& winnable,
                              const std::function<bool()>& stop = {});

// What a search for a winnable deal shares with the window that waits for
// it: how many candidates it has asked about, and the player's "Cancel",
// which deals the candidate asked about last.
struct WinnableSearch {
  std::atomic<int> asked{0};
  std::atomic<bool> cancel{false};
};

// Whether the player asked for winnable deals only.
bool DealsOnlyWinnable(const Preferences& prefs);

// The solver's choice for game `gameIndex` of `library`: each candidate is
// dealt with the player's preferences and searched for one second. Works on
// its arguments alone, so a worker thread may run it on copies.
uint32_t WinnableDealSeed(const Library& library, int32_t gameIndex, const Preferences& prefs,
                          uint32_t fresh, WinnableSearch* search = nullptr);

}  // namespace tarnik
