#include "engine/play/position_dialog.h"

#include "engine/game/game.h"
#include "engine/play/history.h"

namespace tarnik {

namespace {

// Moves the table to a stored position (kept within the stored ones).
void GoTo(Game& game, int32_t position) {
  History& h = game.history;
  if (position < 1) position = 1;
  if (position > h.PositionCount) position = h.PositionCount;
  h.UndoPosition = position;
  RestorePosition(game);
}

}  // namespace

PositionDialogView OpenPositionDialog(const Game& game) {
  const History& h = game.history;
  return {h.UndoPosition, h.PositionCount, 1, h.PositionCount, h.UndoPosition};
}

PositionDialogView SlidePosition(Game& game, int32_t position) {
  GoTo(game, position);
  return OpenPositionDialog(game);
}

PositionDialogView ReturnToSnapShot(Game& game) {
  GoTo(game, game.history.SnapshotPosition);
  return OpenPositionDialog(game);
}

}  // namespace tarnik
