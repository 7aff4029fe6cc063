#include "solver/position_key.h"

#include <algorithm>
#include <cstring>

namespace tarnik::solver {

namespace {

// Mixes one 64-bit word into a hash state (a multiply and a rotate, as in
// the well-known fast string hashes).
inline uint64_t Mix(uint64_t h, uint64_t word, uint64_t multiplier) {
  h ^= word;
  h *= multiplier;
  return h ^ (h >> 29);
}

// Digest of a byte string in two independent halves.
PositionKey Digest(const unsigned char* bytes, size_t n) {
  uint64_t a = 0x9E3779B97F4A7C15ull, b = 0xC2B2AE3D27D4EB4Full ^ n;
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t w;
    std::memcpy(&w, bytes + i, 8);
    a = Mix(a, w, 0xFF51AFD7ED558CCDull);
    b = Mix(b, w + i, 0xC4CEB9FE1A85EC53ull);
  }
  uint64_t tail = 0;
  std::memcpy(&tail, bytes + i, n - i);
  a = Mix(a, tail ^ n, 0xFF51AFD7ED558CCDull);
  b = Mix(b, tail, 0xC4CEB9FE1A85EC53ull);
  if (a == 0 && b == 0) a = 1;  // zero marks a free slot
  return {a, b};
}

// The digest of one pile's bytes in a snapshot (its count, then a value and
// a face per card) from `at`; moves `at` past them. A goal pile whose deeper
// cards matter to nothing gives its size and its top card alone.
PositionKey PileDigest(const PositionRecord& record, bool topOnly, int32_t& at) {
  const int32_t n = at < kRedealsOffset ? record.Bytes[at] : 0;
  const int32_t begin = at;
  at = std::min(at + 1 + 2 * n, int32_t{kRedealsOffset});
  if (topOnly && n > 1 && at - 2 > begin) {
    const unsigned char condensed[3] = {record.Bytes[begin], record.Bytes[at - 2],
                                        record.Bytes[at - 1]};
    return Digest(condensed, 3);
  }
  return Digest(record.Bytes + begin, at - begin);
}

bool Before(const PositionKey& x, const PositionKey& y) {
  return x.a != y.a ? x.a < y.a : x.b < y.b;
}

}  // namespace

int32_t PackedSize(const TableRules& rules) {
  return rules.pileCount + rules.deckSize + 1;
}

void Pack(const PositionRecord& record, const TableRules& rules, unsigned char* out) {
  const unsigned char* in = record.Bytes;
  const unsigned char* end = out + PackedSize(rules) - 1;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    int32_t n = *in++;
    *out++ = static_cast<unsigned char>(n);
    for (; n > 0 && out < end; --n, in += 2)
      *out++ = static_cast<unsigned char>(in[0] | in[1] << 6);
  }
  while (out < end) *out++ = 0;
  *out = record.Bytes[kRedealsOffset];
}

void Unpack(const unsigned char* packed, const TableRules& rules, PositionRecord& record) {
  record.Bytes[kRedealsOffset] = packed[PackedSize(rules) - 1];
  unsigned char* out = record.Bytes;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    int32_t n = *packed++;
    *out++ = static_cast<unsigned char>(n);
    for (; n > 0; --n, ++packed) {
      *out++ = *packed & 63;
      *out++ = *packed >> 6;
    }
  }
}

PositionKey CanonicalKey(const PositionRecord& record, const TableRules& rules) {
  PositionKey pile[kMaxPiles];
  int32_t at = 0;
  for (int32_t i = 0; i < rules.pileCount; ++i) pile[i] = PileDigest(record, rules.topOnly[i], at);
  // Piles go in the order of their class (named by its first pile), and
  // within a class in the order of their digests. Table order is nearly
  // that order already, so an insertion sort does little work.
  int32_t order[kMaxPiles];
  auto before = [&](int32_t x, int32_t y) {
    const int32_t cx = rules.classOf[x], cy = rules.classOf[y];
    return cx != cy ? cx < cy : Before(pile[x], pile[y]);
  };
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    int32_t k = i;
    for (; k > 0 && before(i, order[k - 1]); --k) order[k] = order[k - 1];
    order[k] = i;
  }
  uint64_t a = 0x9E3779B97F4A7C15ull, b = 0xC2B2AE3D27D4EB4Full ^ record.Bytes[kRedealsOffset];
  for (int32_t k = 0; k < rules.pileCount; ++k) {
    a = Mix(a, pile[order[k]].a, 0xFF51AFD7ED558CCDull);
    b = Mix(b, pile[order[k]].b, 0xC4CEB9FE1A85EC53ull);
  }
  a = Mix(a, record.Bytes[kRedealsOffset], 0xFF51AFD7ED558CCDull);
  if (a == 0 && b == 0) a = 1;  // zero marks a free slot
  return {a, b};
}

KeySet::KeySet() : slots_(1 << 12) {}

bool KeySet::Insert(const PositionKey& key) {
  if ((size_ + 1) * 4 > static_cast<int64_t>(slots_.size()) * 3) Grow();
  const size_t mask = slots_.size() - 1;
  for (size_t i = key.a & mask;; i = (i + 1) & mask) {
    PositionKey& slot = slots_[i];
    if (slot == key) return false;
    if (slot.a == 0 && slot.b == 0) {
      slot = key;
      ++size_;
      return true;
    }
  }
}

void KeySet::Grow() {
  std::vector<PositionKey> old(slots_.size() * 2);
  old.swap(slots_);
  size_ = 0;
  for (const PositionKey& k : old)
    if (k.a != 0 || k.b != 0) Insert(k);
}

}  // namespace tarnik::solver
