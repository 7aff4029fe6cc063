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
  EXPECT_EQ(std::tuple(rect->Left, rect->Bottom, fresh->prefs.TableBack, fresh->prefs.Favorites[19],
                       fresh->CurrentGame),
            std::tuple(-10, 605, 44, 7, 12));
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
  const Preferences& p = game->prefs;
  EXPECT_EQ(std::tuple(p.CardBack, game->CurrentGame, p.CurrentTour, p.SoundToggle, p.Neatness),
            std::tuple(0, 0, -1, 0, 0));
}

}  // namespace
}  // namespace tarnik
