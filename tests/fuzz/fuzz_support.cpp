#include "fuzz_support.h"

#include <memory>

namespace tarnik::fuzz {

Game& FuzzGame() {
  static std::unique_ptr<Game> game = [] {
    auto g = std::make_unique<Game>();
    if (const char* path = std::getenv("TARNIK_FUZZ_LIBRARY")) {
      g->library.Path = path;
      CountGames(g->library);
      LoadGameNames(g->library);
    }
    return g;
  }();
  return *game;
}

uint32_t Input::Word() {
  uint32_t w = 0;
  for (int i = 0; i < 4; ++i) w |= uint32_t{Byte()} << (8 * i);
  return w;
}

}  // namespace tarnik::fuzz
