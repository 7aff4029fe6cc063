// "Undo/Redo position": what it shows on opening, that the table follows the
// slider at once, the return to the snap shot, and that only OK closes it.
#include "ui/dialogs/undo_redo_position_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "engine/play/history.h"
#include "support/gui_fixture.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::GuiGame;

// A deal with six stored positions, each marked by its RedealsLeft (position
// n keeps n + 10), the table at position 4 and the snap shot at 2.
struct PositionDialogTest : ::testing::Test {
  PositionDialogTest() {
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
  }
  QString Field(const QDialog& dialog, int id) { return Control<QLineEdit>(dialog, id)->text(); }

  GuiGame t{{ColumnsGame("Columns")}};
};

// Opening shows the position on the table and the last one stored, the
// slider over every stored position, and the dialog's texts; the table is
// not touched.
TEST_F(PositionDialogTest, OpensOnThePositionInPlay) {
  UndoRedoPositionDialog dialog(*t.game, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Undo/Redo position");
  EXPECT_EQ(Field(dialog, 5009), "4");
  EXPECT_EQ(Field(dialog, 5008), "6");
  const QSlider* slider = Control<QSlider>(dialog, 17045);
  EXPECT_EQ(slider->orientation(), Qt::Horizontal);
  EXPECT_EQ(slider->minimum(), 1);
  EXPECT_EQ(slider->maximum(), 6);
  EXPECT_EQ(slider->value(), 4);
  EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);
  EXPECT_EQ(slider->tickInterval(), 1);
  EXPECT_EQ(Control<QPushButton>(dialog, 3400)->text(), "Return to snap shot position");
  QStringList labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("Select an Undo/Redo position."));
  EXPECT_TRUE(labels.contains("Undo"));
  EXPECT_TRUE(labels.contains("Redo"));
  EXPECT_EQ(t.game->RedealsLeft, 14);
  EXPECT_EQ(t.display.redraws, 0);
}

// Every slider move puts its position on the table at once and in "Undo";
// "Redo" and the stored positions stay, so redo still reaches the last one
// after OK.
TEST_F(PositionDialogTest, TheTableFollowsTheSliderAndRedoStaysAvailable) {
  UndoRedoPositionDialog dialog(*t.game, nullptr);
  dialog.show();
  QSlider* slider = Control<QSlider>(dialog, 17045);
  for (int position : {1, 6, 3}) {
    SCOPED_TRACE(position);
    const int redraws = t.display.redraws;
    slider->setValue(position);
    EXPECT_EQ(t.game->history.UndoPosition, position);
    EXPECT_EQ(t.game->RedealsLeft, position + 10);
    EXPECT_GT(t.display.redraws, redraws);
    EXPECT_EQ(Field(dialog, 5009), QString::number(position));
    EXPECT_EQ(Field(dialog, 5008), "6");
  }
  QTest::keyClick(slider, Qt::Key_Left);
  EXPECT_EQ(t.game->history.UndoPosition, 2);
  EXPECT_EQ(t.game->RedealsLeft, 12);
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(t.game->history.PositionCount, 6);
  RedoMove(*t.game);
  EXPECT_EQ(t.game->RedealsLeft, 13);
}

// "Return to snap shot position" brings the snap shot onto the table, the
// slider and "Undo", and keeps the later positions; only OK closes.
TEST_F(PositionDialogTest, ReturnsToTheSnapShot) {
  UndoRedoPositionDialog dialog(*t.game, nullptr);
  dialog.show();
  Control<QSlider>(dialog, 17045)->setValue(6);
  Control<QPushButton>(dialog, 3400)->click();
  EXPECT_EQ(t.game->history.UndoPosition, 2);
  EXPECT_EQ(t.game->RedealsLeft, 12);
  EXPECT_EQ(Control<QSlider>(dialog, 17045)->value(), 2);
  EXPECT_EQ(Field(dialog, 5009), "2");
  EXPECT_EQ(Field(dialog, 5008), "6");
  EXPECT_EQ(t.game->history.PositionCount, 6);
  EXPECT_TRUE(dialog.isVisible());
  testing::ExpectOnlyItsButtonsClose(dialog);  // no close box; Escape leaves it open
}

}  // namespace
}  // namespace tarnik
