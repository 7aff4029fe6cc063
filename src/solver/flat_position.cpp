#include "solver/flat_position.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace tarnik::solver {

namespace {

// Whether some of the `n` card bytes is marked: a marked byte has bit 7
// set and bit 6 clear, so the words of eight bytes are gathered into one
// and tested once, without a branch a word.
bool AnyMarkedCard(const uint8_t* cards, int32_t n) {
  constexpr uint64_t kBit7 = 0x8080808080808080ull;
  uint64_t marked = 0;
  int32_t k = 0;
  for (; k + 8 <= n; k += 8) {
    uint64_t w;
    std::memcpy(&w, cards + k, 8);
    marked |= w & ~(w << 1);
  }
  for (; k < n; ++k) marked |= cards[k] & ~(cards[k] << 1);
  return (marked & kBit7) != 0;
}

// Moves the `n` bytes at `at` to the end of the stretch that ends at
// `end`, the bytes between shifting down (std::rotate's result): they are
// set aside while the bytes between move by one shift, instead of being
// swapped byte by byte. Apart from MoveCards, so that its one-card moves
// keep a small frame.
[[gnu::noinline]] void ShiftPast(uint8_t* at, int32_t n, uint8_t* end) {
  if (n == 0 || end == at + n) return;
  uint8_t aside[kMaxCards];
  std::memcpy(aside, at, static_cast<size_t>(n));
  std::memmove(at, at + n, static_cast<size_t>(end - at - n));
  std::memcpy(end - n, aside, static_cast<size_t>(n));
}

// Writes the low `n` bytes (1 to 8) of `word` at `to`, leaving the bytes
// after them as they are: the eight bytes there are read and merged, so
// that the copy is one word, without a call. `to` must have eight bytes
// of room (FlatPosition::cards keeps eight past its last card).
inline void PutLow(uint8_t* to, uint64_t word, int32_t n) {
  uint64_t was;
  std::memcpy(&was, to, 8);
  const uint64_t low = n >= 8 ? ~uint64_t{0} : (uint64_t{1} << 8 * n) - 1;
  was = (was & ~low) | (word & low);
  std::memcpy(to, &was, 8);
}

}  // namespace

void CopyPosition(const FlatPosition& from, FlatPosition& to) {
  // Blocks of a fixed size are copied inline, without a call: everything
  // before the cards (the fields, the whole counts and starts) in one, and
  // the cards of one or two decks with what lies past them, which nothing
  // reads.
  static_assert(std::is_trivially_copyable_v<FlatPosition> &&
                std::is_standard_layout_v<FlatPosition>);
  std::memcpy(static_cast<void*>(&to), &from, offsetof(FlatPosition, cards));
  const int32_t n = from.start[from.pileCount];
  if (n <= 64)
    std::memcpy(to.cards, from.cards, 64);
  else if (n <= 128)
    std::memcpy(to.cards, from.cards, 128);
  else
    std::memcpy(to.cards, from.cards, n);
}

void MoveCards(FlatPosition& pos, int32_t from, int32_t k, int32_t to, bool single) {
  const int32_t n = single ? 1 : pos.count[from] - k;
  if (n <= 0) return;
  pos.Touch(from);
  pos.Touch(to);
  // Only the bytes between the cards taken and the top of `to` move: the
  // cards turn round that stretch to its other end.
  uint8_t* at = pos.cards + pos.start[from] + k;
  uint8_t* end = pos.cards + pos.start[to] + pos.count[to];
  // One card is set aside while the stretch shifts by one; up to eight in
  // one word, put back by one word (PutLow); more by ShiftPast.
  if (from <= to) {
    if (n == 1) {
      const uint8_t card = *at;
      std::memmove(at, at + 1, static_cast<size_t>(end - at - 1));
      end[-1] = card;
    } else if (n <= 8) {
      uint64_t cards;
      std::memcpy(&cards, at, 8);
      std::memmove(at, at + n, static_cast<size_t>(end - at - n));
      PutLow(end - n, cards, n);
    } else {
      ShiftPast(at, n, end);
    }
    for (int32_t p = from + 1; p <= to; ++p) pos.start[p] = static_cast<uint8_t>(pos.start[p] - n);
  } else {
    if (n == 1) {
      const uint8_t card = *at;
      std::memmove(end + 1, end, static_cast<size_t>(at - end));
      *end = card;
    } else if (n <= 8) {
      uint64_t cards;
      std::memcpy(&cards, at, 8);
      std::memmove(end + n, end, static_cast<size_t>(at - end));
      PutLow(end, cards, n);
    } else {
      ShiftPast(end, static_cast<int32_t>(at - end), at + n);
    }
    for (int32_t p = to + 1; p <= from; ++p) pos.start[p] = static_cast<uint8_t>(pos.start[p] + n);
  }
  pos.count[from] = static_cast<uint8_t>(pos.count[from] - n);
  pos.count[to] = static_cast<uint8_t>(pos.count[to] + n);
}

