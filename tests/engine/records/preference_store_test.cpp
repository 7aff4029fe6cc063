// The preferences store: defaults on the first run, every value read in its
// place, all 43 values written, and numbers out of range never used as such.
#include "engine/records/preference_store.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>

#include "engine/records/memory_preferences.h"
#include "engine/records/preference_ranges.h"

namespace tarnik {
namespace {

struct Prefs : ::testing::Test {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  MemoryPreferenceStore store;
};

// The first run keeps the defaults (sound and deal three on, automatic play,
// winnable deals and play helps off, favourites every eighth game).
TEST_F(Prefs, FirstRunKeepsTheDefaultsAndAKeyChangesOnlyItsValues) {
  game->prefs.CardBack = 5, game->prefs.SoundToggle = 0, game->prefs.WinPrompt = 1,
  game->CurrentGame = 9;
  EXPECT_FALSE(LoadPreferences(*game, store).has_value());
  const Preferences& p = game->prefs;
  EXPECT_EQ((std::array{p.CardBack, game->CurrentGame, p.SoundToggle, p.ThreeToggle, p.AutoToggle,
                        p.WinnableToggle, p.TurnUncovered, p.WinPrompt}),
            (std::array{0, 0, 1, 1, 0, 0, 0, 0}));
  for (int k = 0; k < kFavoriteCount; ++k) EXPECT_EQ(p.Favorites[k], 8 * k);
  EXPECT_STREQ(p.LogFile, "Data/Tarnik.tkp");
  // A key with some values changes only those; a game beyond any library
  // still loads; a player file path that does not fit is not taken.
  store.Put("WindowLeft", 100u);
  store.Put("TableBack", 17u);
  store.Put("GameCurrent", 300u);
  store.Put("Favorite20", 3u);
  store.Put("LogFile", std::string("Players/Ann.tkp\0junk", 21));
  const WindowRect rect = LoadPreferences(*game, store).value();
  EXPECT_EQ((std::array{rect.Left, rect.Top, rect.Right, rect.Bottom, p.TableBack,
                        game->CurrentGame, p.Favorites[19], p.Favorites[18], p.SoundToggle}),
            (std::array{100, 0, 800, 600, 17, 300, 3, 144, 1}));
  EXPECT_STREQ(p.LogFile, "Players/Ann.tkp");
  for (const std::string& text : {std::string(256, 'a'), std::string(300, '\0'), std::string()}) {
    auto fresh = std::make_unique<Game>();
    store.Put("LogFile", text);
    LoadPreferences(*fresh, store);
    EXPECT_STREQ(fresh->prefs.LogFile, "Data/Tarnik.tkp");
  }
  // A window edge beyond ±32767 pixels brings the whole rectangle back to the
  // default, which the exit writes back; an odd but harmless one stays.
  const struct { WindowRect stored; bool kept; } cases[] = {
      {{100, 50, 1100, 850}, true}, {{-3000, -20, 900, -10}, true},
      {{INT32_MIN, 0, INT32_MAX, 600}, false}, {{0, 0, 800, 40000}, false},
      {{-32768, 0, 800, 600}, false}};
  for (const auto& [stored, kept] : cases) {
    const int32_t sides[] = {stored.Left, stored.Top, stored.Right, stored.Bottom};
    const char* names[] = {"WindowLeft", "WindowTop", "WindowRight", "WindowBottom"};
    for (int i = 0; i < 4; ++i) store.Put(names[i], static_cast<uint32_t>(sides[i]));
    const WindowRect r = LoadPreferences(*game, store).value(), want = kept ? stored : WindowRect{};
    EXPECT_EQ(std::vector({r.Left, r.Top, r.Right, r.Bottom,
                           game->prefs.WindowRight - game->prefs.WindowLeft}),
              std::vector({want.Left, want.Top, want.Right, want.Bottom, want.Right - want.Left}));
  }
}

// Saving writes all 43 values ("LogFile" as its 256-byte buffer) that read
// back the same; a key that cannot be created gets nothing.
TEST_F(Prefs, SavingWritesAll43ValuesAndReadsBackTheSame) {
  Preferences& p = game->prefs;
  p.CardStyle = 3, p.Neatness = 2, p.CurrentTour = 15, p.AutoToggle = 1, p.WinnableToggle = 1;
  p.TableZoom = 150, p.Favorites[4] = 77, p.TurnUncovered = 1, p.WinPrompt = 1;
  game->CurrentGame = 41;
  std::strcpy(p.LogFile, "me.tkp");
  SavePreferences(*game, store);
  SaveWindowRect(*game, store, {10, 20, 1034, 788});
  ASSERT_EQ(store.Values().size(), 43u);
  for (const char* name : kPreferenceNames) EXPECT_EQ(store.Values().count(name), 1u) << name;
  const std::string logFile = store.ReadText("LogFile").value();
  EXPECT_EQ(std::pair(logFile.size(), std::strcmp(logFile.c_str(), "me.tkp")),
            std::pair(size_t(256), 0));
  auto fresh = std::make_unique<Game>();
  const WindowRect rect = LoadPreferences(*fresh, store).value();
  const Preferences& f = fresh->prefs;
  EXPECT_EQ((std::array{rect.Right, f.WindowBottom, f.CardStyle, f.Neatness, fresh->CurrentGame,
                        f.CurrentTour, f.AutoToggle, f.WinnableToggle, f.TableZoom, f.Favorites[4],
                        f.TurnUncovered, f.WinPrompt}),
            (std::array{1034, 788, 3, 2, 41, 15, 1, 1, 150, 77, 1, 1}));
  EXPECT_STREQ(f.LogFile, "me.tkp");
  MemoryPreferenceStore refusing;
  refusing.RefuseCreate();
  SavePreferences(*game, refusing);
  SaveWindowRect(*game, refusing, {1, 2, 3, 4});
  EXPECT_TRUE(refusing.Values().empty());
}

// Stored numbers out of range come to the nearest choice; the won deal's
// background (63) is never chosen; numbers in range stay.
TEST(PreferenceRanges, StoredNumbersOutOfRangeComeToTheNearestChoice) {
  Preferences p;
  p.CardBack = 99, p.CardFace = -1, p.CardLetter = 2, p.CardSuit = 7;
  p.CardStyle = 4, p.TableBack = 63, p.Neatness = -5;
  Appearance a = AppearanceInRange(p);
  EXPECT_EQ((std::array{a.CardBack, a.CardFace, a.CardLetter, a.CardSuit, a.CardStyle, a.TableBack,
                        a.Neatness}),
            (std::array{7, 0, 1, 1, 3, 62, 0}));
  p.CardBack = 3, p.TableBack = 40, p.Neatness = 1;
  a = AppearanceInRange(p);
  EXPECT_EQ((std::array{a.CardBack, a.TableBack, a.Neatness}), (std::array{3, 40, 1}));
}

}  // namespace
}  // namespace tarnik
