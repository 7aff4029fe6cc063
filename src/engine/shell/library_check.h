// The promises every game of a shipped library keeps: it deals, its table
// fits the smallest window, no pile the player needs stays hidden under
// another, and it has a goal that can take the whole deck.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/game/game.h"

namespace tarnik {

// The client area every table must fit: the smallest main window.
constexpr ClientSize kSmallestClient{800, 530};

// One thing wrong with one game of a library.
struct LibraryProblem {
  int32_t Index = 0;
  std::string Name;
  std::string What;
};

// The problems of game `index` of the library held by `game`, which deals it
// to look at the table; each problem in a few words.
std::vector<std::string> CheckGame(Game& game, int32_t index);
// Every problem of every game of the library held by `game`, in library
// order, including names that two games share or that lead to the same
// rules page.
std::vector<LibraryProblem> CheckLibrary(Game& game);

}  // namespace tarnik
