// Tournaments: sixteen lists of up to 32 library games, all dealt with one
// seed, with a score for each place. The manager edits the current tour and
// starts it; two commands step through its games.
#pragma once

#include <cstdint>

#include "engine/game/game.h"

namespace tarnik {

// The tour the manager shows and the commands use (CurrentTour brought into
// 0 … 15).
TourRecord& CurrentTourRecord(Game& game);
const TourRecord& CurrentTourRecord(const Game& game);
// Games in a tour: the entries before the first end marker.
int32_t TourGameCount(const TourRecord& tour);
// The tour's name, at most 31 characters, always terminated.
void TourNameText(const TourRecord& tour, char (&text)[kNameSize]);
// Whether any of the 32 entries of the current tour, end markers included,
// equals g.
bool TourHasGame(const Game& game, uint32_t g);

// The manager's buttons and fields.
// "Previous" and "Next": show the tour before or after, if there is one.
void PreviousTour(Game& game);
void NextTour(Game& game);
// The name field losing the focus: stores at most 31 characters.
void SetTourName(Game& game, const char* text);
// "Reset Scores": every place scores 0.
void ResetTourScores(Game& game);
// "New Seed": a fresh random seed; the scores stay.
void NewTourSeed(Game& game, uint32_t tickMilliseconds);
// "Play": deals the first game with the tour's seed, or says the tour is
// empty. True when a game was dealt.
bool PlayTour(Game& game);
// A double click on library game g: appends it to the tour unless the tour
// is full or already has it (each says so). True when it was added.
bool AddTourGame(Game& game, int32_t g);
// A double click on place i of the tour: removes it and its score; the
// places after it move up. Nothing when there is no such place.
void RemoveTourGame(Game& game, int32_t i);

// "Next Tournament Game" and "Prev Tournament Game": deal the neighbouring
// place with the tour's seed, or say that the end or start is reached.
void NextTourGame(Game& game);
void PrevTourGame(Game& game);

}  // namespace tarnik
