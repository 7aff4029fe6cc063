// "Deal only winnable games": which seeds a new random deal tries, in which
// order, when it stops, and what it deals when no seed is accepted.
#include "solver/winnable_deal.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/deal/deal.h"
#include "engine/table/preferences.h"

namespace tarnik {
namespace {

// The candidates are the fresh seeds of the following milliseconds: a fresh
// seed is the tick count × 2707050037 modulo 2^32.
TEST(WinnableDeal, CandidatesAreTheFreshSeedsOfTheFollowingMilliseconds) {
  for (uint32_t tick : {0u, 1u, 123456u, 4294967290u}) {
    SCOPED_TRACE(tick);
    for (int k = 0; k < kWinnableDealTries; ++k)
      EXPECT_EQ(CandidateSeed(FreshSeed(tick), k),
                static_cast<uint32_t>((tick + k) * 2707050037ull));
  }
}

// The first accepted candidate is dealt, and no candidate after it is asked
// about; the fresh seed itself is asked first.
TEST(WinnableDeal, DealsTheFirstSeedTheSolverWins) {
  const uint32_t fresh = FreshSeed(40);
  std::vector<uint32_t> asked;
  const SeedChoice third = ChooseWinnableSeed(fresh, 20, [&](uint32_t seed) {
    asked.push_back(seed);
    return asked.size() == 3;
  });
  EXPECT_EQ(asked, (std::vector<uint32_t>{FreshSeed(40), FreshSeed(41), FreshSeed(42)}));
  EXPECT_EQ(third.seed, FreshSeed(42));
  EXPECT_EQ(third.tried, 3);
  EXPECT_TRUE(third.winnable);

  const SeedChoice first = ChooseWinnableSeed(fresh, 20, [](uint32_t) { return true; });
  EXPECT_EQ(first.seed, fresh);
  EXPECT_EQ(first.tried, 1);
}

// After twenty refusals the twentieth seed is dealt anyway; with no tries at
// all the fresh seed is.
TEST(WinnableDeal, GivesUpAfterItsTriesWithTheLastSeed) {
  const uint32_t fresh = FreshSeed(7);
  int asked = 0;
  const SeedChoice none = ChooseWinnableSeed(fresh, kWinnableDealTries, [&](uint32_t) {
    ++asked;
    return false;
  });
  EXPECT_EQ(kWinnableDealTries, 20);
  EXPECT_EQ(asked, 20);
  EXPECT_EQ(none.seed, FreshSeed(7 + 19));
  EXPECT_EQ(none.tried, 20);
  EXPECT_FALSE(none.winnable);

  const SeedChoice untried = ChooseWinnableSeed(fresh, 0, [](uint32_t) { return true; });
  EXPECT_EQ(untried.seed, fresh);
  EXPECT_EQ(untried.tried, 0);
}

// The player's "Cancel" stops the search before the next candidate, and the
// candidate asked about last is dealt.
TEST(WinnableDeal, CancelDealsTheSeedAskedAboutLast) {
  const uint32_t fresh = FreshSeed(90);
  int asked = 0;
  const SeedChoice choice = ChooseWinnableSeed(
      fresh, kWinnableDealTries, [&](uint32_t) { return ++asked == 20; },
      [&] { return asked == 4; });
  EXPECT_EQ(asked, 4);
  EXPECT_EQ(choice.seed, FreshSeed(93));
  EXPECT_FALSE(choice.winnable);

  const SeedChoice before = ChooseWinnableSeed(
      fresh, kWinnableDealTries, [](uint32_t) { return true; }, [] { return true; });
  EXPECT_EQ(before.seed, fresh);
  EXPECT_EQ(before.tried, 0);
}

// The switch starts off; any value but 0 turns it on.
TEST(WinnableDeal, TheSwitchStartsOff) {
  Preferences prefs;
  EXPECT_FALSE(DealsOnlyWinnable(prefs));
  prefs.WinnableToggle = 1;
  EXPECT_TRUE(DealsOnlyWinnable(prefs));
  prefs.WinnableToggle = -3;
  EXPECT_TRUE(DealsOnlyWinnable(prefs));
}

}  // namespace
}  // namespace tarnik
