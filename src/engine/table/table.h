// The table of the game in play: the library, the dealt piles and cards, the
// generator, the cards in motion and what the window tells the layout. The
// rules, the deal and the layout see only this part of the game's state;
// the history and the player's records sit above it in Game.
#pragma once

#include <cstdint>
#include <type_traits>

#include "engine/cards/cards.h"
#include "engine/library/library.h"
#include "engine/table/display.h"
#include "engine/table/preferences.h"

namespace tarnik {

// How piles fan out: the player's neatness and the "Show All Cards" switch.
struct LayoutStyle {
  int32_t Neatness = 0;
  bool ShowAllCards = false;
};

// The client area in which the table is centred, in pixels.
struct ClientSize {
  int32_t Width = 800;
  int32_t Height = 526;
};

// Everything on the table but the library: plain memory, so that a fresh
// state is set with one copy (a library holds the names of every game).
struct TableState {
  // The game in play.
  int32_t CurrentGame = 0;
  uint32_t CurrentFlags = 0;
  Pile PileTable[kMaxPiles];
  Card Deck[kMaxCards];

  // The game selection preview: a second table of the same shape.
  uint32_t PreviewFlags = 0;
  Pile PreviewPiles[kMaxPiles];
  Card PreviewDeck[kMaxCards];

  uint32_t RandomState = 0;
  uint32_t CurrentSeed = 0;
  int32_t RankOffset = 0;
  int32_t RedealsLeft = 0;
  int32_t CurrentLogRecord = -1;

  Pile FloatPile;  // the cards in motion
  Pile* DragSource = nullptr;
  Pile* DropTarget = nullptr;
  int32_t GrabBelow = 0;
  int32_t GrabOffsetX = 0;  // pointer minus the dragged cards' corner
  int32_t GrabOffsetY = 0;
  Pile* EditPile = nullptr;
  // Piles (bit = table index) whose new top card lay face down when cards
  // were lifted off them: "Turn uncovered cards" turns it with the move.
  uint64_t UncoveredPiles = 0;
  bool WinCelebrated = false;  // a win was just celebrated; the window may offer a new deal

  // Keyboard play: the pile with the focus frame (a table index), and
  // whether the frame shows.
  int32_t FocusPile = -1;
  bool FocusShown = false;

  Preferences prefs;
  bool EditMode = false;
  bool ShowAllCards = false;
  bool ShowPileNumbers = false;
  bool RightButtonDown = false;
  ClientSize client;

  Display* display = &silentDisplay;

  LayoutStyle Style() const { return {prefs.Neatness, ShowAllCards}; }

 private:
  static inline NullDisplay silentDisplay;
};

static_assert(std::is_trivially_copyable_v<TableState>, "a table's state copies as memory");

struct Table : TableState {
  Library library;
};

}  // namespace tarnik
