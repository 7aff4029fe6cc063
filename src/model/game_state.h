// The whole state of one running game in a single record, passed explicitly
// to every operation. It also carries the second table in which the game
// selection deals its preview.
#pragma once

#include <cstdint>

#include "app/records.h"
#include "model/display.h"
#include "model/library.h"
#include "model/play_services.h"
#include "model/preferences.h"
#include "model/records.h"
#include "play/history.h"

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

struct Game {
  Library library;

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

  History history;
  Preferences prefs;
  Records records;  // the player's log, the tournaments and what the dialogs keep
  bool EditMode = false;
  bool ShowAllCards = false;
  bool ShowPileNumbers = false;
  bool RightButtonDown = false;
  ClientSize client;

  Display* display = &silentDisplay;
  PlayServices* services = &engineServices;

  LayoutStyle Style() const { return {prefs.Neatness, ShowAllCards}; }

 private:
  static inline NullDisplay silentDisplay;
  static inline PlayServices engineServices;
};

}  // namespace tarnik
