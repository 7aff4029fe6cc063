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

TEST(Favorites, LabelsNameTheirGamesAndGamesBeyondTheLibraryShowNothing) {
  testing::RecordsGame t;
  // The defaults 0, 8, 16 …: only the first names a game of three.
  EXPECT_STREQ(FavoriteLabel(*t.game, 0), "Patience One");
  EXPECT_STREQ(FavoriteLabel(*t.game, 1), "");
  t.game->prefs.Favorites[1] = -3;
  t.game->prefs.Favorites[2] = 256;
  EXPECT_STREQ(FavoriteLabel(*t.game, 1), "");
  EXPECT_STREQ(FavoriteLabel(*t.game, 2), "");
  EXPECT_STREQ(FavoriteLabel(*t.game, 20), "");
}

TEST(Favorites, StartingAFavouriteDealsItsGameWithANewSeedEachTime) {
  testing::RecordsGame t;
  t.game->prefs.Favorites[5] = kTwoPack;
  StartFavorite(*t.game, 5, 1000);
  EXPECT_EQ(t.game->CurrentGame, kTwoPack);
  EXPECT_EQ(t.game->CurrentSeed, 1000u * 2707050037u);
  EXPECT_EQ(t.game->PileTable[0].Count, 104);
  // The same tick again must not repeat the deal just played.
  const uint32_t first = t.game->CurrentSeed;
  StartFavorite(*t.game, 5, 1000);
  EXPECT_NE(t.game->CurrentSeed, first);
  // A favourite beyond the library deals the last library game.
  t.game->prefs.Favorites[6] = 200;
  StartFavorite(*t.game, 6, 7);
  EXPECT_EQ(t.game->CurrentGame, kTwoPack);
}

TEST(Favorites, CustomisingChangesTheButtonChosenLast) {
  testing::RecordsGame t;
  // No button chosen yet in this run: the first one changes.
  ChooseFavoriteGame(*t.game, kFourPack);
  EXPECT_EQ(t.game->prefs.Favorites[0], kFourPack);
  ChooseFavoriteSlot(*t.game, 7);
  ChooseFavoriteGame(*t.game, kTwoPack);
  ChooseFavoriteGame(*t.game, kOnePack);
  EXPECT_EQ(t.game->prefs.Favorites[7], kOnePack);
  // The slot stays chosen; two buttons may start the same game.
  ChooseFavoriteSlot(*t.game, 8);
  ChooseFavoriteGame(*t.game, kOnePack);
  EXPECT_EQ(t.game->prefs.Favorites[8], kOnePack);
  // A line that is no library game changes nothing.
  ChooseFavoriteGame(*t.game, 3);
  ChooseFavoriteSlot(*t.game, 20);
  ChooseFavoriteGame(*t.game, kTwoPack);
  EXPECT_EQ(t.game->prefs.Favorites[8], kTwoPack);
}

}  // namespace
}  // namespace tarnik
