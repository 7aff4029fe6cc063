// Tournament files of any bytes: the manager's operations, stepping through
// a tour and the status text never leave the tables.
#include "engine/records/deal_scores.h"
#include "engine/records/status_line.h"
#include "engine/records/tour_file.h"
#include "engine/records/tournaments.h"
#include "fuzz_support.h"

using namespace tarnik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Game& game = fuzz::FuzzGame();
  DecodeTourTable(data, size, game.records);
  const size_t table = size < size_t(kTourFileSize) ? size : size_t(kTourFileSize);
  fuzz::Input in(data + table, size - table);  // the bytes after the table drive the manager
  game.prefs.CurrentTour = static_cast<int32_t>(in.Word());
  char text[kStatusTextSize];
  for (int step = 0; step < 8 && in.Left(); ++step) {
    const TourRecord& tour = CurrentTourRecord(game);
    FUZZ_CHECK(TourGameCount(tour) >= 0 && TourGameCount(tour) <= kTourGames);
    switch (in.Byte() % 9) {
      case 0:
        AddTourGame(game, static_cast<int32_t>(in.Byte()) - 2);
        break;
      case 1:
        RemoveTourGame(game, static_cast<int32_t>(in.Byte() % 40) - 2);
        break;
      case 2:
        NextTourGame(game);
        break;
      case 3:
        PrevTourGame(game);
        break;
      case 4:
        PlayTour(game);
        break;
      case 5:
        NextTour(game), PreviousTour(game);
        break;
      case 6:
        RaiseDealScore(game, in.Byte());
        break;
      case 7:
        game.CurrentSeed = tour.Seed;
        break;
      default:
        ResetTourScores(game);
        break;
    }
    ComposeStatusText(game, 6, text);
    ComposeStatusText(game, 0, text);
  }
  return 0;
}
