// The preferences between runs: 42 named values under one key of the
// player's settings (32-bit numbers, and the player file path as text). They
// are read once at start-up; the window rectangle is written when the window
// closes, everything else at exit and when a preference page is left.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/game/game.h"

namespace tarnik {

// The key-value store behind the preferences: the desktop's settings in the
// program, memory in the tests.
class PreferenceStore {
 public:
  virtual ~PreferenceStore() = default;
  // Whether the key exists: false on the first run.
  virtual bool Exists() = 0;
  // A value as a 32-bit number; nothing when missing or not a 32-bit number.
  virtual std::optional<uint32_t> ReadNumber(const char* name) = 0;
  // A text value as stored; nothing when missing.
  virtual std::optional<std::string> ReadText(const char* name) = 0;
  // Creates the key when needed; false when it cannot be created.
  virtual bool Create() = 0;
  virtual void WriteNumber(const char* name, uint32_t value) = 0;
  // Writes `size` bytes of a text buffer, terminator and all.
  virtual void WriteText(const char* name, const char* buffer, size_t size) = 0;
  // Ends a series of writes: what was written is kept from now on.
  virtual void Close() = 0;
};

// The main window's rectangle in screen pixels.
struct WindowRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 800;
  int32_t Bottom = 600;
};

// The farthest a stored window edge may lie from the screen's origin.
constexpr int32_t kWindowCoordinateLimit = 32767;
// The stored rectangle when every edge lies within the limit, otherwise the
// default (0, 0, 800, 600). The window is never made smaller than 800 × 600.
WindowRect RepairWindowRect(WindowRect rect);

constexpr int kPreferenceValueCount = 39;
// The value names in the order in which they are read.
extern const char* const kPreferenceNames[kPreferenceValueCount];
// One more value, read and written after the favourites: "Deal only winnable
// games".
constexpr const char* kWinnableToggleName = "WinnableToggle";
// The two helps of the "Play" page, read and written after it: "Turn
// uncovered cards" and "Offer a new deal after a win".
constexpr const char* kTurnUncoveredName = "TurnUncovered";
constexpr const char* kWinPromptName = "WinPrompt";
// The "Table size" of the "Card Face" page.
constexpr const char* kTableZoomName = "TableZoom";

// Sets the defaults, then reads every value the store holds. Returns the
// window rectangle to move the main window to, or nothing on the first run
// (the window then keeps the place it was created with).
std::optional<WindowRect> LoadPreferences(Game& game, PreferenceStore& store);
// Writes the main window's rectangle (and keeps it in the preferences).
void SaveWindowRect(Game& game, PreferenceStore& store, WindowRect rect);
// Keeps the main window's rectangle in the preferences, to be written at
// exit after the player's records.
void KeepWindowRect(Game& game, WindowRect rect);
// The rectangle the preferences hold.
WindowRect KeptWindowRect(const Game& game);
// Writes the settings, the current game and tour, the switches, the twenty
// favourites and the player file path.
void SavePreferences(const Game& game, PreferenceStore& store);

}  // namespace tarnik
