// The vocabulary of pile and game rules: the six rule enumerations and the
// two flag words. Every value is stored as a signed (enumerations) or unsigned
// (flags) 32-bit word in the library file, so the enumerations keep their
// numeric values exactly and accept any 32-bit value read from a file.
#pragma once

#include <cstdint>

namespace tarnik {

// Whether cards may be placed on cards.
enum class CardPlacement : int32_t { None = -2, Any = -1, OneCard = 0 };

// How the rank of a dropped card relates to the rank of the top card.
enum class RankBuild : int32_t {
  None = -2,
  Any = -1,
  Up = 0,
  Down = 1,
  UpByTwo = 2,
  DownByTwo = 3,
  UpOrDown = 4,
  UpOrDownWrapping = 5,
  UpWrapping = 6,
  UpByTwoWrapping = 7,
  UpByThreeWrapping = 8,
  UpByFourWrapping = 9,
  Same = 10,
};

// How the suit of a dropped card relates to the suit of the top card.
enum class SuitBuild : int32_t {
  None = -2,
  Any = -1,
  SameColor = 0,
  DiffColor = 1,
  SameSuit = 2,
  DiffSuit = 3,
};

// Which cards may be taken from a pile.
enum class CardRemoval : int32_t {
  None = -2,
  Any = -1,
  GroupInSameColor = 0,
  GroupInDiffColor = 1,
  GroupInSameSuit = 2,
  GroupInDiffSuit = 3,
  GroupInAnySuit = 4,
  TopCardOnly = 5,
  AnyInSameColor = 6,
  AnyInDiffColor = 7,
  AnyInSameSuit = 8,
  AnyInDiffSuit = 9,
  AnyInAnySuit = 10,  // any part of a run, whatever its suits
};

// Which card may start an empty pile. Values 0 to 51 name one specific card;
// 52 + r (r = 0 … 12) names any card of rank r.
enum class PileStart : int32_t {
  None = -2,
  Any = -1,
  AnyAce = 52,
  AnyTwo = 53,
  AnyJack = 62,
  AnyQueen = 63,
  AnyKing = 64,
  AutoSpades = 65,
  AutoClubs = 66,
  AutoHearts = 67,
  AutoDiamonds = 68,
  AnyFaceCard = 69,
  BlankSpace = 70,
};

// How the cards of a pile fan out on the table.
enum class PileDirection : int32_t {
  NoDirection = -2,
  Unsupported = -1,
  Horizontal = 0,
  Vertical = 1,
  Size = 2,
};

// Game-level flag word: bit n is the game editor's checkbox 2200 + n.
namespace GameFlags {
constexpr uint32_t RedealOnce = 1u << 0;
constexpr uint32_t RedealTwice = 1u << 1;
constexpr uint32_t RedealUnlimited = 1u << 2;
constexpr uint32_t TwoDeck = 1u << 3;
constexpr uint32_t FourDeck = 1u << 4;
constexpr uint32_t AcesHigh = 1u << 5;
constexpr uint32_t ThreesHigh = 1u << 6;
constexpr uint32_t FivesHigh = 1u << 7;
constexpr uint32_t QueensHigh = 1u << 8;
constexpr uint32_t RandomStart = 1u << 9;
constexpr uint32_t PairRank = 1u << 10;
constexpr uint32_t Pair10 = 1u << 11;
constexpr uint32_t Pair11 = 1u << 12;
constexpr uint32_t Pair13 = 1u << 13;
constexpr uint32_t Pair14 = 1u << 14;
constexpr uint32_t ThreeFace = 1u << 15;
constexpr uint32_t HighQuart = 1u << 16;
constexpr uint32_t Low15 = 1u << 17;
constexpr uint32_t SingleKing = 1u << 18;
constexpr uint32_t DealThree = 1u << 19;
constexpr uint32_t FourRank = 1u << 20;
constexpr uint32_t OneSuit = 1u << 21;   // every card is the spade of its rank
constexpr uint32_t TwoSuits = 1u << 22;  // clubs become spades, diamonds hearts
constexpr int kBitCount = 23;  // bits 23 to 31 carry no meaning
}  // namespace GameFlags

// Pile flag word: bit n is the pile editor's checkbox 2100 + n.
namespace PileFlags {
constexpr uint32_t AutoFillSource = 1u << 0;
constexpr uint32_t AutoFillDest = 1u << 1;
constexpr uint32_t ManualFillSource = 1u << 2;
constexpr uint32_t ManualFillDest = 1u << 3;
constexpr uint32_t MustBeEmpty = 1u << 4;
constexpr uint32_t MustHaveCards = 1u << 5;
constexpr uint32_t RedealDest = 1u << 6;
constexpr uint32_t RedealSource = 1u << 7;
constexpr uint32_t BeforeDrop = 1u << 8;
constexpr uint32_t BeforeStart = 1u << 9;
constexpr uint32_t BeforeDeal = 1u << 10;
constexpr uint32_t BeforeAny = 1u << 11;
constexpr uint32_t BeforeTake = 1u << 12;
constexpr uint32_t BeforeNoColumn = 1u << 13;
constexpr uint32_t AutoStraight = 1u << 14;
constexpr uint32_t AutoSuite = 1u << 15;
constexpr uint32_t SortAscending = 1u << 16;
constexpr uint32_t SortDescending = 1u << 17;
constexpr uint32_t RemoveBad = 1u << 18;
constexpr uint32_t AutoPlay = 1u << 19;
constexpr uint32_t KingsToTop = 1u << 20;
constexpr uint32_t FoundationsOnly = 1u << 21;
constexpr uint32_t Redeal = 1u << 22;
constexpr uint32_t RedealShow = 1u << 23;
constexpr uint32_t RemoveAnyCard = 1u << 24;
constexpr uint32_t WinGoal = 1u << 25;
constexpr uint32_t LowAndKing = 1u << 26;
constexpr uint32_t LowAndAce = 1u << 27;
constexpr uint32_t RankAbove = 1u << 28;
constexpr uint32_t GroupRemoval = 1u << 29;
constexpr uint32_t NeedFreeCells = 1u << 30;
constexpr uint32_t FillFromColumn = 1u << 31;
}  // namespace PileFlags

}  // namespace tarnik
