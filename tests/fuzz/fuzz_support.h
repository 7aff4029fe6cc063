// What the fuzz targets share: the game, the input read in order, the check.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/game/game.h"

namespace tarnik::fuzz {

// The game the target works on, with the library named by the environment
// variable TARNIK_FUZZ_LIBRARY (no games when it is not set).
inline Game& FuzzGame() {
  static const std::unique_ptr<Game> game = [] {
    auto g = std::make_unique<Game>();
    if (const char* path = std::getenv("TARNIK_FUZZ_LIBRARY"))
      g->library.Path = path, CountGames(g->library), LoadGameNames(g->library);
    return g;
  }();
  return *game;
}

// Reads bytes of the input in order; past the end every read gives 0.
struct Input {
  const uint8_t* data;
  size_t size, at = 0;
  uint8_t Byte() { return at < size ? data[at++] : 0; }
  uint32_t Word() {
    uint32_t w = 0;
    for (int shift = 0; shift < 32; shift += 8) w |= uint32_t{Byte()} << shift;
    return w;
  }
  size_t Left() const { return size - at; }
  const uint8_t* Here() const { return data + at; }
  void Skip(size_t n) { at += n < Left() ? n : Left(); }
};

// Stops the run with a message: a promise of the code did not hold.
[[noreturn]] inline void Fail(const char* file, int line, const char* condition) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace tarnik::fuzz

#define FUZZ_CHECK(condition) \
  ((condition) ? void() : tarnik::fuzz::Fail(__FILE__, __LINE__, #condition))