bool FromRecord(const PositionRecord& record, int32_t pileCount, FlatPosition& pos) {
  pos.pileCount = pileCount;
  int32_t at = 0, k = 0;
  for (int32_t p = 0; p < pileCount; ++p) {
    const int32_t n = at < kRedealsOffset ? record.Bytes[at++] : 0;
    pos.start[p] = static_cast<uint8_t>(k);
    if (k + n > kMaxCards || at + 2 * n > kRedealsOffset) return false;
    for (int32_t i = 0; i < n; ++i, at += 2) {
      const int32_t face = record.Bytes[at + 1];
      pos.cards[k++] =
          WithFace(static_cast<uint8_t>(record.Bytes[at] % 52), face <= Marked ? face : FaceUp);
    }
    pos.count[p] = static_cast<uint8_t>(n);
  }
  pos.start[pileCount] = static_cast<uint8_t>(k);
  pos.redealsLeft = record.Bytes[kRedealsOffset];
  pos.changed = ~uint64_t{0};
  pos.unseenRuns = ~uint64_t{0};
  pos.downTops = ~uint64_t{0};
  pos.downGained = 0;
  pos.marks = AnyMarkedCard(pos.cards, k);
  return true;
}

void PackFlat(const FlatPosition& pos, int32_t deckSize, unsigned char* out) {
  const int32_t n = pos.pileCount, total = pos.start[n];
  std::memcpy(out, pos.count, n);
  std::memcpy(out + n, pos.cards, total);
  std::memset(out + n + total, 0, deckSize - total);
  out[n + deckSize] = static_cast<unsigned char>(pos.redealsLeft);
}

// One walk of the piles lays out where each begins.
bool UnpackFlat(const unsigned char* packed, int32_t pileCount, int32_t deckSize,
                FlatPosition& pos) {
  pos.pileCount = pileCount;
  pos.redealsLeft = packed[pileCount + deckSize];
  std::memcpy(pos.count, packed, pileCount);
  int32_t k = 0;
  for (int32_t p = 0; p < pileCount; ++p) {
    pos.start[p] = static_cast<uint8_t>(k);
    k += packed[p];
  }
  pos.start[pileCount] = static_cast<uint8_t>(k);
  std::memcpy(pos.cards, packed + pileCount, k);
  return SetLoaded(pos);
}

// One pass over the cards, eight bytes at a time, finds both marked bytes
// (bit 7 set, bit 6 clear) and face-down ones (bit 6 set, bit 7 clear);
// the tops are looked at only where some card lies face down.
bool SetLoaded(FlatPosition& pos) {
  constexpr uint64_t kBit6 = 0x4040404040404040ull, kBit7 = 0x8080808080808080ull;
  const int32_t n = pos.start[pos.pileCount];
  uint64_t marked = 0, down = 0;
  int32_t k = 0;
  for (; k + 8 <= n; k += 8) {
    uint64_t w;
    std::memcpy(&w, pos.cards + k, 8);
    marked |= w & ~(w << 1);
    down |= w & ~(w >> 1);
  }
  for (; k < n; ++k) {
    const uint64_t c = pos.cards[k];
    marked |= c & ~(c << 1);
    down |= c & ~(c >> 1);
  }
  const bool anyDown = (down & kBit6) != 0;
  uint64_t downTops = 0;
  if (anyDown)
    for (int32_t p = 0; p < pos.pileCount; ++p)
      if (pos.count[p] != 0 && CardFace(pos.Top(p)) == FaceDown) downTops |= uint64_t{1} << p;
  pos.changed = 0;
  pos.unseenRuns = ~uint64_t{0};
  pos.downGained = 0;
  pos.marks = (marked & kBit7) != 0;
  pos.downTops = downTops;
  return anyDown;
}

}  // namespace tarnik::solver
