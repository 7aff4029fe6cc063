// Preference values of any kind and size: loading keeps every variable
// usable, saving and loading again gives the same preferences, and the
// values that index tables are brought into range where they are used.
#include <cstring>

#include "engine/records/favorites.h"
#include "engine/records/memory_preferences.h"
#include "engine/records/preference_ranges.h"
#include "engine/records/status_line.h"
#include "engine/records/tournaments.h"
#include "fuzz_support.h"

using namespace tarnik;

// Fills a store from the input: entries of a name, a kind and a value.
static void FillStore(fuzz::Input& in, MemoryPreferenceStore& store) {
  while (in.Left() > 1) {
    const uint8_t name = in.Byte() % (kPreferenceValueCount + 1);
    const std::string key = name < kPreferenceValueCount ? kPreferenceNames[name] : "Other";
    if (in.Byte() & 1) {
      store.Put(key, in.Word());
    } else {
      const size_t length = in.Byte() * 2u;
      const size_t take = length < in.Left() ? length : in.Left();
      store.Put(key, std::string(reinterpret_cast<const char*>(in.Here()), take));
      in.Skip(take);
    }
  }
}

static bool SamePreferences(const Game& a, const Game& b) {
  return std::memcmp(&a.prefs, &b.prefs, sizeof a.prefs) == 0 && a.CurrentGame == b.CurrentGame;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Game& game = fuzz::FuzzGame();
  fuzz::Input in(data, size);
  MemoryPreferenceStore store;
  FillStore(in, store);
  LoadPreferences(game, store);
  FUZZ_CHECK(strnlen(game.prefs.LogFile, kLogFileSize) < size_t(kLogFileSize));
  const Appearance a = AppearanceInRange(game.prefs);
  FUZZ_CHECK(a.CardBack >= 0 && a.CardBack < kCardBackChoices);
  FUZZ_CHECK(a.TableBack >= 0 && a.TableBack < kTableBackChoices);
  FUZZ_CHECK(a.CardStyle >= 0 && a.CardStyle < kCardStyleChoices);
  FUZZ_CHECK(a.Neatness >= 0 && a.Neatness < kNeatnessChoices);
  char text[kStatusTextSize];
  for (int part = 0; part < kStatusParts; ++part) ComposeStatusText(game, part, text);
  for (int slot = 0; slot < kFavoriteCount; ++slot) FavoriteLabel(game, slot);
  TourHasGame(game, 0);
  static Game again;
  MemoryPreferenceStore saved;
  SavePreferences(game, saved);
  SaveWindowRect(game, saved,
                 {game.prefs.WindowLeft, game.prefs.WindowTop, game.prefs.WindowRight,
                  game.prefs.WindowBottom});
  LoadPreferences(again, saved);
  FUZZ_CHECK(SamePreferences(game, again));
  return 0;
}
