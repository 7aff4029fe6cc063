#include "solver/position_key.h"

#include <algorithm>
#include <cstring>

#include "solver/spare_memory.h"

namespace tarnik::solver {

int32_t PackedSize(const TableRules& rules) {
  return rules.pileCount + rules.deckSize + 1;
}

void Pack(const PositionRecord& record, const TableRules& rules, unsigned char* out) {
  const unsigned char* in = record.Bytes;
  unsigned char* cards = out + rules.pileCount;
  const unsigned char* end = out + PackedSize(rules) - 1;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    int32_t n = *in++;
    out[i] = static_cast<unsigned char>(n);
    for (; n > 0 && cards < end; --n, in += 2)
      *cards++ = static_cast<unsigned char>(in[0] | in[1] << 6);
  }
  while (cards < end) *cards++ = 0;
  *cards = record.Bytes[kRedealsOffset];
}

void Unpack(const unsigned char* packed, const TableRules& rules, PositionRecord& record) {
  record.Bytes[kRedealsOffset] = packed[PackedSize(rules) - 1];
  unsigned char* out = record.Bytes;
  const unsigned char* cards = packed + rules.pileCount;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    int32_t n = packed[i];
    *out++ = static_cast<unsigned char>(n);
    for (; n > 0; --n, ++cards) {
      *out++ = *cards & 63;
      *out++ = *cards >> 6;
    }
  }
}

PositionKey CanonicalKey(const PositionRecord& record, const TableRules& rules) {
  unsigned char packed[kPositionSize];
  Pack(record, rules, packed);
  return PackedKey(packed, rules);
}

// The cycle is laid out eight bytes at a time: the waste copied, the
// stock's bytes reversed by words, then every face cleared by one mask.
PositionKey CycleKey(const unsigned char* stock, int32_t stockCount, const unsigned char* waste,
                     int32_t wasteCount) {
  unsigned char cycle[kMaxCards + 8];
  const int32_t w = std::min(wasteCount, kMaxCards);
  const int32_t s = std::min(stockCount, kMaxCards - w);
  std::memcpy(cycle, waste, static_cast<size_t>(w));
  const unsigned char* top = stock + stockCount;
  int32_t j = 0;
  for (; j + 8 <= s; j += 8) {
    uint64_t x;
    std::memcpy(&x, top - j - 8, 8);
    x = __builtin_bswap64(x);
    std::memcpy(cycle + w + j, &x, 8);
  }
  for (; j < s; ++j) cycle[w + j] = top[-1 - j];
  const int32_t n = w + s;
  for (int32_t k = 0; k < n; k += 8) {
    uint64_t x;
    std::memcpy(&x, cycle + k, 8);
    x &= 0x3F3F3F3F3F3F3F3Full;
    std::memcpy(cycle + k, &x, 8);
  }
  return KeyDigest(static_cast<unsigned char>(n), cycle, static_cast<size_t>(n));
}

PositionKey CombineKeys(const PositionKey* pile, unsigned char redeals, const TableRules& rules) {
  PositionKey sum;
  for (int32_t i = 0; i < rules.pileCount; ++i) AddTerm(sum, PileTerm(pile[i], rules.classOf[i]));
  return FinishKey(sum, redeals);
}

PositionKey PackedKey(const unsigned char* packed, const TableRules& rules) {
  PositionKey pile[kMaxPiles];
  const unsigned char* at[kMaxPiles];
  const unsigned char* cards = packed + rules.pileCount;
  for (int32_t i = 0; i < rules.pileCount; ++i) {
    at[i] = cards;
    pile[i] = PileKey(packed[i], cards, rules.topOnly[i] ? rules.topClass[i] : nullptr);
    cards += packed[i];
  }
  if (InCycle(rules, rules.stock)) {
    const int32_t s = rules.stock, w = rules.waste;
    pile[s] = CycleKey(at[s], packed[s], at[w], packed[w]);
    pile[w] = kCycledWaste;
  }
  return CombineKeys(pile, packed[PackedSize(rules) - 1], rules);
}

