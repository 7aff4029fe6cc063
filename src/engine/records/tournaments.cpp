#include "engine/records/tournaments.h"

#include <cstring>

#include "engine/deal/deal.h"
#include "engine/deal/game_index.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"

namespace tarnik {

TourRecord& CurrentTourRecord(Game& game) {
  return game.records.TourTable[IndexInRange(game.prefs.CurrentTour, kTourCount)];
}

const TourRecord& CurrentTourRecord(const Game& game) {
  return game.records.TourTable[IndexInRange(game.prefs.CurrentTour, kTourCount)];
}

int32_t TourGameCount(const TourRecord& tour) {
  int32_t n = 0;
  while (n < kTourGames && tour.Games[n] != kTourEnd) ++n;
  return n;
}

void TourNameText(const TourRecord& tour, char (&text)[kNameSize]) {
  std::memcpy(text, tour.Name, kNameSize);
  text[kNameSize - 1] = '\0';
}

bool TourHasGame(const Game& game, uint32_t g) {
  for (uint32_t entry : CurrentTourRecord(game).Games)
    if (entry == g) return true;
  return false;
}

void PreviousTour(Game& game) {
  const int32_t tour = IndexInRange(game.prefs.CurrentTour, kTourCount);
  if (tour > 0) game.prefs.CurrentTour = tour - 1;
}

void NextTour(Game& game) {
  const int32_t tour = IndexInRange(game.prefs.CurrentTour, kTourCount);
  if (tour < kTourCount - 1) game.prefs.CurrentTour = tour + 1;
}

void SetTourName(Game& game, const char* text) {
  char(&name)[kNameSize] = CurrentTourRecord(game).Name;
  std::memset(name, 0, kNameSize);
  for (int i = 0; i < kNameSize - 1 && text[i]; ++i) name[i] = text[i];
}

void ResetTourScores(Game& game) {
  std::memset(CurrentTourRecord(game).Scores, 0, kTourGames);
}

void NewTourSeed(Game& game, uint32_t tickMilliseconds) {
  TourRecord& tour = CurrentTourRecord(game);
  tour.Seed = FreshSeedOtherThan(tickMilliseconds, tour.Seed);
}

// Deals place `position` of the current tour with the tour's seed.
static void DealTourPlace(Game& game, int32_t position) {
  TourRecord& tour = CurrentTourRecord(game);
  tour.Position = static_cast<uint32_t>(position);
  game.CurrentSeed = tour.Seed;
  game.CurrentGame = GameInRange(game.library, tour.Games[position]);
  StartGame(game, game.CurrentSeed);
}

// A warning box owned by the main window.
static void Warn(Game& game, const char* text, const char* caption) {
  game.display->ShowMessage(text, caption, MessageIcon::Exclamation);
}

bool PlayTour(Game& game) {
  if (TourGameCount(CurrentTourRecord(game)) == 0) {
    Warn(game, "This tour is empty.", "Cannot play tour");
    return false;
  }
  DealTourPlace(game, 0);
  return true;
}

bool AddTourGame(Game& game, int32_t g) {
  TourRecord& tour = CurrentTourRecord(game);
  const int32_t n = TourGameCount(tour);
  if (n >= kTourGames) {
    Warn(game, "This tour is full.", "Cannot add tour");
    return false;
  }
  if (g < 0 || g >= game.library.GameCount) return false;  // no such line
  if (TourHasGame(game, static_cast<uint32_t>(g))) {
    Warn(game, "That game is already in the tour.", "Cannot add tour");
    return false;
  }
  tour.Games[n] = static_cast<uint32_t>(g);
  tour.Scores[n] = 0;
  return true;
}

void RemoveTourGame(Game& game, int32_t i) {
  TourRecord& tour = CurrentTourRecord(game);
  const int32_t count = TourGameCount(tour);
  if (i < 0 || i >= count) return;
  const int32_t n = count - 1;  // places left
  for (int32_t k = i; k < n; ++k) {
    tour.Games[k] = tour.Games[k + 1];
    tour.Scores[k] = tour.Scores[k + 1];
  }
  tour.Games[n] = kTourEnd;
}

void NextTourGame(Game& game) {
  const TourRecord& tour = CurrentTourRecord(game);
  const uint64_t next = uint64_t{tour.Position} + 1;
  if (next >= static_cast<uint64_t>(TourGameCount(tour))) {
    Warn(game, "End of tournament reached.", "No more games");
    return;
  }
  DealTourPlace(game, static_cast<int32_t>(next));
}

void PrevTourGame(Game& game) {
  const TourRecord& tour = CurrentTourRecord(game);
  const int32_t count = TourGameCount(tour);
  if (tour.Position == 0 || count == 0) {
    Warn(game, "Start of tournament reached.", "No more games");
    return;
  }
  // A place beyond the list (games were removed) steps back to the last game.
  const uint32_t previous = tour.Position - 1;
  DealTourPlace(game, previous < uint32_t(count) ? int32_t(previous) : count - 1);
}

}  // namespace tarnik
