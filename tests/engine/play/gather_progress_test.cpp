// The redeal's gathering ends from every generator state and, from every state
// that ended before, gives exactly the order it gave before.
#include <gtest/gtest.h>

#include <vector>

#include "engine/deal/deal.h"
#include "engine/play/stock.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
using Piles = std::vector<std::vector<int32_t>>;

// Three waste piles (RedealDest) and two refilled piles (RedealSource) of two
// cards, gathered through an empty button pile.
GameDef Mixed() {
  GameDef g = NamedGame("Mixed", GameFlags::RedealUnlimited);
  for (int i = 0; i < 5; ++i) {
    g.Piles[i] = MakePile(2 * i, 0, i < 3 ? PileFlags::RedealDest : PileFlags::RedealSource);
    g.Piles[i].InitialSize = i < 3 ? 0 : 2;
  }
  g.Piles[5] = MakePile(12, 0, PileFlags::Redeal, RankBuild::None, SuitBuild::None,
                        CardRemoval::None, PileStart::None);
  return g;
}

// The gathering as it was before any state was replaced, on plain lists of
// card values; false when it would never end (no card taken in 1000 passes).
bool OldGather(Piles& p, uint32_t state) {
  const int button = 5;
  int32_t remaining = 0;
  for (int i = 0; i < button; ++i) remaining += static_cast<int32_t>(p[i].size());
  uint32_t r = state ? state : 1u;
  int idle = 0;
  while (remaining > 0) {
    bool took = false;
    for (int q = 0; q < button; ++q) {
      if (p[q].empty()) continue;
      r *= kRandomMultiplier;
      if (r % 3u == 0) continue;
      --remaining;
      p[button].push_back(p[q].back());
      p[q].pop_back();
      took = true;
    }
    if (!took && ++idle > 1000) return false;
  }
  for (int s = 3; s < button; ++s)
    while (!p[button].empty() && p[s].size() < 2) {
      p[s].push_back(p[button].back());
      p[button].pop_back();
    }
  return true;
}

const Piles kStart = {{1, 2, 3, 4}, {10}, {20, 21, 22}, {30, 31}, {40}, {}};

// The table after one redeal from `state`.
Piles NewGather(uint32_t state) {
  PlayTable t(Mixed());
  std::vector<std::vector<Placed>> arranged;
  for (const auto& pile : kStart) {
    arranged.emplace_back();
    for (int32_t v : pile) arranged.back().push_back(Up(v));
  }
  t.Arrange(arranged);
  t.game->RandomState = state;
  EXPECT_EQ(GatherAndRedeal(*t.game, t.P(5), 0), 1);
  Piles out;
  for (int i = 0; i < 6; ++i) out.push_back(t.Values(i));
  return out;
}

TEST(GatherAndRedeal, EndsFromEveryStateAndKeepsEveryOtherStatesOrder) {
  // The two states that never take a card draw from 1; nothing else changes.
  ASSERT_EQ(GatherStartState(0xC0000000u), 1u);
  ASSERT_EQ(GatherStartState(0u), 1u);
  // Spread states, and the states with many low zero bits, whose products
  // cycle through the fewest values.
  std::vector<uint32_t> states;
  for (uint32_t i = 0, s = 12345u; i < 3000; ++i) states.push_back(s = s * 1103515245u + 12345u);
  for (int k = 0; k < 32; ++k)
    for (uint32_t j = 0; j < 8; ++j) states.push_back(j << k);
  int never = 0;
  for (uint32_t state : states) {
    Piles old = kStart;
    if (!OldGather(old, state)) {
      ++never;
      EXPECT_EQ(state, 0xC0000000u);
      old = kStart;
      ASSERT_TRUE(OldGather(old, 1u));
    }
    EXPECT_EQ(NewGather(state), old) << "state " << state;
  }
  EXPECT_GT(never, 0);  // 0xC0000000 is among the states tried
}

}  // namespace
}  // namespace tarnik
