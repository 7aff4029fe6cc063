// The preferences store: defaults on the first run, every value read in its
// place, all 41 values written (the 39 classic ones, "WinnableToggle" and "TableZoom"), and stored numbers that are out of range
// never used to index a table.
#include "engine/records/preference_store.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/records/memory_preferences.h"
#include "engine/records/preference_ranges.h"

namespace tarnik {
namespace {

struct Prefs : ::testing::Test {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  MemoryPreferenceStore store;
};

TEST_F(Prefs, FirstRunKeepsTheDefaultsAndTheWindowWhereItIs) {
  game->prefs.CardBack = 5;
  game->prefs.SoundToggle = 0;
  game->CurrentGame = 9;
  EXPECT_FALSE(LoadPreferences(*game, store).has_value());
  const Preferences& p = game->prefs;
  EXPECT_EQ(p.CardBack, 0);
  EXPECT_EQ(game->CurrentGame, 0);
  EXPECT_EQ(p.SoundToggle, 1);
  EXPECT_EQ(p.ThreeToggle, 1);
  EXPECT_EQ(p.AutoToggle, 0);
  EXPECT_EQ(p.WinnableToggle, 0);
  for (int k = 0; k < kFavoriteCount; ++k) EXPECT_EQ(p.Favorites[k], 8 * k);
  EXPECT_STREQ(p.LogFile, "Data/Tarnik.tkp");
}

TEST_F(Prefs, KeyWithSomeValuesChangesOnlyThose) {
  store.Put("WindowLeft", 100u);
  store.Put("WindowBottom", 0xFFFFFFF6u);  // -10, a window above the screen's top
  store.Put("TableBack", 17u);
  store.Put("GameCurrent", 300u);  // beyond any library: still loads
  store.Put("Favorite20", 3u);
  store.Put("LogFile", std::string("Players/Ann.tkp\0junk", 21));
  const auto rect = LoadPreferences(*game, store);
  ASSERT_TRUE(rect.has_value());
  EXPECT_EQ(rect->Left, 100);
  EXPECT_EQ(rect->Top, 0);
  EXPECT_EQ(rect->Right, 800);
  EXPECT_EQ(rect->Bottom, -10);
  EXPECT_EQ(game->prefs.TableBack, 17);
  EXPECT_EQ(game->CurrentGame, 300);
  EXPECT_EQ(game->prefs.Favorites[19], 3);
  EXPECT_EQ(game->prefs.Favorites[18], 144);
  EXPECT_EQ(game->prefs.SoundToggle, 1);
  EXPECT_STREQ(game->prefs.LogFile, "Players/Ann.tkp");
}

TEST_F(Prefs, PlayerFilePathThatDoesNotFitIsNotTaken) {
  for (const std::string& text : {std::string(256, 'a'), std::string(300, '\0'), std::string()}) {
    store.Put("LogFile", text);
    LoadPreferences(*game, store);
    EXPECT_STREQ(game->prefs.LogFile, "Data/Tarnik.tkp");
  }
}

TEST_F(Prefs, SavingWritesAll43ValuesAndReadsBackTheSame) {
  game->prefs.CardStyle = 3;
  game->prefs.Neatness = 2;
  game->CurrentGame = 41;
  game->prefs.CurrentTour = 15;
  game->prefs.AutoToggle = 1;
  game->prefs.WinnableToggle = 1;
  game->prefs.TableZoom = 150;
  game->prefs.Favorites[4] = 77;
  std::strcpy(game->prefs.LogFile, "me.tkp");
  SavePreferences(*game, store);
  SaveWindowRect(*game, store, {10, 20, 1034, 788});
  ASSERT_EQ(store.Values().size(), 43u);  // the 39 classic values and four added ones
  for (const char* name : kPreferenceNames) EXPECT_EQ(store.Values().count(name), 1u) << name;
  EXPECT_EQ(std::get<uint32_t>(store.Values().at("WinnableToggle")), 1u);
  EXPECT_EQ(std::get<uint32_t>(store.Values().at("TableZoom")), 150u);
  // "LogFile" is the whole 256-byte buffer, the bytes after the name included.
  const auto logFile = store.ReadText("LogFile");
  ASSERT_TRUE(logFile.has_value());
  EXPECT_EQ(logFile->size(), 256u);
  EXPECT_EQ(std::strcmp(logFile->c_str(), "me.tkp"), 0);

  auto fresh = std::make_unique<Game>();
  const auto rect = LoadPreferences(*fresh, store);
  ASSERT_TRUE(rect.has_value());
  EXPECT_EQ(rect->Right, 1034);
  EXPECT_EQ(fresh->prefs.WindowBottom, 788);
  EXPECT_EQ(fresh->prefs.CardStyle, 3);
  EXPECT_EQ(fresh->prefs.Neatness, 2);
  EXPECT_EQ(fresh->CurrentGame, 41);
  EXPECT_EQ(fresh->prefs.CurrentTour, 15);
  EXPECT_EQ(fresh->prefs.AutoToggle, 1);
  EXPECT_EQ(fresh->prefs.WinnableToggle, 1);
  EXPECT_EQ(fresh->prefs.TableZoom, 150);
  EXPECT_EQ(fresh->prefs.Favorites[4], 77);
  EXPECT_STREQ(fresh->prefs.LogFile, "me.tkp");
}

TEST_F(Prefs, KeyThatCannotBeCreatedWritesNothing) {
  store.RefuseCreate();
  SavePreferences(*game, store);
  SaveWindowRect(*game, store, {1, 2, 3, 4});
  EXPECT_TRUE(store.Values().empty());
}

TEST(PreferenceRanges, StoredNumbersOutOfRangeComeToTheNearestChoice) {
  Preferences p;
  p.CardBack = 99, p.CardFace = -1, p.CardLetter = 2, p.CardSuit = 7;
  p.CardStyle = 4, p.TableBack = 63, p.Neatness = -5;
  const Appearance a = AppearanceInRange(p);
  EXPECT_EQ(a.CardBack, 7);
  EXPECT_EQ(a.CardFace, 0);
  EXPECT_EQ(a.CardLetter, 1);
  EXPECT_EQ(a.CardSuit, 1);
  EXPECT_EQ(a.CardStyle, 3);
  EXPECT_EQ(a.TableBack, 62);  // 63 is the won deal's background, never chosen
  EXPECT_EQ(a.Neatness, 0);
  p.CardBack = 3, p.TableBack = 40, p.Neatness = 1;
  EXPECT_EQ(AppearanceInRange(p).CardBack, 3);
  EXPECT_EQ(AppearanceInRange(p).TableBack, 40);
  EXPECT_EQ(AppearanceInRange(p).Neatness, 1);
}

}  // namespace
}  // namespace tarnik
