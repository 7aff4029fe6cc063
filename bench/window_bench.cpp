// How fast the window draws: a full redraw (compose and present) of a
// 104-card table in a 1920 × 1080 window, and one frame of a glide.
// Runs on Qt's off-screen platform; run from anywhere.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <memory>

#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/play/start_game.h"
#include "engine/table/layout.h"
#include "ui/art/table_art.h"
#include "ui/table/table_widget.h"

namespace tarnik {
namespace {

struct Window {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  TableArt art;
  std::unique_ptr<TableWidget> widget;

  // A two-pack game dealt in a 1920 × 1080 table widget.
  Window() {
    QDir::setCurrent(QStringLiteral(TARNIK_DATA_DIR));
    game->library.Path = "Data/Tarnik.tkl";
    CountGames(game->library);
    LoadGameNames(game->library);
    for (int32_t g = 0; g < game->library.GameCount; ++g)
      if (std::string(game->library.GameNames[g]) == "Spider") game->CurrentGame = g;
    QString error;
    art.Load(&error);
    art.Compose(game->prefs);
    widget = std::make_unique<TableWidget>(*game, art, nullptr);
    widget->resize(1920, 1080);
    widget->show();
    game->display = widget.get();
    game->CurrentSeed = 1;
    StartGame(*game, 1);
  }
};

Window& Shared() {
  static Window window;
  return window;
}

void BM_FullRedraw(benchmark::State& state) {
  Window& w = Shared();
  for (auto _ : state) w.widget->RedrawTable();
  state.SetLabel(std::to_string(DeckSize(w.game->CurrentFlags)) + " cards, 1920x1080");
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

// One frame of a glide: the moving group drawn through the drag image and
// only its rectangle repainted.
void BM_GlideFrame(benchmark::State& state) {
  Window& w = Shared();
  Pile& source = w.game->PileTable[0];
  LiftCards(*w.game, source, *source.TopCard);
  int step = 0;
  for (auto _ : state) {
    w.game->FloatPile.Left = 300 + (step % 128);
    w.game->FloatPile.Top = 200 + (step++ % 64);
    DrawFloatPile(*w.game);
  }
  GlideAndDrop(*w.game, source);
}
BENCHMARK(BM_GlideFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarnik

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
