// Cards, piles and game definitions: the records every part of the game
// shares. Records live in fixed tables and are only linked, never allocated.
#pragma once

#include <cstdint>

#include "engine/cards/pile_rules.h"

namespace tarnik {

constexpr int kMaxPiles = 48;    // piles per game
constexpr int kMaxCards = 208;   // four packs
constexpr int kMaxGames = 256;   // games the name and flag tables hold
constexpr int kNameSize = 32;    // a name and its terminating NUL
constexpr int kCardWidth = 64;   // every card image, face or back, in pixels
constexpr int kCardHeight = 80;

// Card faces.
constexpr int32_t FaceUp = 0;
constexpr int32_t FaceDown = 1;
constexpr int32_t Marked = 2;  // a face-up top card selected in a pairing game

// Ranks and suits of a card value (rank × 4 + suit).
constexpr int32_t kAce = 0;
constexpr int32_t kJack = 10;
constexpr int32_t kQueen = 11;
constexpr int32_t kKing = 12;
constexpr int32_t Spades = 0, Clubs = 1, Hearts = 2, Diamonds = 3;

inline constexpr int32_t Rank(int32_t value) { return value >> 2; }
inline constexpr int32_t Suit(int32_t value) { return value & 3; }
inline constexpr int32_t Colour(int32_t value) { return value & 2; }

extern const char* const kRankNames[13];  // "Ace" … "King"
extern const char* const kSuitNames[4];   // "Spades" … "Diamonds"

// One physical card.
struct Card {
  Card* Below = nullptr;  // toward the bottom of its pile
  Card* Above = nullptr;  // toward the top
  int32_t X = 0;          // window position of the top-left corner
  int32_t Y = 0;
  int32_t Value = 0;  // 0 … 51; -1 only inside the shuffle
  int32_t Face = FaceUp;
  int32_t Dealt = 0;  // -1 once the deal's first pass has placed it
};

// The persistent rule half of a pile, twelve 32-bit words as in the library.
struct PileDef {
  int32_t Column = 0;
  int32_t Row = 0;
  int32_t InitialSize = 0;
  int32_t InitialFaceDown = 0;
  int32_t SizeLimit = 0;  // 0 = no limit
  tarnik::PileDirection Direction = tarnik::PileDirection::Horizontal;
  tarnik::CardPlacement Placement = tarnik::CardPlacement::OneCard;
  tarnik::RankBuild RankBuild = tarnik::RankBuild::Up;
  tarnik::SuitBuild SuitBuild = tarnik::SuitBuild::SameColor;
  tarnik::PileStart PileStart = static_cast<tarnik::PileStart>(0);
  tarnik::CardRemoval Removal = tarnik::CardRemoval::GroupInSameColor;
  uint32_t Flags = 0;  // PileFlags; a pile exists exactly when this is non-zero
};

// A pile in play: its rules followed by the run-time words.
struct Pile : PileDef {
  Pile* Next = nullptr;
  Pile* Prev = nullptr;
  Card* BottomCard = nullptr;
  Card* TopCard = nullptr;
  Card* GrabCard = nullptr;  // where the group the pointer would lift begins
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = kCardWidth;
  int32_t Height = kCardHeight;
  int32_t Count = 0;
  int32_t DriftX = 0;  // per-frame steps of the win animation
  int32_t DriftY = 0;

  bool Has(uint32_t flag) const { return (Flags & flag) != 0; }
};

// One game definition as stored in the library.
struct GameDef {
  char Name[kNameSize] = {};
  uint32_t Flags = 0;  // GameFlags
  PileDef Piles[kMaxPiles];
};

static_assert(sizeof(PileDef) == 48, "a pile definition is twelve words");
static_assert(sizeof(GameDef) == 2340, "a game definition is one library record");

// The rules of a pile as a plain record (drops the run-time half).
inline PileDef DefOf(const Pile& pile) { return static_cast<const PileDef&>(pile); }

}  // namespace tarnik
