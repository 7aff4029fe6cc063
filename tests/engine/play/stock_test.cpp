// The stock and the redeal: dealing, removing bad cards, gathering from every state.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/play/stock.h"
#include "support/play_table.h"
#include "support/table_builder.h"

namespace tarnik {
namespace {

using namespace testing;
using Values = std::vector<int32_t>;
using Piles = std::vector<Values>;

// A stock at column 0 and three receiving piles.
GameDef StockAndThree(uint32_t gameFlags = 0, uint32_t destExtra = 0, int32_t sizeLimit = 0) {
  GameDef g = NamedGame("Stock", gameFlags);
  g.Piles[0] = MakePile(0, 0, PileFlags::ManualFillSource, RankBuild::None, SuitBuild::None,
                        CardRemoval::None, PileStart::None);
  for (int i = 1; i <= 3; ++i) {
    g.Piles[i] = MakePile(2 * i, 0, PileFlags::ManualFillDest | destExtra);
    g.Piles[i].SizeLimit = sizeLimit;
  }
  return g;
}

// Face-up (or marked) cards pile by pile over `stock` face-down cards 0, 1, … on pile 0.
std::vector<std::vector<Placed>> Cards(const Piles& piles, int stock = 0, bool marked = false) {
  std::vector<std::vector<Placed>> out(piles.size());
  for (int i = 0; i < stock; ++i) out[0].push_back(Down(i));
  for (size_t p = 0; p < piles.size(); ++p)
    for (int32_t v : piles[p]) out[p].push_back(marked ? Mark(v) : Up(v));
  return out;
}

// The counts of piles 0 to 3 after one click on a stock of `stock` cards.
Values Counts(PlayTable& t, int stock, const Piles& rest, bool marked = false) {
  Piles piles = {{}};
  piles.insert(piles.end(), rest.begin(), rest.end());
  t.Arrange(Cards(piles, stock, marked));
  StockClick(*t.game, t.P(0));
  return {t.P(0).Count, t.P(1).Count, t.P(2).Count, t.P(3).Count};
}

// Stock deals one (or three) a receiver; limits, full cells, marks and "Before deal".
TEST(StockClick, DealsByTheGameFlagsAndThePileRules) {
  PlayTable one(StockAndThree());
  one.Arrange(Cards({{}, {}, {}, {}}, 10));
  StockClick(*one.game, one.P(0));
  EXPECT_EQ((Piles{one.Values(1), one.Values(2), one.Values(3)}), (Piles{{9}, {8}, {7}}));
  EXPECT_EQ(std::make_pair(one.P(1).TopCard->Face, one.Plays()), std::make_pair(FaceUp, 1));
  EXPECT_EQ(Counts(one, 10, {{30}, {}, {}}, true), (Values{10, 1, 0, 0}));
  EXPECT_EQ(one.Plays(), 0);

  PlayTable three(StockAndThree(GameFlags::DealThree));
  EXPECT_EQ(Counts(three, 7, {{}, {}, {}}), (Values{0, 3, 3, 1}));
  three.game->prefs.ThreeToggle = 0;
  EXPECT_EQ(Counts(three, 7, {{}, {}, {}}), (Values{4, 1, 1, 1}));

  PlayTable limit(StockAndThree(0, 0, 2));
  limit.P(2).SizeLimit = -1;
  EXPECT_EQ(Counts(limit, 10, {{}, {}, {}}), (Values{6, 2, 0, 2}));

  PlayTable hand(StockAndThree(0, PileFlags::MustBeEmpty));
  EXPECT_EQ(Counts(hand, 10, {{30}, {}, {}}), (Values{8, 1, 1, 1}));

  GameDef spider = StockAndThree(0, PileFlags::MustHaveCards);
  spider.Piles[0].Flags |= PileFlags::BeforeDeal;
  PlayTable s(spider);
  EXPECT_EQ(Counts(s, 10, {{40}, {}, {41}}), (Values{10, 1, 0, 1}));
  EXPECT_EQ(Counts(s, 10, {{40}, {42}, {41}}), (Values{7, 2, 2, 2}));
}

// Bad cards go to the last goal only when all four suits show; kings stay.
TEST(RemoveBadCards, NeedsAllFourSuitsAndKingsStay) {
  GameDef g = NamedGame("Bad");
  for (int i = 0; i < 4; ++i) g.Piles[i] = MakePile(2 * i, 0, PileFlags::RemoveBad);
  g.Piles[4] = MakePile(0, 4, PileFlags::WinGoal), g.Piles[5] = MakePile(2, 4, PileFlags::WinGoal);
  PlayTable t(g);
  for (int missing = 0; missing < 4; ++missing) {  // three suits only, each one missing in turn
    const int suit = (missing + 1) % 4;
    t.Arrange(Cards({{V(3, suit)}, {V(4, (missing + 2) % 4)}, {V(5, (missing + 3) % 4)},
                     {V(6, suit)}, {}, {}}));
    RemoveBadCards(*t.game);
    EXPECT_EQ(t.P(5).Count, 0) << missing;
  }
  t.Arrange(Cards({{V(3, 0)}, {V(12, 1)}, {V(5, 2)}, {V(6, 3)}, {}, {}}));
  RemoveBadCards(*t.game);
  EXPECT_EQ((Piles{t.Values(1), t.Values(4), t.Values(5)}),
            (Piles{{V(12, 1)}, {}, {V(3, 0), V(5, 2), V(6, 3)}}));
}

// The empty stock gathers the waste face down as one play while redeals last; else nothing.
TEST(EmptyPileClick, RedealsCountDownAndStopAtZero) {
  for (uint32_t flags : {GameFlags::RedealOnce, GameFlags::RedealUnlimited}) {
    GameDef g = NamedGame("Redeal", flags);
    g.Piles[0] = MakePile(0, 0, PileFlags::ManualFillSource | PileFlags::Redeal, RankBuild::None,
                          SuitBuild::None, CardRemoval::None, PileStart::None);
    g.Piles[1] = MakePile(2, 0, PileFlags::ManualFillDest | PileFlags::RedealDest);
    PlayTable t(g);
    const bool once = flags == GameFlags::RedealOnce;
    t.Arrange(Cards({{}, {1, 2, 3}}));
    t.game->RedealsLeft = once ? 1 : 0;
    t.display.sounds.clear();
    EmptyPileClick(*t.game, t.P(0));
    EXPECT_EQ((Piles{t.Values(0), t.Values(1)}), (Piles{{3, 2, 1}, {}}));
    EXPECT_EQ(std::make_tuple(t.P(0).TopCard->Face, t.game->RedealsLeft, t.Plays(),
                              t.display.sounds),
              std::make_tuple(FaceDown, 0, 1, std::vector<std::string>{"Shuffle"}));
    t.Arrange(Cards({{}, once ? Values{1} : Values{}}));
    t.display.sounds.clear();
    EmptyPileClick(*t.game, t.P(0));
    EXPECT_EQ(std::make_tuple(t.P(0).Count, t.Plays(), t.display.sounds.size()),
              std::make_tuple(0, 0, 0u));
  }
}

// Three waste piles and two refilled piles of two gathered through an empty button.
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

// The gathering's rule (skip on multiples of 3, refill to two) ends from every state.
TEST(GatherAndRedeal, FollowsItsRuleAndEndsFromEveryState) {
  const Piles start = {{1, 2, 3, 4}, {10}, {20, 21, 22}, {30, 31}, {40}, {}};
  const Piles fromOne = {{}, {}, {}, {1, 40}, {20, 2}, {4, 10, 22, 21, 31, 3, 30}};
  const std::pair<uint32_t, Piles> known[] = {
      {1, fromOne}, {0, fromOne}, {0xC0000000u, fromOne},
      {12345, {{}, {}, {}, {1, 20}, {21, 2}, {4, 10, 31, 22, 30, 3, 40}}}};
  PlayTable t(Mixed());
  auto gather = [&t, &start](uint32_t state) {
    t.Arrange(Cards(start));
    t.game->RandomState = state;
    EXPECT_EQ(GatherAndRedeal(*t.game, t.P(5), 0), 1) << state;
    EXPECT_EQ(t.game->RandomState, state);
    Piles got;
    for (int i = 0; i < 6; ++i) got.push_back(t.Values(i));
    return got;
  };
  for (const auto& [state, piles] : known) EXPECT_EQ(gather(state), piles) << state;
  for (int k = 0; k < 32; ++k)
    for (uint32_t j = 0; j < 8; ++j) {
      const Piles got = gather(j << k);
      EXPECT_EQ(std::make_tuple(got[3].size(), got[4].size(), got[5].size()),
                std::make_tuple(2u, 2u, 7u)) << (j << k);
    }
  GameDef fans = NamedGame("Fans", GameFlags::RedealTwice);  // La Belle Lucie style
  for (int i = 0; i < 3; ++i) fans.Piles[i] = MakePile(2 * i, 0, PileFlags::RedealSource);
  fans.Piles[0].InitialSize = fans.Piles[1].InitialSize = fans.Piles[2].InitialSize = 3;
  fans.Piles[3] = MakePile(8, 0, PileFlags::Redeal | PileFlags::RedealDest, RankBuild::None,
                           SuitBuild::None, CardRemoval::None, PileStart::None);
  PlayTable self(fans);
  self.Arrange(Cards({{1, 2}, {10}, {20}, {30}}));
  EXPECT_EQ(GatherAndRedeal(*self.game, self.P(3), 1), 1);
  EXPECT_EQ(self.P(0).Count + self.P(1).Count + self.P(2).Count + self.P(3).Count, 5);
  ASSERT_NE(self.P(1).TopCard, nullptr);
  EXPECT_EQ(self.P(1).TopCard->Value, 30);
}

}  // namespace
}  // namespace tarnik
