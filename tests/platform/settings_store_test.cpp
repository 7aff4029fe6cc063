// The preferences in the desktop's settings file.
#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/library_files.h"

namespace tarnik {
namespace {

// The first run, a round trip (the end-to-end test counts all 43 values in the
// file), and values another program left that are no numbers or exceed 32 bits.
TEST(SettingsStore, FirstRunRoundTripAndValuesThatAreNoNumbers) {
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
  EXPECT_EQ(std::tuple(rect->Left, rect->Bottom, fresh->prefs.TableBack,
                       fresh->prefs.Favorites[19], fresh->CurrentGame),
            std::tuple(-10, 605, 44, 7, 12));
  EXPECT_STREQ(fresh->prefs.LogFile, "Players/Zoë.tkp");
  std::ofstream(dir.File("t.conf")) << "[General]\nCardBack=abc\nGameCurrent=99999999999\n"
                                       "TourCurrent=4294967295\nSoundToggle=0\nNeatness=\n";
  auto other = std::make_unique<Game>();
  SettingsPreferenceStore odd(QString::fromStdString(dir.File("t.conf")));
  ASSERT_TRUE(LoadPreferences(*other, odd).has_value());
  const Preferences& p = other->prefs;
  EXPECT_EQ(std::tuple(p.CardBack, other->CurrentGame, p.CurrentTour, p.SoundToggle, p.Neatness),
            std::tuple(0, 0, -1, 0, 0));
}

}  // namespace
}  // namespace tarnik
