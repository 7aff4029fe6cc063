#include "solver/position_key.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

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

// Tells the processor it spins on a lock.
inline void CpuRelax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#elif defined(__aarch64__)
  asm volatile("yield");
#endif
}

}  // namespace

KeySet::KeySet() {
  for (Part& part : parts_) {
    part.slots = NewTable(kFirstSlots);
    part.slotCount = kFirstSlots;
  }
}

KeySet::~KeySet() {
  for (Part& part : parts_) {
    GiveTable(part.slots, part.slotCount * sizeof(PositionKey));
    if (!shared_) continue;
    for (const auto& [slots, count] : SharedOf(part).outgrown)
      GiveTable(slots, count * sizeof(PositionKey));
  }
  if (recent_) GiveTable(recent_, kRecentSlots * sizeof(PositionKey));
}

// A shared set's part is held by one thread at a time. The holder mostly
// looks at or adds one key, so a thread waiting for it spins, reading the
// lock without taking its line from the holder; after kSpinsBeforeYield
// tries it gives way, since the holder may be growing the part's table.
KeySet::PartLock::PartLock(const KeySet& set, const Part& part)
    : part_(set.shared_ ? &part : nullptr) {
  if (!part_) return;
  constexpr int32_t kSpinsBeforeYield = 16;
  for (int32_t tries = 0; part_->lock.test_and_set(std::memory_order_acquire); ++tries) {
    while (part_->lock.test(std::memory_order_relaxed)) {
      if (tries < kSpinsBeforeYield) CpuRelax();
      else std::this_thread::yield();
    }
  }
}

KeySet::PartLock::~PartLock() {
  if (part_) part_->lock.clear(std::memory_order_release);
}

void KeySet::Share() {
  if (shared_) return;
  shared_ = std::make_unique<SharedPart[]>(kParts);
  for (const Part& part : parts_) {
    SharedOf(part).view.store(part.slots, std::memory_order_release);
    SharedOf(part).viewCount.store(part.slotCount, std::memory_order_release);
  }
}

int64_t KeySet::Size() const {
  int64_t n = 0;
  for (const Part& part : parts_) {
    const PartLock hold(*this, part);
    n += part.size;
  }
  return n;
}

int64_t KeySet::Bytes() const {
  int64_t n = 0;
  for (const Part& part : parts_) {
    const PartLock hold(*this, part);
    n += static_cast<int64_t>(part.slotCount * sizeof(PositionKey));
    if (!shared_) continue;
    for (const auto& grown : SharedOf(part).outgrown)
      n += static_cast<int64_t>(grown.second * sizeof(PositionKey));
  }
  return n + (recent_ ? static_cast<int64_t>(kRecentSlots * sizeof(PositionKey)) : 0);
}

int64_t KeySet::LargestBlock() const {
  size_t most = 0;
  for (const Part& part : parts_) {
    const PartLock hold(*this, part);
    most = std::max(most, part.slotCount);
  }
  return static_cast<int64_t>(most * sizeof(PositionKey));
}

int64_t KeySet::GrowthBytes() const {
  int64_t n = 0;
  for (const Part& part : parts_) {
    const PartLock hold(*this, part);
    size_t slots = part.slotCount;  // the table kNearKeys more keys would need
    while (Crowded(part.size + kNearKeys, slots)) slots *= 2;
    n += static_cast<int64_t>((slots - part.slotCount) * sizeof(PositionKey));
  }
  if (!recent_ && !shared_ && Size() + kParts * kNearKeys >= kRecentFrom)
    n += static_cast<int64_t>(kRecentSlots * sizeof(PositionKey));
  return n;
}

// The part is chosen by the high bits of `b`, the slot by the low bits of
// `a`, the recent slot by the low bits of `b`: the two halves of the key
// are mixed apart. A key in its recent slot is in the set.
bool KeySet::Insert(const PositionKey& key, ThreadKeys* own) {
  if (shared_) return InsertShared(key, own);
  if (recent_ && MetLately(recent_, key)) return false;
  Part& part = PartOf(key);
  return PutRoom(part, key);
}

