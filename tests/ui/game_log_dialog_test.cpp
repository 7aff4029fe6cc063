// "Select logged game.": the record shown on opening, the comment stored at
// once, a double-clicked seed dealt again, and that only OK or a double
// click closes it.
#include "ui/dialogs/game_log_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "support/gui_fixture.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::GuiGame;

// Game 0 has three logged deals: seed 4000000000 won with 250 points and
// "Easy.", seed 22 played with 7 points and "Hard.", seed 33 played.
struct GameLogDialogTest : ::testing::Test {
  GameLogDialogTest() {
    LogRecord* block = t.game->records.PlayerFile[0];
    block[0] = {4000000000u, 0, kWonRecord, 3, 250, 0};
    block[1] = {22, 0, kPlayedRecord, 4, 7, 0};
    block[2] = {33, 0, kPlayedRecord, 0, 0, 0};
  }
  LogRecord& Record(int k) { return t.game->records.PlayerFile[0][k]; }
  static QString Field(const QDialog& dialog, int id) {
    return Control<QLineEdit>(dialog, id)->text();
  }

  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Bristol")}};
};

// Playing a logged seed selects its line and shows its record; the seeds
// are listed in record order and the comments in their stored order; the
// focus starts on the first control.
TEST_F(GameLogDialogTest, OpensOnTheDealInPlay) {
  t.Deal(0, 22);
  GameLogDialog dialog(*t.game, nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Select logged game.");
  const QListWidget* seeds = Control<QListWidget>(dialog, 8003);
  ASSERT_EQ(seeds->count(), 3);
  EXPECT_EQ(seeds->item(0)->text(), "4000000000");
  EXPECT_EQ(seeds->item(1)->text(), "22");
  EXPECT_EQ(seeds->currentRow(), 1);
  EXPECT_EQ(Field(dialog, 5005), "Klondike");
  EXPECT_EQ(Field(dialog, 5007), "Not completed");
  EXPECT_EQ(Field(dialog, 5012), "7");
  const QComboBox* comment = Control<QComboBox>(dialog, 7001);
  ASSERT_EQ(comment->count(), 13);
  EXPECT_EQ(comment->itemText(12), "My first loss.");
  EXPECT_EQ(comment->currentText(), "Hard.");
  EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, 5005));
}

// A deal not in the log opens on the first line; selecting another line
// shows its record without touching any comment.
TEST_F(GameLogDialogTest, SelectingASeedShowsItsRecord) {
  t.Deal(0, 99);
  GameLogDialog dialog(*t.game, nullptr);
  dialog.show();
  QListWidget* seeds = Control<QListWidget>(dialog, 8003);
  EXPECT_EQ(seeds->currentRow(), 0);
  EXPECT_EQ(Field(dialog, 5007), "Completed");
  EXPECT_EQ(Field(dialog, 5012), "250");
  EXPECT_EQ(Control<QComboBox>(dialog, 7001)->currentText(), "Easy.");
  seeds->setCurrentRow(2);
  EXPECT_EQ(Field(dialog, 5007), "Not completed");
  EXPECT_EQ(Control<QComboBox>(dialog, 7001)->currentIndex(), 0);
  EXPECT_EQ(Record(0).Comment, 3);
  EXPECT_EQ(Record(1).Comment, 4);
  EXPECT_EQ(Record(2).Comment, 0);
}

// A new comment is stored in the selected record at once and stays after OK.
TEST_F(GameLogDialogTest, ACommentIsStoredAtOnce) {
  t.Deal(0, 99);
  GameLogDialog dialog(*t.game, nullptr);
  dialog.show();
  Control<QListWidget>(dialog, 8003)->setCurrentRow(1);
  Control<QComboBox>(dialog, 7001)->setCurrentIndex(10);
  EXPECT_EQ(Record(1).Comment, 10);
  EXPECT_EQ(Record(0).Comment, 3);
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(Record(1).Comment, 10);
}

// A double click deals that seed again in the game in play and closes.
TEST_F(GameLogDialogTest, DoubleClickDealsTheSeedAgain) {
  t.Deal(0, 99);
  GameLogDialog dialog(*t.game, nullptr);
  dialog.show();
  QListWidget* seeds = Control<QListWidget>(dialog, 8003);
  seeds->setCurrentRow(2);
  const QRect line = seeds->visualItemRect(seeds->item(2));
  QTest::mouseClick(seeds->viewport(), Qt::LeftButton, {}, line.center());
  QTest::mouseDClick(seeds->viewport(), Qt::LeftButton, {}, line.center());
  EXPECT_EQ(t.game->CurrentSeed, 33u);
  EXPECT_EQ(t.game->CurrentGame, 0);
  EXPECT_EQ(t.Table(), t.DealtTable(0, 33));
  EXPECT_FALSE(dialog.isVisible());
}

// A full log lists 100 seeds, oldest first; no close box, no Escape.
TEST_F(GameLogDialogTest, AFullLogAndNoWayOutButOk) {
  for (int k = 0; k < kLogRecordsPerGame; ++k)
    Record(k) = {static_cast<uint32_t>(1000 + k), 0, kPlayedRecord, 0, 0, 0};
  GameLogDialog dialog(*t.game, nullptr);
  dialog.show();
  const QListWidget* seeds = Control<QListWidget>(dialog, 8003);
  ASSERT_EQ(seeds->count(), 100);
  EXPECT_EQ(seeds->item(0)->text(), "1000");
  EXPECT_EQ(seeds->item(99)->text(), "1099");
  testing::ExpectOnlyItsButtonsClose(dialog);
}

}  // namespace
}  // namespace tarnik
