// A position as the compiled move generator keeps it: per pile a run of card
// bytes from the bottom up (the card's value, its face in the two high bits,
// as a packed position stores it), all piles one after the other in one
// array, and the redeals left. No layout, no links: copying a position is
// one small memcpy, and moving cards shifts a few bytes.
#pragma once

#include <cstdint>

#include "engine/cards/cards.h"
#include "engine/play/history.h"

namespace tarnik::solver {

// A card byte: value 0 … 51, face (FaceUp, FaceDown, Marked) times 64.
constexpr uint8_t kFaceShift = 6;
inline int32_t CardValue(uint8_t card) {
  return card & 63;
}
inline int32_t CardFace(uint8_t card) {
  return card >> kFaceShift;
}
inline bool IsUp(uint8_t card) {
  return (card >> kFaceShift) == FaceUp;
}
inline uint8_t WithFace(uint8_t card, int32_t face) {
  return static_cast<uint8_t>((card & 63) | face << kFaceShift);
}

struct FlatPosition {
  int32_t pileCount = 0;
  int32_t redealsLeft = 0;
  uint64_t changed = 0;  // bit p: pile p changed since the position was loaded
  // Bit p: pile p changed since the automatic runs last looked at it (see
  // FlatAutoRuns); a pile outside it holds no run that could go home, but
  // to a goal pile emptied since, which is in it.
  uint64_t unseenRuns = ~uint64_t{0};
  // Bit p: pile p may show a face-down top card, unless it changed since
  // (see `changed`): only the piles of the two need looking at.
  uint64_t downTops = ~uint64_t{0};
  // Whether some card may be marked: false only where loading found none,
  // since only marking a top card (a pairing game) marks one.
  bool marks = true;
  // Face-down cards gained since the position was loaded or laid out (less
  // than 0: cards turned up): every change of a card's face counts here.
  int32_t downGained = 0;
  uint8_t count[kMaxPiles] = {};
  uint8_t start[kMaxPiles + 1] = {};  // where each pile's cards begin in `cards`
  // The cards, and eight bytes of room past the last one, so that a pile's
  // digest may read its last word whole (KeyDigest<true>) within the
  // array; nothing is kept there.
  uint8_t cards[kMaxCards + 8] = {};

  // The card `k` of pile `p` counted from the bottom, and its top card.
  uint8_t& At(int32_t p, int32_t k) { return cards[start[p] + k]; }
  uint8_t At(int32_t p, int32_t k) const { return cards[start[p] + k]; }
  uint8_t Top(int32_t p) const { return cards[start[p] + count[p] - 1]; }
  bool Empty(int32_t p) const { return count[p] == 0; }
  // Marks pile `p` as changed, for the keys and for the automatic runs.
  void Touch(int32_t p) {
    changed |= uint64_t{1} << p;
    unseenRuns |= uint64_t{1} << p;
  }
  // Turns the top card of pile `p` to `face`.
  void TurnTop(int32_t p, int32_t face) {
    uint8_t& top = cards[start[p] + count[p] - 1];
    downGained += (face == FaceDown) - (CardFace(top) == FaceDown);
    top = WithFace(top, face);
    Touch(p);
  }
};

// Copies a position into another; the bytes past its cards may be copied too.
void CopyPosition(const FlatPosition& from, FlatPosition& to);

// Moves the cards of pile `from` from index `k` up (only card `k` when
// `single`) onto the top of pile `to`, keeping their order.
void MoveCards(FlatPosition& pos, int32_t from, int32_t k, int32_t to, bool single);

// Reads a snapshot (SavePosition's format) of `pileCount` piles, as laying
// it out reads it; false when it holds more cards than a deck.
bool FromRecord(const PositionRecord& record, int32_t pileCount, FlatPosition& pos);

// The packed form the strategies store (see Pack in position_key.h): a
// count per pile, then the card bytes of every pile one after the other
// (as the position holds them, so two copies make it) padded to
// `deckSize`, then the redeals left.
void PackFlat(const FlatPosition& pos, int32_t deckSize, unsigned char* out);
// The automatic runs' record of what they have seen is not packed: an
// unpacked position is marked as wholly unseen. Its face-down tops are
// found again (see SetLoaded, whose answer it returns).
bool UnpackFlat(const unsigned char* packed, int32_t pileCount, int32_t deckSize,
                FlatPosition& pos);
// Makes `pos`, its cards laid out, what unpacking it makes of it: nothing
// changed, nothing seen by the automatic runs, no face-down card gained,
// its marks and face-down tops read off the cards. Whether some card lies
// face down.
bool SetLoaded(FlatPosition& pos);

}  // namespace tarnik::solver