namespace {

constexpr size_t kFirstSlots = 64;  // of each part

PositionKey* NewTable(size_t slots) {
  return static_cast<PositionKey*>(TakeTable(slots * sizeof(PositionKey)));
}

}  // namespace

KeySet::KeySet() {
  for (Part& part : parts_) {
    part.slots = NewTable(kFirstSlots);
    part.slotCount = kFirstSlots;
  }
}

KeySet::~KeySet() {
  for (Part& part : parts_) GiveTable(part.slots, part.slotCount * sizeof(PositionKey));
  if (recent_) GiveTable(recent_, kRecentSlots * sizeof(PositionKey));
}

int64_t KeySet::Size() const {
  int64_t n = 0;
  for (const Part& part : parts_) n += part.size;
  return n;
}

int64_t KeySet::Bytes() const {
  int64_t n = 0;
  for (const Part& part : parts_) n += static_cast<int64_t>(part.slotCount * sizeof(PositionKey));
  return n + (recent_ ? static_cast<int64_t>(kRecentSlots * sizeof(PositionKey)) : 0);
}

int64_t KeySet::LargestBlock() const {
  size_t most = 0;
  for (const Part& part : parts_) most = std::max(most, part.slotCount);
  return static_cast<int64_t>(most * sizeof(PositionKey));
}

int64_t KeySet::GrowthBytes() const {
  int64_t n = 0;
  for (const Part& part : parts_) {
    size_t slots = part.slotCount;  // the table kNearKeys more keys would need
    while (Crowded(part.size + kNearKeys, slots)) slots *= 2;
    n += static_cast<int64_t>((slots - part.slotCount) * sizeof(PositionKey));
  }
  if (!recent_ && Size() + kParts * kNearKeys >= kRecentFrom)
    n += static_cast<int64_t>(kRecentSlots * sizeof(PositionKey));
  return n;
}

// The part is chosen by the high bits of `b`, the slot by the low bits of
// `a`, the recent slot by the low bits of `b`: the two halves of the key
// are mixed apart. A key in its recent slot is in the set.
bool KeySet::Insert(const PositionKey& key) {
  if (recent_ && MetLately(key)) return false;
  Part& part = parts_[key.b >> 60 & (kParts - 1)];
  if (Crowded(part.size + 1, part.slotCount)) Grow(part);
  return Put(part, key);
}

// Whether `key` is the one its recent slot holds; else it holds it now.
bool KeySet::MetLately(const PositionKey& key) {
  PositionKey& recent = recent_[key.b & (kRecentSlots - 1)];
  if (recent == key) return true;
  recent = key;
  return false;
}

// Adds a key to one part, which has room; false when it was there already.
bool KeySet::Put(Part& part, const PositionKey& key) {
  const size_t mask = part.slotCount - 1;
  for (size_t i = key.a & mask;; i = (i + 1) & mask) {
    PositionKey& slot = part.slots[i];
    if (slot == key) return false;
    if (slot.a == 0 && slot.b == 0) {
      slot = key;
      ++part.size;
      return true;
    }
  }
}

// Doubles a part's table; its keys and their count stay. A set grown large
// makes its table of recent keys.
void KeySet::Grow(Part& part) {
  if (!recent_ && Size() >= kRecentFrom)
    recent_ = static_cast<PositionKey*>(TakeTable(kRecentSlots * sizeof(PositionKey)));
  PositionKey* old = part.slots;
  const size_t oldCount = part.slotCount;
  part.slots = NewTable(oldCount * 2);
  part.slotCount = oldCount * 2;
  // The keys are distinct: each goes in the first free slot from its own.
  const size_t mask = part.slotCount - 1;
  for (size_t i = 0; i < oldCount; ++i) {
    const PositionKey& key = old[i];
    if (key.a == 0 && key.b == 0) continue;
    size_t at = key.a & mask;
    while (part.slots[at].a != 0 || part.slots[at].b != 0) at = (at + 1) & mask;
    part.slots[at] = key;
  }
  GiveTable(old, oldCount * sizeof(PositionKey));
}

}  // namespace tarnik::solver
