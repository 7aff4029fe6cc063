// What the "Undo/Redo position" dialog does, without its widgets: it shows
// the position on the table and the last stored one, and its slider moves
// the table to any stored position at once.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;

// The numbers the dialog shows and its slider's range and place.
struct PositionDialogView {
  int32_t Undo = 0;         // field "Undo": the position on the table
  int32_t Redo = 0;         // field "Redo": the last stored position
  int32_t SliderMin = 1;
  int32_t SliderMax = 1;
  int32_t SliderPos = 1;
};

// The dialog as it opens.
PositionDialogView OpenPositionDialog(const Game& game);
// The slider was moved to `position`: the table follows at once.
PositionDialogView SlidePosition(Game& game, int32_t position);
// "Return to snap shot position".
PositionDialogView ReturnToSnapShot(Game& game);

}  // namespace tarnik
