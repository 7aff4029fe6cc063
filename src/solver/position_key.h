// Positions as the solver keeps them: packed snapshots of the table (one
// byte per card) to return to, and canonical keys that name a position the
// same way whatever the order of the cards among interchangeable piles.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "engine/play/history.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// A 128-bit digest of a canonical position. Two different positions share a
// key with a chance of about one in 2^100 for the largest searches.
struct PositionKey {
  uint64_t a = 0, b = 0;
  bool operator==(const PositionKey&) const = default;
};

// The bytes a packed position takes: a count per pile, then a byte per card
// (every pile's cards one after the other, padded to the deck's size) and
// the redeals left.
int32_t PackedSize(const TableRules& rules);
// Packs a snapshot (see SavePosition) into `out`, and back.
void Pack(const PositionRecord& record, const TableRules& rules, unsigned char* out);
void Unpack(const unsigned char* packed, const TableRules& rules, PositionRecord& record);

// The canonical key of a packed position: the same for every position that
// differs only by an exchange of the cards of piles of one class.
PositionKey PackedKey(const unsigned char* packed, const TableRules& rules);

// The hashes of the keys, inline since every move digests a few piles.
// Mixes one 64-bit word into a hash state (a multiply and a rotate, as in
// the well-known fast string hashes).
inline uint64_t KeyMix(uint64_t h, uint64_t word, uint64_t multiplier) {
  h ^= word;
  h *= multiplier;
  return h ^ (h >> 29);
}

// Digest of a pile: its count, then its card bytes, in two independent
// halves. The count seeds the state, so the cards are read where they lie.
// With `kReadsPast` the last word is read whole and its bytes past `n`
// cleared, which spares a copy of a variable length: the caller promises
// eight readable bytes past the pile's.
template <bool kReadsPast = false>
inline PositionKey KeyDigest(unsigned char count, const unsigned char* bytes, size_t n) {
  uint64_t a = 0x9E3779B97F4A7C15ull ^ count;
  uint64_t b = 0xC2B2AE3D27D4EB4Full ^ (n + 1) ^ uint64_t{count} << 32;
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, bytes + i, 8);
    a = KeyMix(a, w, 0xFF51AFD7ED558CCDull);
    b = KeyMix(b, w + i, 0xC4CEB9FE1A85EC53ull);
  }
  uint64_t tail = 0;
  if constexpr (kReadsPast) {
    std::memcpy(&tail, bytes + i, 8);
    tail &= (uint64_t{1} << 8 * (n - i)) - 1;  // n - i is below 8
  } else {
    std::memcpy(&tail, bytes + i, n - i);
  }
  a = KeyMix(a, tail ^ n, 0xFF51AFD7ED558CCDull);
  b = KeyMix(b, tail, 0xC4CEB9FE1A85EC53ull);
  if (a == 0 && b == 0) a = 1;  // zero marks a free slot
  return {a, b};
}

// A full avalanche of one word (the finaliser of the well-known 64-bit
// murmur hash), so that sums of such words behave as random.
inline uint64_t KeyAvalanche(uint64_t k) {
  k ^= k >> 33;
  k *= 0xFF51AFD7ED558CCDull;
  k ^= k >> 33;
  k *= 0xC4CEB9FE1A85EC53ull;
  return k ^ (k >> 33);
}

// Its parts: the digest of one pile (its count and a byte per card, read
// where they lie; a goal pile whose deeper cards matter to nothing gives
// its size and the class of its top card alone, `topClass` non-null); each
// pile's term, made of its digest and its class; and the key made of the
// sum of every pile's term and the redeals left.
// A sum does not depend on the order of the piles, so piles of one class
// may exchange their cards without changing the key, and a move changes
// only the terms of the piles it touched.
// With `kReadsPast`, `cards` has eight readable bytes past the pile's.
template <bool kReadsPast = false>
inline PositionKey PileKey(unsigned char count, const unsigned char* cards,
                           const uint8_t* topClass) {
  if (topClass && count > 0) {
    const unsigned char last = cards[count - 1];
    const uint64_t top = static_cast<unsigned char>((last & ~63) | topClass[last & 63]);
    return KeyDigest<true>(count, reinterpret_cast<const unsigned char*>(&top), 1);
  }
  return KeyDigest<kReadsPast>(count, cards, count);
}

inline PositionKey PileTerm(const PositionKey& pile, int32_t pileClass) {
  const uint64_t c = static_cast<uint64_t>(pileClass) + 1;
  return {KeyAvalanche(pile.a + c * 0x9E3779B97F4A7C15ull),
          KeyAvalanche(pile.b ^ c * 0xC2B2AE3D27D4EB4Full)};
}

// Where the stock cycles (TableRules::stockCycles), the digest that stands
// for the stock: its cards and the waste's in the order they are dealt (the
// waste from the bottom up, then the stock from the top down), wherever the
// cycle is cut; the waste's own digest is then a constant (`CycledWaste`).
PositionKey CycleKey(const unsigned char* stock, int32_t stockCount, const unsigned char* waste,
                     int32_t wasteCount);
