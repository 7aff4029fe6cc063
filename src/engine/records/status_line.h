// The seven texts of the status line: game, score with the dollar account,
// play count, deal state, seed, redeals and tournament. They are composed
// from the game state alone, so any change shows at the next refresh.
#pragma once

#include "engine/game/game.h"

namespace tarnik {

constexpr int kStatusParts = 7;
constexpr int kStatusTextSize = 256;

// Where the texts go: the window's status bar, or a test.
class StatusSink {
 public:
  virtual ~StatusSink() = default;
  virtual void SetStatusText(int part, const char* text) = 0;
};

// Formats part `part` (0 to 6) of the status line.
void ComposeStatusText(const Game& game, int part, char (&text)[kStatusTextSize]);
// Formats and sets parts 0 to 6, in that order.
void UpdateStatusLine(const Game& game, StatusSink& sink);

}  // namespace tarnik
