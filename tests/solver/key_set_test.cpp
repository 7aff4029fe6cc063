// A set of position keys shared by two threads (KeySet::Share).
#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

#include "solver/position_key.h"

namespace tarnik {
namespace {

// The i-th of a run of distinct keys, spread as a position's digest is.
solver::PositionKey KeyOf(uint64_t i) {
  const uint64_t a = solver::KeyAvalanche(i * 2 + 1);
  return {a, solver::KeyAvalanche(a ^ 0x9E3779B97F4A7C15ull)};
}

// Two threads add overlapping runs of keys, each from its own end, while
// the set's parts grow from their first tables many times over: every key
// is taken for new at least once (more only where a thread put it off
// while its part grew), the set holds each once it has settled the keys
// put off, and a key the threads met is never taken for new again.
TEST(KeySet, SharedByTwoThreadsAddsEachKeyOnce) {
  constexpr uint64_t kEach = 200'000, kOverlap = 100'000;
  solver::KeySet set;
  set.Insert(KeyOf(0));  // before sharing: kept, and met again by both
  set.Share();
  int64_t added[2] = {0, 0};
  const auto add = [&set, &added](int side) {
    solver::KeySet::ThreadKeys own;
    const uint64_t first = side == 0 ? 0 : kEach - kOverlap;
    for (uint64_t n = 0; n < kEach; ++n) {
      const uint64_t i = side == 0 ? first + n : first + kEach - 1 - n;
      added[side] += set.Insert(KeyOf(i), &own);
      added[side] += set.Insert(KeyOf(i / 2), &own);  // mostly met before
    }
    set.Settle(own);
  };
  std::thread other(add, 1);
  add(0);
  other.join();
  const int64_t distinct = static_cast<int64_t>(2 * kEach - kOverlap);
  EXPECT_GE(added[0] + added[1], distinct - 1);  // key 0 came before
  EXPECT_EQ(set.Size(), distinct);
  for (uint64_t i = 0; i < 2 * kEach - kOverlap; ++i) ASSERT_FALSE(set.Insert(KeyOf(i))) << i;
  EXPECT_FALSE(set.Insert(KeyOf(0)));
  EXPECT_TRUE(set.Insert(KeyOf(2 * kEach)));
}

}  // namespace
}  // namespace tarnik
