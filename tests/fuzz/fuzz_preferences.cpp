// Preference values of any kind: loading keeps them usable and a round trip exact.
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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Game& game = fuzz::FuzzGame();
  fuzz::Input in{data, size};
  MemoryPreferenceStore store;
  FillStore(in, store);
  LoadPreferences(game, store);
  FUZZ_CHECK(strnlen(game.prefs.LogFile, kLogFileSize) < size_t(kLogFileSize));
  const Appearance a = AppearanceInRange(game.prefs);
  FUZZ_CHECK(a.CardBack >= 0 && a.CardBack < kCardBackChoices && a.TableBack >= 0 &&
             a.TableBack < kTableBackChoices && a.CardStyle >= 0 &&
             a.CardStyle < kCardStyleChoices && a.Neatness >= 0 && a.Neatness < kNeatnessChoices);
  char text[kStatusTextSize];
  for (int part = 0; part < kStatusParts; ++part) ComposeStatusText(game, part, text);
  for (int slot = 0; slot < kFavoriteCount; ++slot) FavoriteLabel(game, slot);
  TourHasGame(game, 0);
  static Game again;
  MemoryPreferenceStore saved;
  SavePreferences(game, saved);
  const Preferences& p = game.prefs;
  SaveWindowRect(game, saved, {p.WindowLeft, p.WindowTop, p.WindowRight, p.WindowBottom});
  LoadPreferences(again, saved);
  FUZZ_CHECK(std::memcmp(&game.prefs, &again.prefs, sizeof game.prefs) == 0 &&
             game.CurrentGame == again.CurrentGame);
  return 0;
}
