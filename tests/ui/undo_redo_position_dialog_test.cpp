// "Undo/Redo position": the table follows the slider and the snap shot.
#include "ui/dialogs/undo_redo_position_dialog.h"

#include "engine/play/history.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// Six stored positions, position n marked by RedealsLeft n + 10; the table
// at 4, the snap shot at 2.
struct PositionDialogTest : ::testing::Test {
  // Stores the positions before the dialog opens.
  bool Prepare() {
    t.game->CurrentLogRecord = 0;  // the deal counts as played already
    ResetHistory(*t.game);
    for (int n = 1; n <= 6; ++n) {
      t.game->RedealsLeft = n + 10;
      RecordPosition(*t.game);
    }
    t.game->history.UndoPosition = 4;
    RestorePosition(*t.game);
    t.game->history.SnapshotPosition = 2;
    t.display.redraws = 0;
    return true;
  }
  // The position on the table, as the dialog and the game show it.
  void ExpectAt(int position) {
    EXPECT_EQ(t.game->history.UndoPosition, position);
    EXPECT_EQ(t.game->RedealsLeft, position + 10);
    EXPECT_EQ(slider->value(), position);
    ExpectTexts(dialog, {{5009, std::to_string(position).c_str()}, {5008, "6"}});
    EXPECT_EQ(t.game->history.PositionCount, 6);
  }
  GuiGame t{{ColumnsGame("Columns")}};
  bool prepared = Prepare();
  UndoRedoPositionDialog dialog{*t.game, nullptr};
  QSlider* slider = Control<QSlider>(dialog, 17045);
};

// Opening shows the texts and a slider with a tick at every position,
// touching nothing; each slider move puts its position on the table at once,
// as does the snap shot's button; redo still reaches the later ones after
// OK, the only way out.
TEST_F(PositionDialogTest, TheTableFollowsTheSliderAndTheSnapShot) {
  ExpectTexts(dialog, {{0, "Undo/Redo position"},
                       {3400, "Return to snap shot position"},
                       {-1, "Select an Undo/Redo position."},
                       {-1, "Undo"},
                       {-1, "Redo"}});
  ExpectAt(4);
  EXPECT_EQ(QSize(slider->minimum(), slider->maximum()), QSize(1, 6));
  EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);
  EXPECT_EQ(slider->tickInterval(), 1);
  EXPECT_EQ(t.display.redraws, 0);
  dialog.show();
  for (int position : {1, 6, 3}) {
    const int redraws = t.display.redraws;
    slider->setValue(position);
    ExpectAt(position);
    EXPECT_GT(t.display.redraws, redraws);
  }
  QTest::keyClick(slider, Qt::Key_Left);
  ExpectAt(2);
  slider->setValue(6);
  Click(dialog, 3400);
  ExpectAt(2);
  EXPECT_TRUE(dialog.isVisible());
  ExpectOnlyItsButtonsClose(dialog);
  Click(dialog, 1);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  RedoMove(*t.game);
  EXPECT_EQ(t.game->RedealsLeft, 13);
}

}  // namespace
}  // namespace tarnik::testing