// Insert in a shared set: the caller's recent keys, then a look without
// the lock, then the part under its lock. Where the caller keeps keys of
// its own and the part is locked, the key is put off: the lock is mostly
// held by the other thread growing the part's table, which takes a large
// part a good fraction of a millisecond (Klondike seed 81 with two threads
// waited 177 ms in 1.29 s so).
bool KeySet::InsertShared(const PositionKey& key, ThreadKeys* own) {
  if (own && MetLately(own->recent.data(), key)) return false;
  if (own && !own->putOff.empty()) SettleFree(*own);
  Part& part = PartOf(key);
  if (Holds(SharedOf(part), key)) return false;
  if (own && own->putOff.size() < kMostPutOff) {
    bool added = true;
    if (!PutIfFree(part, key, added)) own->putOff.push_back(key);
    return added;
  }
  const PartLock hold(*this, part);
  return PutRoom(part, key);
}

// Takes the part's lock if no thread holds it, adds `key` (`added` tells
// whether it was new) and lets go; false, with nothing done, where the
// lock is held.
bool KeySet::PutIfFree(Part& part, const PositionKey& key, bool& added) {
  if (part.lock.test_and_set(std::memory_order_acquire)) return false;
  added = PutRoom(part, key);
  part.lock.clear(std::memory_order_release);
  return true;
}

// Adds the keys put off whose parts are free now; the others stay. A part
// is looked at before its lock is taken, so that a part still held costs
// no write to the holder's cache line.
void KeySet::SettleFree(ThreadKeys& own) {
  std::erase_if(own.putOff, [this](const PositionKey& key) {
    Part& part = PartOf(key);
    bool added = false;
    return !part.lock.test(std::memory_order_relaxed) && PutIfFree(part, key, added);
  });
}

void KeySet::Settle(ThreadKeys& own) {
  for (const PositionKey& key : own.putOff) {
    Part& part = PartOf(key);
    const PartLock hold(*this, part);
    PutRoom(part, key);
  }
  own.putOff.clear();
}

// Put, after growing the part's table where the key would crowd it.
bool KeySet::PutRoom(Part& part, const PositionKey& key) {
  if (Crowded(part.size + 1, part.slotCount)) Grow(part);
  return Put(part, key);
}

// Whether `key` is the one its slot of `recent` holds; else it holds it now.
bool KeySet::MetLately(PositionKey* recent, const PositionKey& key) {
  PositionKey& slot = recent[key.b & (kRecentSlots - 1)];
  if (slot == key) return true;
  slot = key;
  return false;
}

// Adds a key to one part, which has room; false when it was there already.
// Its halves are stored each at once, as another thread may be looking at
// the slot (Holds).
bool KeySet::Put(Part& part, const PositionKey& key) {
  const size_t mask = part.slotCount - 1;
  for (size_t i = key.a & mask;; i = (i + 1) & mask) {
    PositionKey& slot = part.slots[i];
    if (slot == key) return false;
    if (slot.a == 0 && slot.b == 0) {
      std::atomic_ref(slot.b).store(key.b, std::memory_order_relaxed);
      std::atomic_ref(slot.a).store(key.a, std::memory_order_relaxed);
      ++part.size;
      return true;
    }
  }
}

// Whether a shared set's part holds `key`, looked at without its lock, as
// most keys a search meets were entered before. The size is read before
// the table and a part's table only grows, so the look stays within the
// table read, even one grown out of meanwhile (kept until the set goes).
// A key being added, or moved to a larger table, may be missed: it is then
// looked for again under the lock.
bool KeySet::Holds(const SharedPart& part, const PositionKey& key) {
  const size_t count = part.viewCount.load(std::memory_order_acquire);
  PositionKey* const slots = part.view.load(std::memory_order_acquire);
  const size_t mask = count - 1;
  for (size_t i = key.a & mask, n = 0; n < count; i = (i + 1) & mask, ++n) {
    const uint64_t a = std::atomic_ref(slots[i].a).load(std::memory_order_relaxed);
    const uint64_t b = std::atomic_ref(slots[i].b).load(std::memory_order_relaxed);
    if (a == key.a && b == key.b) return true;
    if (a == 0 && b == 0) return false;
  }
  return false;
}

// Doubles a part's table; its keys and their count stay. A set grown large
// makes its table of recent keys.
void KeySet::Grow(Part& part) {
  if (!recent_ && !shared_ && Size() >= kRecentFrom)
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
  if (!shared_) {
    GiveTable(old, oldCount * sizeof(PositionKey));
    return;
  }
  // The new table first, then its size (see Holds); the old one stays.
  SharedPart& view = SharedOf(part);
  view.view.store(part.slots, std::memory_order_release);
  view.viewCount.store(part.slotCount, std::memory_order_release);
  view.outgrown.emplace_back(old, oldCount);
}

}  // namespace tarnik::solver
