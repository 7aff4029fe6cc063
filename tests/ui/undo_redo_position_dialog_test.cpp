// "Undo/Redo position": the table follows the slider and the snap shot.
#include "ui/dialogs/undo_redo_position_dialog.h"

#include "engine/play/history.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// Positions 1 … 6 (RedealsLeft n + 10), at 4, snap shot 2: the slider and the snap
// shot's button move the table at once; redo still reaches the later ones.
TEST(PositionDialog, TheTableFollowsTheSliderAndTheSnapShot) {
  GuiGame t{{ColumnsGame("Columns")}};
  t.game->CurrentLogRecord = 0;  // the deal counts as played already
  ResetHistory(*t.game);
  for (int n = 1; n <= 6; ++n) t.game->RedealsLeft = n + 10, RecordPosition(*t.game);
  t.game->history.UndoPosition = 4;
  RestorePosition(*t.game);
  t.game->history.SnapshotPosition = 2;
  t.display.redraws = 0;
  UndoRedoPositionDialog dialog{*t.game, nullptr};
  QSlider* slider = Control<QSlider>(dialog, 17045);
  const auto expectAt = [&](int position) {
    EXPECT_EQ(std::tuple(t.game->history.UndoPosition, t.game->RedealsLeft, slider->value()),
              std::tuple(position, position + 10, position));
    ExpectTexts(dialog, {{5009, std::to_string(position).c_str()}, {5008, "6"}});
  };
  ExpectTexts(dialog, {{0, "Undo/Redo position"}, {3400, "Return to snap shot position"},
                       {-1, "Select an Undo/Redo position."}, {-1, "Undo"}, {-1, "Redo"}});
  expectAt(4);
  EXPECT_EQ(std::tuple(slider->minimum(), slider->maximum(), slider->tickInterval()),
            std::tuple(1, 6, 1));
  EXPECT_TRUE(slider->tickPosition() != QSlider::NoTicks && t.display.redraws == 0);
  dialog.show();
  slider->setValue(6);
  expectAt(6);
  EXPECT_GT(t.display.redraws, 0);
  Click(dialog, 3400);
  expectAt(2);
  ExpectOnlyItsButtonsClose(dialog);
  Click(dialog, 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  RedoMove(*t.game);
  EXPECT_EQ(t.game->RedealsLeft, 13);
}

}  // namespace
}  // namespace tarnik::testing
