#include "engine/records/status_line.h"

#include <cstdio>

#include "engine/cards/pile_ops.h"
#include "engine/deal/game_index.h"
#include "engine/records/player_log.h"
#include "engine/records/tournaments.h"

namespace tarnik {

namespace {

using Text = char[kStatusTextSize];

// Text 0: the game's number and name.
void GameText(const Game& game, Text& text) {
  std::snprintf(text, kStatusTextSize, "#%lld %s", static_cast<long long>(game.CurrentGame) + 1,
                NameOfGame(game.library, game.CurrentGame));
}

// Text 1: the cards home and the dollar account (five a card, less the deck).
void ScoreText(const Game& game, Text& text) {
  const int32_t score = GameScore(game.PileTable, game.CurrentFlags);
  std::snprintf(text, kStatusTextSize, "Score: %d   $%d", score,
                5 * score - DeckSize(game.CurrentFlags));
}

// Text 2: the moves recorded since the deal.
void PlayText(const Game& game, Text& text) {
  std::snprintf(text, kStatusTextSize, "Play: %lld",
                static_cast<long long>(game.history.UndoPosition) - 1);
}

// Text 3: the deal's state in the player's log.
void DealStateText(const Game& game, Text& text) {
  const LogRecord* record = CurrentLog(game);
  const char* state = !record                        ? "New game"
                      : record->Status == kWonRecord ? "Game won"
                                                     : "Not finished";
  std::snprintf(text, kStatusTextSize, "%s", state);
}

// Text 4: the seed as unsigned decimal.
void SeedText(const Game& game, Text& text) {
  std::snprintf(text, kStatusTextSize, "Seed: %lu", static_cast<unsigned long>(game.CurrentSeed));
}

// Text 5: the redeals left.
void RedealText(const Game& game, Text& text) {
  const int32_t left = game.RedealsLeft;
  if (left <= 0)
    std::snprintf(text, kStatusTextSize, "No redeal");
  else if (left > 2)
    std::snprintf(text, kStatusTextSize, "Unlimited redeal");
  else
    std::snprintf(text, kStatusTextSize, "Redeals: %d", left);
}

// Text 6: the tour, while its seed is dealt.
void TourText(const Game& game, Text& text) {
  const TourRecord& tour = CurrentTourRecord(game);
  text[0] = '\0';
  if (game.CurrentSeed != tour.Seed) return;
  char name[kNameSize];
  TourNameText(tour, name);
  // The place is shown as the signed number it is one above.
  std::snprintf(text, kStatusTextSize, "Tour: %s  Game: %d", name,
                static_cast<int32_t>(tour.Position + 1u));
}

}  // namespace

void ComposeStatusText(const Game& game, int part, char (&text)[kStatusTextSize]) {
  static void (*const kParts[kStatusParts])(const Game&, Text&) = {
      GameText, ScoreText, PlayText, DealStateText, SeedText, RedealText, TourText};
  text[0] = '\0';
  if (part >= 0 && part < kStatusParts) kParts[part](game, text);
}

void UpdateStatusLine(const Game& game, StatusSink& sink) {
  char text[kStatusTextSize];
  for (int part = 0; part < kStatusParts; ++part) {
    ComposeStatusText(game, part, text);
    sink.SetStatusText(part, text);
  }
}

}  // namespace tarnik
