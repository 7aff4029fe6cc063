#include "engine/play/start_game.h"

#include "engine/deal/deal.h"
#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/table/layout.h"

namespace tarnik {

// Redeals granted by the game's flags; later bits override earlier ones.
static int32_t InitialRedeals(uint32_t flags, bool unlimitedAllowed) {
  int32_t redeals = 0;
  if (flags & GameFlags::RedealOnce) redeals = unlimitedAllowed ? 99 : 1;
  if (flags & GameFlags::RedealTwice) redeals = unlimitedAllowed ? 99 : 2;
  if (flags & GameFlags::RedealUnlimited) redeals = 99;
  return redeals;
}

// The displayed rank rotation; later bits override earlier ones.
static int32_t InitialRankOffset(uint32_t flags, uint32_t seed) {
  int32_t offset = 0;
  if (flags & GameFlags::AcesHigh) offset = 1;
  if (flags & GameFlags::ThreesHigh) offset = 3;
  if (flags & GameFlags::QueensHigh) offset = 12;
  if (flags & GameFlags::FivesHigh) offset = 5;
  if (flags & GameFlags::RandomStart) offset = static_cast<int32_t>(seed % 13u);
  return offset;
}

void StartGame(Game& game, uint32_t seed) {
  ReleaseFloatPile(game);
  game.services->KeepPreviousGame(game);
  LoadGame(game.library, game.PileTable, game.CurrentFlags, game.CurrentGame);
  game.RandomState = seed;
  game.services->ResetHistory(game);
  game.history.DealtGame = game.CurrentGame;
  game.history.DealtSeed = game.CurrentSeed;
  game.RedealsLeft = InitialRedeals(game.CurrentFlags, game.prefs.UnlimitToggle != 0);
  game.RankOffset = InitialRankOffset(game.CurrentFlags, game.CurrentSeed);
  ShuffleDeck(game, game.Deck, game.CurrentFlags);
  ResetTable(game.PileTable, game.client);
  DealCards(game.PileTable, game.Deck, game.CurrentFlags, game.Style());
  LayoutAllPiles(FirstPile(game.PileTable), game.Style());
  MoveKingsToTop(game);
  game.services->RecordPosition(game);
  game.CurrentLogRecord = game.services->FindLogRecord(game);
  game.display->RedrawTable();
  game.display->UpdateStatusLine();
  if (game.prefs.AutoToggle)
    while (game.services->AutoStep(game)) {
    }
}

void RefreshPreview(Game& game) {
  ReleaseFloatPile(game);
  game.services->KeepPreviousGame(game);  // the edit deals over the game in progress
  ShuffleDeck(game, game.Deck, game.CurrentFlags);
  ResetTable(game.PileTable, game.client);
  DealCards(game.PileTable, game.Deck, game.CurrentFlags, game.Style());
  LayoutAllPiles(FirstPile(game.PileTable), game.Style());
  game.display->RedrawTable();
}

}  // namespace tarnik
