// A beam by stock phase letting go of the phases it has left behind: where
// the stock is dealt once, no move comes back to a phase with fewer cards
// dealt, so once memory runs short the earliest phases' waiting positions,
// their keys, and the nodes and packed positions only they needed are
// freed, and the search goes on deeper into the stock with the rest of its
// budget.
#include <algorithm>
#include <bit>
#include <functional>
#include <cstring>

#include "solver/strategy.h"

namespace tarnik::solver {

namespace {

// A set of indices as bits, with the count of set bits before each word,
// so that an index's rank among the set ones is found at once.
class RankedBits {
 public:
  explicit RankedBits(size_t n) : bits_((n + 63) / 64, 0) {}
  bool Has(size_t i) const { return bits_[i / 64] >> (i % 64) & 1; }
  void Set(size_t i) { bits_[i / 64] |= uint64_t{1} << (i % 64); }
  // Counts the set bits word by word; call once every bit is set.
  void Rank() {
    before_.resize(bits_.size() + 1);
    before_[0] = 0;
    for (size_t w = 0; w < bits_.size(); ++w)
      before_[w + 1] = before_[w] + static_cast<int32_t>(std::popcount(bits_[w]));
  }
  // The set bits below `i`: its place once the unset ones are left out.
  int32_t RankOf(size_t i) const {
    const uint64_t below = bits_[i / 64] & ((uint64_t{1} << (i % 64)) - 1);
    return before_[i / 64] + static_cast<int32_t>(std::popcount(below));
  }
  int32_t Count() const { return before_.back(); }

 private:
  std::vector<uint64_t> bits_;
  std::vector<int32_t> before_;
};

}  // namespace

bool Strategy::Shed() {
  if (!kind_.fewestDealtFirst) return false;
  size_t last = phases_.size();  // one past the deepest phase with positions waiting
  while (last > firstPhase_ && phases_[last - 1].empty()) --last;
  if (last == firstPhase_) return false;
  if (last == firstPhase_ + 1) {  // one phase left: it keeps its better half
    std::vector<Entry>& entries = phases_[firstPhase_].Entries();
    if (entries.size() < 2) return false;
    std::sort(entries.begin(), entries.end(), std::greater<Entry>());
    entries.resize(entries.size() / 2);
    entries.shrink_to_fit();
    std::make_heap(entries.begin(), entries.end());
    KeepNeeded();
    return true;
  }
  int64_t waiting = 0;
  for (size_t p = firstPhase_; p < last; ++p) waiting += static_cast<int64_t>(phases_[p].size());
  int64_t dropped = 0;
  size_t p = firstPhase_;
  for (; p + 1 < last && dropped * 2 < waiting; ++p) {
    dropped += static_cast<int64_t>(phases_[p].size());
    OpenQueue().swap(phases_[p]);
    phaseKeys_[p].reset();
  }
  firstPhase_ = p;
  KeepNeeded();
  return true;
}

// Keeps only the nodes still needed, the positions waiting and the chain of
// parents back to the start (a winning line is played again along it), and
// only the packed positions of the parents of those waiting (a waiting
// position is rebuilt from its parent's), each store moved down in order so
// that the numbers keep their order and the queues their heap order.
void Strategy::KeepNeeded() {
  RankedBits live(nodes_.Size()), kept(packed_.Size());
  for (size_t p = firstPhase_; p < phases_.size(); ++p) {
    for (const Entry& e : phases_[p].Entries()) {
      const Node& n = *nodes_.At(e.second);
      const int32_t from = n.packed >= 0 ? n.packed : nodes_.At(n.parent)->packed;
      if (from >= 0) kept.Set(from);
      for (int32_t id = e.second; id >= 0 && !live.Has(id); id = nodes_.At(id)->parent)
        live.Set(id);
    }
  }
  live.Rank();
  kept.Rank();
  for (size_t i = 0; i < packed_.Size(); ++i) {
    if (!kept.Has(i)) continue;
    const size_t to = kept.RankOf(i);
    if (to != i) std::memcpy(packed_.At(to), packed_.At(i), packed_.Width());
  }
  for (size_t i = 0; i < nodes_.Size(); ++i) {
    if (!live.Has(i)) continue;
    Node n = *nodes_.At(i);
    if (n.parent >= 0) n.parent = live.RankOf(n.parent);
    n.packed = n.packed >= 0 && kept.Has(n.packed) ? kept.RankOf(n.packed) : -1;
    *nodes_.At(live.RankOf(i)) = n;
  }
  for (size_t p = firstPhase_; p < phases_.size(); ++p)
    for (Entry& e : phases_[p].Entries()) e.second = live.RankOf(e.second);
  nodes_.Truncate(live.Count());
  packed_.Truncate(kept.Count());
  freePacked_.clear();
}

}  // namespace tarnik::solver
