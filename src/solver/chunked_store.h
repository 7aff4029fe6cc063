// A store that only grows, in blocks of a fixed size: appending never moves
// what is stored and never touches memory twice, where a vector that
// doubles copies everything it holds and zero-fills what it adds. The
// strategies keep their positions, nodes and actions in such stores; the
// blocks come from and go back to the thread's spare memory.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

#include "solver/spare_memory.h"

namespace tarnik::solver {

// Records of `width` elements of T (plain data), each record whole inside
// one block.
template <typename T>
class ChunkedStore {
 public:
  explicit ChunkedStore(size_t width = 1)
      : width_(width), perBlock_(kBlockBytes / sizeof(T) / width) {
    static_assert(std::is_trivially_copyable_v<T> && alignof(T) <= alignof(std::max_align_t));
  }
  ChunkedStore(const ChunkedStore&) = delete;
  ChunkedStore& operator=(const ChunkedStore&) = delete;
  ~ChunkedStore() {
    for (Block& b : blocks_) GiveBlock(std::move(b));
  }

  // Room for one more record, left as it was (not cleared).
  T* Add() {
    if (size_ % perBlock_ == 0) blocks_.push_back(TakeBlock());
    T* at = Base(blocks_.size() - 1) + (size_ % perBlock_) * width_;
    ++size_;
    return at;
  }
  // Record `i`.
  T* At(size_t i) { return Base(i / perBlock_) + (i % perBlock_) * width_; }
  const T* At(size_t i) const { return Base(i / perBlock_) + (i % perBlock_) * width_; }
  size_t Size() const { return size_; }
  // Keeps the first `n` records and gives back the blocks past them.
  void Truncate(size_t n) {
    if (n >= size_) return;
    size_ = n;
    for (size_t keep = (n + perBlock_ - 1) / perBlock_; blocks_.size() > keep;) {
      GiveBlock(std::move(blocks_.back()));
      blocks_.pop_back();
    }
  }
  size_t Width() const { return width_; }
  // The bytes its blocks hold, and the largest single allocation among them.
  int64_t Bytes() const {
    return static_cast<int64_t>(blocks_.size() * kBlockBytes +
                                blocks_.capacity() * sizeof(blocks_[0]));
  }
  int64_t LargestBlock() const {
    return static_cast<int64_t>(std::max(kBlockBytes, blocks_.capacity() * sizeof(blocks_[0])));
  }

 private:
  T* Base(size_t block) const { return reinterpret_cast<T*>(blocks_[block].get()); }

  size_t width_;
  size_t perBlock_;  // records a block holds
  size_t size_ = 0;
  std::vector<Block> blocks_;
};

}  // namespace tarnik::solver
