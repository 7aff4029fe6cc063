// The queue of a best-first search: positions by estimate, the best first
// and, of equal estimates, the one stored last. Estimates are small whole
// numbers and a search meets a few thousand of them, so each estimate has a
// bucket of its own, a stack of positions linked through their node
// numbers: a push links the node on top of its bucket and a pop takes the
// top of the highest bucket that holds one, where a heap would sift every
// entry through a dozen levels.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tarnik::solver {

class BucketQueue {
 public:
  using Entry = std::pair<int32_t, int32_t>;  // estimate, node

  bool empty() const { return size_ == 0; }
  size_t size() const { return size_; }

  // Queues node `e.second` (not negative) by its estimate `e.first`.
  // Popped in the order of a max-heap of (estimate, node) as long as nodes
  // are pushed in increasing order, as a search stores them.
  void push(const Entry& e) {
    if (head_.empty()) {
      base_ = e.first - kMargin;
      head_.assign(2 * kMargin, kNone);
    }
    if (e.first < base_) Lower(e.first);
    const auto at = static_cast<size_t>(e.first - base_);
    if (at >= head_.size()) head_.resize(std::max(at + 1, head_.size() * 2), kNone);
    const auto node = static_cast<size_t>(e.second);
    if (node >= next_.size()) next_.resize(std::max(node + 1, next_.size() * 2));
    next_[node] = head_[at];
    head_[at] = e.second;
    top_ = size_ == 0 ? at : std::max(top_, at);
    ++size_;
  }

  // The best entry; the queue must not be empty.
  Entry top() const { return {base_ + static_cast<int32_t>(top_), head_[top_]}; }

  // Drops the best entry, and finds the next highest bucket holding one.
  void pop() {
    head_[top_] = next_[static_cast<size_t>(head_[top_])];
    if (--size_ == 0) return;
    while (head_[top_] == kNone) --top_;
  }

  // The bytes it holds, and the larger of its two blocks.
  int64_t Bytes() const {
    return static_cast<int64_t>((head_.capacity() + next_.capacity()) * sizeof(int32_t));
  }
  int64_t LargestBlock() const {
    return static_cast<int64_t>(std::max(head_.capacity(), next_.capacity()) * sizeof(int32_t));
  }

 private:
  static constexpr int32_t kNone = -1;
  static constexpr int32_t kMargin = 512;  // buckets made below and above the first estimate

  // Makes room below the lowest bucket for `estimate`, and a margin more.
  void Lower(int32_t estimate) {
    const auto more = static_cast<size_t>(base_ - estimate + kMargin);
    head_.insert(head_.begin(), more, kNone);
    base_ -= static_cast<int32_t>(more);
    top_ += more;
  }

  std::vector<int32_t> head_;  // by estimate less base_: the last node queued, or kNone
  std::vector<int32_t> next_;  // by node: the node queued before it in its bucket
  int32_t base_ = 0;           // the estimate of the first bucket
  size_t top_ = 0;             // the highest bucket holding a node, when any
  size_t size_ = 0;
};

}  // namespace tarnik::solver
