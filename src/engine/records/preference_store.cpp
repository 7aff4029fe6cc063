#include "engine/records/preference_store.h"

#include <cstring>

namespace tarnik {

const char* const kPreferenceNames[kPreferenceValueCount] = {
    "WindowLeft",  "WindowTop",   "WindowRight",   "WindowBottom", "CardBack",   "CardFace",
    "CardLetter",  "CardSuit",    "CardStyle",     "TableBack",    "Neatness",   "GameCurrent",
    "TourCurrent", "ThreeToggle", "UnlimitToggle", "SoundToggle",  "SizeToggle", "AutoToggle",
    "Favorite01",  "Favorite02",  "Favorite03",    "Favorite04",   "Favorite05", "Favorite06",
    "Favorite07",  "Favorite08",  "Favorite09",    "Favorite10",   "Favorite11", "Favorite12",
    "Favorite13",  "Favorite14",  "Favorite15",    "Favorite16",   "Favorite17", "Favorite18",
    "Favorite19",  "Favorite20",  "LogFile"};

namespace {

constexpr int kFirstSetting = 4;  // "CardBack"
constexpr int kLogFileName = 38;

// The 32-bit variables of the values 4 to 37, in the order of their names.
template <typename G, typename P>
void ForEachNumber(G& game, P&& visit) {
  auto& p = game.prefs;
  decltype(&p.CardBack) const vars[] = {
      &p.CardBack,      &p.CardFace,    &p.CardLetter,     &p.CardSuit,    &p.CardStyle,
      &p.TableBack,     &p.Neatness,    &game.CurrentGame, &p.CurrentTour, &p.ThreeToggle,
      &p.UnlimitToggle, &p.SoundToggle, &p.SizeToggle,     &p.AutoToggle};
  int name = kFirstSetting;
  for (auto* var : vars) visit(kPreferenceNames[name++], *var);
  for (auto& favorite : p.Favorites) visit(kPreferenceNames[name++], favorite);
  visit(kWinnableToggleName, p.WinnableToggle);
  visit(kTurnUncoveredName, p.TurnUncovered);
  visit(kWinPromptName, p.WinPrompt);
  visit(kTableZoomName, p.TableZoom);
}

// Reads one number into a variable; a missing value leaves it as it was.
void ReadInto(PreferenceStore& store, const char* name, int32_t& variable) {
  if (const auto value = store.ReadNumber(name)) variable = static_cast<int32_t>(*value);
}

// The player file path, when the stored text fits the 256-byte buffer with
// its terminator and names a file.
void ReadLogFile(PreferenceStore& store, char (&path)[kLogFileSize]) {
  const auto stored = store.ReadText(kPreferenceNames[kLogFileName]);
  if (!stored || stored->size() > size_t(kLogFileSize)) return;
  const size_t length = strnlen(stored->data(), stored->size());
  if (length == 0 || length >= size_t(kLogFileSize)) return;
  std::memset(path, 0, kLogFileSize);
  std::memcpy(path, stored->data(), length);
}

void SetDefaults(Game& game) {
  Preferences& p = game.prefs;
  p.WindowLeft = 0, p.WindowTop = 0, p.WindowRight = 800, p.WindowBottom = 600;
  p.CardBack = p.CardFace = p.CardLetter = p.CardSuit = p.TableBack = 0;
  game.CurrentGame = 0;
  p.CurrentTour = 0;
  p.ThreeToggle = 1, p.UnlimitToggle = 0, p.SoundToggle = 1, p.SizeToggle = 0, p.AutoToggle = 0;
  p.WinnableToggle = 0;
  p.TurnUncovered = 0;
  p.WinPrompt = 0;
  p.TableZoom = 0;
}

}  // namespace

WindowRect RepairWindowRect(WindowRect rect) {
  // Within the limit, every width and height the window takes from these
  // edges fits in 32 bits.
  const auto onScreen = [](int32_t v) { return v >= -kWindowCoordinateLimit && v <= kWindowCoordinateLimit; };
  const bool fits = onScreen(rect.Left) && onScreen(rect.Top) && onScreen(rect.Right) && onScreen(rect.Bottom);
  return fits ? rect : WindowRect{};
}

std::optional<WindowRect> LoadPreferences(Game& game, PreferenceStore& store) {
  SetDefaults(game);
  if (!store.Exists()) return std::nullopt;
  Preferences& p = game.prefs;
  ReadInto(store, "WindowLeft", p.WindowLeft);
  ReadInto(store, "WindowTop", p.WindowTop);
  ReadInto(store, "WindowRight", p.WindowRight);
  ReadInto(store, "WindowBottom", p.WindowBottom);
  ForEachNumber(game, [&](const char* name, int32_t& var) { ReadInto(store, name, var); });
  ReadLogFile(store, p.LogFile);
  const WindowRect rect = RepairWindowRect({p.WindowLeft, p.WindowTop, p.WindowRight, p.WindowBottom});
  p.WindowLeft = rect.Left, p.WindowTop = rect.Top;
  p.WindowRight = rect.Right, p.WindowBottom = rect.Bottom;
  return rect;
}

void KeepWindowRect(Game& game, WindowRect rect) {
  Preferences& p = game.prefs;
  p.WindowLeft = rect.Left, p.WindowTop = rect.Top;
  p.WindowRight = rect.Right, p.WindowBottom = rect.Bottom;
}

WindowRect KeptWindowRect(const Game& game) {
  const Preferences& p = game.prefs;
  return {p.WindowLeft, p.WindowTop, p.WindowRight, p.WindowBottom};
}

void SaveWindowRect(Game& game, PreferenceStore& store, WindowRect rect) {
  KeepWindowRect(game, rect);
  if (!store.Create()) return;
  store.WriteNumber("WindowLeft", static_cast<uint32_t>(rect.Left));
  store.WriteNumber("WindowTop", static_cast<uint32_t>(rect.Top));
  store.WriteNumber("WindowRight", static_cast<uint32_t>(rect.Right));
  store.WriteNumber("WindowBottom", static_cast<uint32_t>(rect.Bottom));
  store.Close();
}

void SavePreferences(const Game& game, PreferenceStore& store) {
  if (!store.Create()) return;
  ForEachNumber(game, [&](const char* name, const int32_t& var) {
    store.WriteNumber(name, static_cast<uint32_t>(var));
  });
  store.WriteText(kPreferenceNames[kLogFileName], game.prefs.LogFile, kLogFileSize);
  store.Close();
}

}  // namespace tarnik
