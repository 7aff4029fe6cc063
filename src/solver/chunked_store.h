// A store that only grows, in blocks of a fixed size: appending never moves
// what is stored and never touches memory twice, where a vector that
// doubles copies everything it holds and zero-fills what it adds. The
// strategies keep their positions, nodes and actions in such stores.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tarnik::solver {

// Records of `width` elements of T, each record whole inside one block.
template <typename T>
class ChunkedStore {
 public:
  explicit ChunkedStore(size_t width = 1)
      : width_(width), perBlock_(kBlockBytes / sizeof(T) / width) {}

  // Room for one more record, left as it was allocated (not cleared).
  T* Add() {
    if (size_ % perBlock_ == 0)
      blocks_.push_back(std::make_unique_for_overwrite<T[]>(perBlock_ * width_));
    T* at = blocks_.back().get() + (size_ % perBlock_) * width_;
    ++size_;
    return at;
  }
  // Record `i`.
  T* At(size_t i) { return blocks_[i / perBlock_].get() + (i % perBlock_) * width_; }
  const T* At(size_t i) const { return blocks_[i / perBlock_].get() + (i % perBlock_) * width_; }
  size_t Size() const { return size_; }
  // The bytes its blocks hold, and the largest single allocation among them.
  int64_t Bytes() const {
    return static_cast<int64_t>(blocks_.size() * perBlock_ * width_ * sizeof(T) +
                                blocks_.capacity() * sizeof(blocks_[0]));
  }
  int64_t LargestBlock() const {
    return static_cast<int64_t>(
        std::max(perBlock_ * width_ * sizeof(T), blocks_.capacity() * sizeof(blocks_[0])));
  }

 private:
  static constexpr size_t kBlockBytes = size_t{1} << 18;
  size_t width_;
  size_t perBlock_;  // records a block holds
  size_t size_ = 0;
  std::vector<std::unique_ptr<T[]>> blocks_;
};

}  // namespace tarnik::solver
