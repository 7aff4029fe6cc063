#include "engine/play/history.h"

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/play/uncover.h"
#include "engine/table/layout.h"
#include "engine/table/sounds.h"

namespace tarnik {

// Per pile its count, then each card's value and face from the bottom up;
// the redeals left in the last byte.
void SavePosition(const Game& game, PositionRecord& record) {
  unsigned char* out = record.Bytes;
  for (int32_t i = 0, n = CountPiles(game.PileTable); i < n; ++i) {
    const Pile& pile = game.PileTable[i];
    *out++ = static_cast<unsigned char>(pile.Count);
    for (const Card* c = pile.BottomCard; c; c = c->Above) {
      *out++ = static_cast<unsigned char>(c->Value);
      *out++ = static_cast<unsigned char>(c->Face);
    }
  }
  record.Bytes[kRedealsOffset] = static_cast<unsigned char>(game.RedealsLeft);
}

void ResetHistory(Game& game) {
  game.history.SnapshotPosition = 1;
  game.history.UndoPosition = 0;
  game.history.PositionCount = 0;
}

void RecordPosition(Game& game) {
  TurnUncoveredCards(game);  // part of the move that uncovered them
  History& h = game.history;
  if (h.UndoPosition >= kMaxPositions) {
    game.display->ShowMessage("Undo buffer is full.  Cannot store any more moves.", "Warning!",
                              MessageIcon::Exclamation);
    return;
  }
  if (h.UndoPosition != 0 && game.CurrentLogRecord == -1)
    game.CurrentLogRecord = game.services->OpenLogRecord(game);
  SavePosition(game, h.PositionBuffer[h.UndoPosition]);
  h.UndoPosition = h.PositionCount = h.UndoPosition + 1;
  if (h.SnapshotPosition > h.UndoPosition) h.SnapshotPosition = 1;
}

void LoadPosition(Game& game, const PositionRecord& record) {
  ReleaseFloatPile(game);
  ResetTable(game.PileTable, game.client);
  int32_t at = 0, k = 0;
  for (Pile* pile = FirstPile(game.PileTable); pile; pile = pile->Next) {
    // A damaged position never reads past its own bytes or the deck.
    int32_t n = at < kRedealsOffset ? record.Bytes[at++] : 0;
    for (; n > 0 && at + 1 < kRedealsOffset && k < kMaxCards; --n, ++k) {
      Card& card = game.Deck[k];
      card.Below = card.Above = nullptr;
      card.Value = record.Bytes[at++] % 52;
      const int32_t face = record.Bytes[at++];
      card.Face = face <= Marked ? face : FaceUp;
      InsertCardAbove(*pile, pile->TopCard, card);
    }
    SortPile(*pile);
    LayoutPile(*pile, game.Style());
  }
  game.RedealsLeft = record.Bytes[kRedealsOffset];
}

void RestorePosition(Game& game) {
  const History& h = game.history;
  if (h.UndoPosition < 1 || h.UndoPosition > kMaxPositions) return;
  LoadPosition(game, h.PositionBuffer[h.UndoPosition - 1]);
  game.display->RedrawTable();
}

void UndoMove(Game& game) {
  if (game.FloatPile.BottomCard || game.history.UndoPosition < 2) return;
  --game.history.UndoPosition;
  RestorePosition(game);
  PlayDropSound(game);
}

void RedoMove(Game& game) {
  History& h = game.history;
  if (game.FloatPile.BottomCard || h.UndoPosition >= h.PositionCount) return;
  ++h.UndoPosition;
  RestorePosition(game);
  PlayDropSound(game);
}

void StoreSnapShot(Game& game) {
  game.history.SnapshotPosition = game.history.UndoPosition;
}

void RestoreSnapShot(Game& game) {
  if (game.FloatPile.BottomCard) return;
  game.history.UndoPosition = game.history.SnapshotPosition;
  RestorePosition(game);
}

}  // namespace tarnik
