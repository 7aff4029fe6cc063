// How fast the engine deals and answers the two move questions. Deals are
// made with no display and no history, as the command-line tool makes them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/editor/pile_editor.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"
#include "engine/rules/legality.h"

namespace tarnik {
namespace {

// A tableau pile building down in alternate colours, Klondike style.
PileDef Tableau(int column, int size, int faceDown, uint32_t extra = 0) {
  PileDef p;
  p.Column = column;
  p.Row = 2;
  p.InitialSize = size;
  p.InitialFaceDown = faceDown;
  p.Direction = PileDirection::Vertical;
  p.Placement = CardPlacement::Any;
  p.RankBuild = RankBuild::Down;
  p.SuitBuild = SuitBuild::DiffColor;
  p.PileStart = PileStart::AnyKing;
  p.Removal = CardRemoval::AnyInDiffColor;
  p.Flags = PileFlags::AutoPlay | extra;
  return p;
}

// A game of `packs` packs: tableau piles that take the whole deck, plus
// foundations, so every deal fills the table.
GameDef BenchGame(uint32_t flags) {
  GameDef g;
  const int cards = DeckSize(flags);
  const int piles = cards == 52 ? 7 : 10;
  int dealt = 0;
  for (int k = 0; k < piles; ++k) {
    const int size = k + 1 < piles ? cards / piles : cards - dealt;
    g.Piles[k] = Tableau(2 * k, size, size - 1);
    dealt += size;
  }
  for (int f = 0; f < 8; ++f) {
    PileDef& p = g.Piles[piles + f];
    p.Column = 2 * f;
    p.PileStart = PileStart::AnyAce;
    p.RankBuild = RankBuild::Up;
    p.SuitBuild = SuitBuild::SameSuit;
    p.Flags = PileFlags::WinGoal;
  }
  g.Flags = flags;
  return g;
}

// A game in play whose library file holds the three bench games.
std::unique_ptr<Game> OpenBenchGame(int index) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "tarnik-bench.tkl").string();
  std::vector<unsigned char> bytes(3 * kGameRecordSize);
  const uint32_t flags[] = {0, GameFlags::TwoDeck, GameFlags::FourDeck};
  for (int i = 0; i < 3; ++i) EncodeGameDef(BenchGame(flags[i]), &bytes[i * kGameRecordSize]);
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  auto game = std::make_unique<Game>();
  game->library.Path = path;
  CountGames(game->library);
  LoadGameNames(game->library);
  game->CurrentGame = index;
  return game;
}

// Whole deals: load the game, shuffle, reset, deal, lay out.
void BM_StartGame(benchmark::State& state) {
  auto game = OpenBenchGame(static_cast<int>(state.range(0)));
  uint32_t seed = 1;
  for (auto _ : state) {
    game->CurrentSeed = seed;
    StartGame(*game, seed++);
    benchmark::DoNotOptimize(game->PileTable[0].TopCard);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(std::to_string(DeckSize(game->CurrentFlags)) + " cards");
}
BENCHMARK(BM_StartGame)->Arg(0)->Arg(1)->Arg(2);

// Every pile's top card asked against every pile, as a drag does.
void BM_CanDrop(benchmark::State& state) {
  auto game = OpenBenchGame(0);
  game->CurrentSeed = 7;
  StartGame(*game, 7);
  const Pile* piles = game->PileTable;
  const int n = CountPiles(piles);
  int64_t calls = 0;
  for (auto _ : state) {
    for (int s = 0; s < n; ++s) {
      if (!piles[s].TopCard) continue;
      for (int d = 0; d < n; ++d) {
        benchmark::DoNotOptimize(CanDrop(piles, piles[s], piles[d], *piles[s].TopCard, 1));
        ++calls;
      }
    }
  }
  state.SetItemsProcessed(calls);
}
BENCHMARK(BM_CanDrop);

// A press on every card of every pile.
void BM_TakeableCard(benchmark::State& state) {
  auto game = OpenBenchGame(1);
  game->CurrentSeed = 7;
  StartGame(*game, 7);
  const Pile* piles = game->PileTable;
  const int n = CountPiles(piles);
  int64_t calls = 0;
  for (auto _ : state) {
    for (int p = 0; p < n; ++p)
      for (Card* c = piles[p].BottomCard; c; c = c->Above) {
        benchmark::DoNotOptimize(TakeableCard(piles, piles[p], c));
        ++calls;
      }
  }
  state.SetItemsProcessed(calls);
}
BENCHMARK(BM_TakeableCard);

// One step of a pile editor scroll bar, as a thumb drag makes many: the
// field changes and the game is dealt afresh (no window to redraw).
void BM_PileEditorStep(benchmark::State& state) {
  auto game = OpenBenchGame(static_cast<int>(state.range(0)));
  StartGame(*game, 7);
  game->EditPile = &game->PileTable[0];
  PileEditor editor(*game);
  bool right = true;
  for (auto _ : state) {
    editor.Scroll(PileBar::SizeLimit, right ? ScrollAction::LineRight : ScrollAction::LineLeft);
    right = !right;
    benchmark::DoNotOptimize(game->PileTable[0].TopCard);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(std::to_string(DeckSize(game->CurrentFlags)) + " cards");
}
BENCHMARK(BM_PileEditorStep)->Arg(0)->Arg(2);

}  // namespace
}  // namespace tarnik

BENCHMARK_MAIN();
