// What the fuzz targets share: a game with the shipped library loaded once,
// a silent display, and a check that stops the run when a promise breaks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "engine/game/game.h"

namespace tarnik::fuzz {

// The game the target works on, with the library named by the environment
// variable TARNIK_FUZZ_LIBRARY (no games when it is not set).
Game& FuzzGame();

// Reads bytes of the input in order; past the end every read gives 0.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint32_t Word();
  size_t Left() const { return size_ - at_; }
  const uint8_t* Here() const { return data_ + at_; }
  void Skip(size_t n) { at_ += n < Left() ? n : Left(); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace tarnik::fuzz

// Stops the run with a message when a promise of the code does not hold.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (0)
