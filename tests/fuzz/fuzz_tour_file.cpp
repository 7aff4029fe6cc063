// Tournament files of any bytes: the manager's steps never leave the tables.
#include "engine/records/deal_scores.h"
#include "engine/records/status_line.h"
#include "engine/records/tour_file.h"
#include "engine/records/tournaments.h"
#include "fuzz_support.h"

using namespace tarnik;

// What the manager and play can do to the tours, chosen by a byte.
using Step = void (*)(Game&, fuzz::Input&);
static const Step kSteps[] = {
    [](Game& g, fuzz::Input& in) { AddTourGame(g, int32_t(in.Byte()) - 2); },
    [](Game& g, fuzz::Input& in) { RemoveTourGame(g, int32_t(in.Byte() % 40) - 2); },
    [](Game& g, fuzz::Input&) { NextTourGame(g); },
    [](Game& g, fuzz::Input&) { PrevTourGame(g); },
    [](Game& g, fuzz::Input&) { PlayTour(g); },
    [](Game& g, fuzz::Input&) { NextTour(g), PreviousTour(g); },
    [](Game& g, fuzz::Input& in) { RaiseDealScore(g, in.Byte()); },
    [](Game& g, fuzz::Input&) { g.CurrentSeed = CurrentTourRecord(g).Seed; },
    [](Game& g, fuzz::Input&) { ResetTourScores(g); }};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Game& game = fuzz::FuzzGame();
  DecodeTourTable(data, size, game.records);
  const size_t table = size < size_t(kTourFileSize) ? size : size_t(kTourFileSize);
  fuzz::Input in{data + table, size - table};  // the bytes after the table drive the manager
  game.prefs.CurrentTour = static_cast<int32_t>(in.Word());
  char text[kStatusTextSize];
  for (int step = 0; step < 8 && in.Left(); ++step) {
    const TourRecord& tour = CurrentTourRecord(game);
    FUZZ_CHECK(TourGameCount(tour) >= 0 && TourGameCount(tour) <= kTourGames);
    kSteps[in.Byte() % 9](game, in);
    ComposeStatusText(game, 6, text), ComposeStatusText(game, 0, text);
  }
  return 0;
}
