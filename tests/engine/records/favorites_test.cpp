// The favourite buttons: their labels, a fresh deal of their game, and the
// customising of the button chosen last.
#include "engine/records/favorites.h"

#include <gtest/gtest.h>

#include "support/records_fixture.h"

namespace tarnik {
namespace {

using testing::kFourPack;
using testing::kOnePack;
using testing::kTwoPack;

// Labels name their games (the defaults 0, 8, 16 …: only the first names a
// game of three); games beyond the library show nothing. Starting one deals
// its game with a new seed each time, the last library game for one beyond.
TEST(Favorites, LabelsAndFreshDeals) {
  testing::RecordsGame t;
  Game& g = *t.game;
  g.prefs.Favorites[2] = -3, g.prefs.Favorites[3] = 256;
  for (int slot : {0, 1, 2, 3, 20}) EXPECT_STREQ(FavoriteLabel(g, slot), slot ? "" : "Patience One");
  g.prefs.Favorites[5] = kTwoPack;
  StartFavorite(g, 5, 1000);
  EXPECT_EQ(g.CurrentGame, kTwoPack);
  EXPECT_EQ(g.CurrentSeed, 1000u * 2707050037u);
  EXPECT_EQ(g.PileTable[0].Count, 104);
  StartFavorite(g, 5, 1000);  // the same tick must not repeat the deal just played
  EXPECT_NE(g.CurrentSeed, 1000u * 2707050037u);
  g.prefs.Favorites[6] = 200;
  StartFavorite(g, 6, 7);
  EXPECT_EQ(g.CurrentGame, kTwoPack);
}

// Customising changes the button chosen last (the first before any is
// chosen); the slot stays chosen, two buttons may start the same game, and
// a line that is no library game changes nothing.
TEST(Favorites, CustomisingChangesTheButtonChosenLast) {
  testing::RecordsGame t;
  Game& g = *t.game;
  const std::pair<int32_t, int32_t> steps[] = {  // slot chosen (-1 none), game chosen
      {-1, kFourPack}, {7, kTwoPack}, {-1, kOnePack}, {8, kOnePack}, {20, kFourPack}, {-1, 3}};
  for (const auto& [slot, game] : steps) {
    if (slot >= 0) ChooseFavoriteSlot(g, slot);
    ChooseFavoriteGame(g, game);
  }
  EXPECT_EQ(std::vector<int32_t>(g.prefs.Favorites, g.prefs.Favorites + 9),
            (std::vector<int32_t>{kFourPack, 8, 16, 24, 32, 40, 48, kOnePack, kFourPack}));
}

}  // namespace
}  // namespace tarnik
