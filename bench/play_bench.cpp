// How fast positions are stored and restored, and how fast automatic play
// moves cards, with a display that draws nothing.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/play/history.h"
#include "engine/play/moves.h"
#include "engine/play/start_game.h"

namespace tarnik {
namespace {

// Klondike as the shipped library defines it, dealt with `seed`.
std::unique_ptr<Game> DealKlondike(uint32_t seed) {
  auto game = std::make_unique<Game>();
  game->library.Path = TARNIK_LIBRARY;
  CountGames(game->library);
  LoadGameNames(game->library);
  game->CurrentGame = 0;
  game->CurrentSeed = seed;
  StartGame(*game, seed);
  return game;
}

void BM_RecordPosition(benchmark::State& state) {
  auto game = DealKlondike(1);
  for (auto _ : state) {
    game->history.UndoPosition = 1;  // keep recording position 2
    RecordPosition(*game);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecordPosition);

void BM_RestorePosition(benchmark::State& state) {
  auto game = DealKlondike(1);
  for (auto _ : state) RestorePosition(*game);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RestorePosition);

// Automatic play from the deal until nothing is left, over many deals
// (including the glide frames of every move).
void BM_AutoStep(benchmark::State& state) {
  auto game = DealKlondike(1);
  uint32_t seed = 1;
  int64_t moves = 0;
  for (auto _ : state) {
    state.PauseTiming();
    game->CurrentSeed = ++seed;
    StartGame(*game, seed);
    state.ResumeTiming();
    while (AutoStep(*game)) ++moves;
  }
  state.SetItemsProcessed(moves);
}
BENCHMARK(BM_AutoStep);

}  // namespace
}  // namespace tarnik
