// How fast the window draws: a full redraw (compose and present) of a
// 104-card table, the redraw after a move and one frame of a glide, in the classic 800 × 600 window
// (client 800 × 526), a 1920 × 1080 window and a 3840 × 2160 one, each at
// "Fit window"; composing the card cells again after a resize at 3840 ×
// 2160 up to the first redraw, and the sheet after an appearance change. Runs on Qt's off-screen platform;
// run from anywhere.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <map>
#include <memory>
#include <string>

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

  // A two-pack game dealt in a table widget of `width` × `height`.
  Window(int width, int height) {
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
    widget->resize(width, height);
    widget->show();
    game->display = widget.get();
    game->CurrentSeed = 1;
    StartGame(*game, 1);
  }
};

// One window per size, made on first use.
Window& Shared(int width, int height) {
  static std::map<std::pair<int, int>, std::unique_ptr<Window>> windows;
  auto& w = windows[{width, height}];
  if (!w) w = std::make_unique<Window>(width, height);
  return *w;
}

// What a figure was measured on: cards, window, zoom and device pixels.
std::string Label(Window& w) {
  const QImage& surface = w.art.tableSurface;
  return std::to_string(DeckSize(w.game->CurrentFlags)) + " cards, " +
         std::to_string(w.widget->width()) + "x" + std::to_string(w.widget->height()) +
         ", zoom " + std::to_string(w.widget->Zoom()).substr(0, 4) + ", " +
         std::to_string(surface.width()) + "x" + std::to_string(surface.height()) +
         " device pixels, art @" + std::to_string(w.art.ScreenResolution()) + "x";
}

// The whole table composed and presented, as after a new deal.
void BM_FullRedraw(benchmark::State& state) {
  Window& w = Shared(state.range(0), state.range(1));
  for (auto _ : state) {
    w.widget->InvalidateTable();
    w.widget->RedrawTable();
  }
  state.SetLabel(Label(w));
}
BENCHMARK(BM_FullRedraw)
    ->Args({800, 526})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The redraw after a move: one pile's top card turned over, and back.
void BM_MoveRedraw(benchmark::State& state) {
  Window& w = Shared(state.range(0), state.range(1));
  Card& top = *w.game->PileTable[0].TopCard;
  for (auto _ : state) {
    top.Face = top.Face == FaceUp ? FaceDown : FaceUp;
    w.widget->RedrawTable();
  }
  top.Face = FaceUp;
  state.SetLabel(Label(w));
}
BENCHMARK(BM_MoveRedraw)
    ->Args({800, 526})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// One frame of a glide: the moving group drawn through the drag image and
// only its rectangle repainted.
void BM_GlideFrame(benchmark::State& state) {
  Window& w = Shared(state.range(0), state.range(1));
  Pile& source = w.game->PileTable[0];
  LiftCards(*w.game, source, *source.TopCard);
  int step = 0;
  for (auto _ : state) {
    w.game->FloatPile.Left = 300 + (step % 128);
    w.game->FloatPile.Top = 200 + (step++ % 64);
    DrawFloatPile(*w.game);
  }
  GlideAndDrop(*w.game, source);
  state.SetLabel(Label(w));
}
BENCHMARK(BM_GlideFrame)
    ->Args({800, 526})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// A resize that changes the zoom at 3840 × 2160: the card cells and the
// felt made again for the new factor from the artwork already composed at
// its resolution, and the first full redraw at it (which scales every cell
// the table shows). The factor of a 3840 × 2160 window and of one 20
// pixels lower, in turn.
void BM_RecomposeAfterResize(benchmark::State& state) {
  Window& w = Shared(3840, 2160);
  const QSize device = w.art.tableSurface.size();
  int step = 0;
  for (auto _ : state) {
    w.art.SetScreen((step++ % 2) ? 2160.0 / 508 : 2140.0 / 508, device);
    w.widget->RedrawTable();
  }
  state.SetLabel(Label(w));
}
BENCHMARK(BM_RecomposeAfterResize)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

// An appearance setting changed at 3840 × 2160: the classic sheet and the
// table's sheet composed from the 3× artwork.
void BM_ComposeAppearance(benchmark::State& state) {
  Window& w = Shared(3840, 2160);
  int step = 0;
  for (auto _ : state) {
    w.game->prefs.CardBack = step++ % 8;
    w.art.Compose(w.game->prefs);
  }
  state.SetLabel(Label(w));
}
BENCHMARK(BM_ComposeAppearance)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);

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