constexpr PositionKey kCycledWaste{};
// Whether pile `p` is the stock or the waste of a stock that cycles.
inline bool InCycle(const TableRules& rules, int32_t p) {
  return rules.stockCycles && rules.stock >= 0 && (p == rules.stock || p == rules.waste);
}
inline void AddTerm(PositionKey& sum, const PositionKey& term) {
  sum.a += term.a;
  sum.b += term.b;
}
inline void RemoveTerm(PositionKey& sum, const PositionKey& term) {
  sum.a -= term.a;
  sum.b -= term.b;
}
// The key of a sum of terms with the redeals left; inline, as every move
// finishes one.
inline PositionKey FinishKey(const PositionKey& sum, unsigned char redeals) {
  const uint64_t a = KeyAvalanche(sum.a ^ (uint64_t{redeals} + 1) * 0xFF51AFD7ED558CCDull);
  const uint64_t b = KeyAvalanche(sum.b + redeals);
  return {a == 0 && b == 0 ? 1 : a, b};  // zero marks a free slot
}
PositionKey CombineKeys(const PositionKey* pile, unsigned char redeals, const TableRules& rules);
// The same key of a snapshot.
PositionKey CanonicalKey(const PositionRecord& record, const TableRules& rules);

// A set of position keys with open addressing, in parts chosen by the
// key's high bits that each grow on their own as they fill: a growing part
// briefly holds its old and its new table, so parts keep that peak a
// fraction of the whole set. Its tables come from and go back to the
// thread's spare memory.
class KeySet {
 public:
  KeySet();
  ~KeySet();
  KeySet(const KeySet&) = delete;
  KeySet& operator=(const KeySet&) = delete;
  // The key met last in each of kRecentSlots slots (by the low bits of
  // `b`): a search meets most of its keys again within a few positions, and
  // this small table answers those without a look in the large ones, whose
  // slots lie far apart in memory.
  static constexpr size_t kRecentSlots = size_t{1} << 14;
  // What a thread keeps of its own in a shared set: its table of recent
  // keys (zero at first), and the keys it took for new while their part
  // was locked, mostly by another thread growing the part's table, to be
  // added once the part is free.
  struct ThreadKeys {
    std::vector<PositionKey> recent = std::vector<PositionKey>(kRecentSlots);
    std::vector<PositionKey> putOff;
    int64_t Bytes() const {
      return static_cast<int64_t>((recent.capacity() + putOff.capacity()) * sizeof(PositionKey));
    }
  };
  // Adds a key; false when it was there already. In a shared set `own` is
  // the calling thread's own keys, or null; with them a key whose part is
  // locked counts as new at once and is added later (a position may then
  // be entered twice, but none is ever missed).
  bool Insert(const PositionKey& key, ThreadKeys* own = nullptr);
  // Adds the keys `own` put off, waiting for their parts.
  void Settle(ThreadKeys& own);
  // From now on several threads may add keys at once: a key is first looked
  // for without a lock (see Holds), then added under its part's lock; each
  // thread keeps its own table of recent keys in place of the set's.
  void Share();
  int64_t Size() const;
  // The bytes its tables hold, and the largest of them.
  int64_t Bytes() const;
  int64_t LargestBlock() const;
  // What its tables would grow by with kNearKeys more keys in each part:
  // the parts fill alike, so once one grows the others follow within a few
  // thousand keys, and the whole set may double between two looks at the
  // search's memory, which come at most some tens of thousands of keys
  // apart.
  int64_t GrowthBytes() const;

  static constexpr int64_t kNearKeys = 4096;

 private:
  static constexpr int32_t kParts = 16;
  struct Part {
    PositionKey* slots = nullptr;  // a zero key marks a free slot
    size_t slotCount = 0;          // a power of two
    int64_t size = 0;
    mutable std::atomic_flag lock;  // held while shared
  };
  // What a part needs once shared: its table and size for looks without
  // the lock, on a cache line apart from the lock, which each look under it
  // writes (the other thread's copy of the line then stays good), and the
  // tables grown out of, which such a look may still read.
  struct SharedPart {
    alignas(64) std::atomic<PositionKey*> view{nullptr};
    std::atomic<size_t> viewCount{0};
    std::vector<std::pair<PositionKey*, size_t>> outgrown;
  };
  // Holds a part's lock while the set is shared, else nothing.
  class PartLock {
   public:
    PartLock(const KeySet& set, const Part& part);
    ~PartLock();
    PartLock(const PartLock&) = delete;
    PartLock& operator=(const PartLock&) = delete;

   private:
    const Part* part_;
  };
  // Whether `keys` keys would fill more than three quarters of `slots`
  // slots: a part's table grows before it does.
  static bool Crowded(int64_t keys, size_t slots) {
    return keys * 4 > static_cast<int64_t>(slots) * 3;
  }
  // The most keys a thread puts off: past them it waits for the part.
  static constexpr size_t kMostPutOff = 1024;
  bool InsertShared(const PositionKey& key, ThreadKeys* own);
  void SettleFree(ThreadKeys& own);
  bool PutRoom(Part& part, const PositionKey& key);
  bool PutIfFree(Part& part, const PositionKey& key, bool& added);
  // The part a key belongs to, by the high bits of its `b`.
  Part& PartOf(const PositionKey& key) { return parts_[key.b >> 60 & (kParts - 1)]; }
  static bool MetLately(PositionKey* recent, const PositionKey& key);
  static bool Put(Part& part, const PositionKey& key);
  static bool Holds(const SharedPart& part, const PositionKey& key);
  SharedPart& SharedOf(const Part& part) const { return shared_[&part - parts_]; }
  void Grow(Part& part);
  Part parts_[kParts];
  // The table of recent keys, made once the set holds kRecentFrom keys,
  // where the looks in the large tables miss the processor's caches.
  static constexpr int64_t kRecentFrom = int64_t{1} << 16;
  PositionKey* recent_ = nullptr;
  std::unique_ptr<SharedPart[]> shared_;  // once shared, one per part
};

}  // namespace tarnik::solver
