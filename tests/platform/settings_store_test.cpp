// The preferences in the desktop's settings file: the first run, a round
// trip of all 39 values, and values another program left that are no
// numbers or do not fit 32 bits.
#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/library_files.h"

namespace tarnik {
namespace {

TEST(SettingsStore, FirstRunThenRoundTripOfEveryValue) {
  testing::ScratchDir dir;
  const QString file = QString::fromStdString(dir.File("Tarnik Solitaire.conf"));
  auto game = std::make_unique<Game>();
  {
    SettingsPreferenceStore store(file);
    EXPECT_FALSE(LoadPreferences(*game, store).has_value());
    game->prefs.TableBack = 44;
    game->prefs.Favorites[19] = 7;
    game->CurrentGame = 12;
    std::strcpy(game->prefs.LogFile, "Players/Zoë.tkp");
    SavePreferences(*game, store);
    SaveWindowRect(*game, store, {-10, 5, 790, 605});
  }
  auto fresh = std::make_unique<Game>();
  SettingsPreferenceStore store(file);
  const auto rect = LoadPreferences(*fresh, store);
  ASSERT_TRUE(rect.has_value());
  EXPECT_EQ(rect->Left, -10);
  EXPECT_EQ(rect->Bottom, 605);
  EXPECT_EQ(fresh->prefs.TableBack, 44);
  EXPECT_EQ(fresh->prefs.Favorites[19], 7);
  EXPECT_EQ(fresh->CurrentGame, 12);
  EXPECT_STREQ(fresh->prefs.LogFile, "Players/Zoë.tkp");
  QSettings raw(file, QSettings::IniFormat);
  EXPECT_EQ(raw.allKeys().size(), 43);  // the 39 classic values, "WinnableToggle", "TableZoom",
                                         // "TurnUncovered", "WinPrompt"
}

TEST(SettingsStore, ValuesThatAreNoNumbersKeepTheDefaults) {
  testing::ScratchDir dir;
  {
    std::ofstream ini(dir.File("t.conf"));
    ini << "[General]\nCardBack=abc\nGameCurrent=99999999999\nTourCurrent=4294967295\n"
           "SoundToggle=0\nNeatness=\n";
  }
  auto game = std::make_unique<Game>();
  SettingsPreferenceStore store(QString::fromStdString(dir.File("t.conf")));
  ASSERT_TRUE(LoadPreferences(*game, store).has_value());
  EXPECT_EQ(game->prefs.CardBack, 0);
  EXPECT_EQ(game->CurrentGame, 0);
  EXPECT_EQ(game->prefs.CurrentTour, -1);
  EXPECT_EQ(game->prefs.SoundToggle, 0);
  EXPECT_EQ(game->prefs.Neatness, 0);
}

}  // namespace
}  // namespace tarnik
