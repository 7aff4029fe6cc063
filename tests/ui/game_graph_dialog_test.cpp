// "Game Graph": the game's name, the scale, the grid and one bar per logged
// deal as drawn, and how it closes.
#include "ui/dialogs/game_graph_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/gui_fixture.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::GuiGame;

struct GameGraphDialogTest : ::testing::Test {
  GameGraphDialogTest() { t.Deal(1, 5); }
  // Logs a deal of the game in play at record k.
  void Log(int k, uint8_t status) {
    t.game->records.PlayerFile[1][k].Game = 1;
    t.game->records.PlayerFile[1][k].Status = status;
  }
  // The plot as drawn.
  static QImage Plot(const GameGraphDialog& dialog) {
    return dialog.findChild<QWidget*>(QStringLiteral("graphPanel"))->grab().toImage();
  }
  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Spider")}};
};

bool Black(const QImage& image, int x, int y) {
  return image.pixelColor(x, y) == Qt::black;
}

// Won, lost, won: bars at x = 4 … 7, 10 … 13 and 16 … 19 reaching up to
// y = 0, 120 and 80 from the bottom line, and nothing after them.
TEST_F(GameGraphDialogTest, BarsShowTheRunningWinShare) {
  Log(0, kWonRecord), Log(1, kPlayedRecord), Log(2, kWonRecord);
  GameGraphDialog dialog(*t.game, nullptr);
  const QImage plot = Plot(dialog);
  ASSERT_EQ(plot.size(), QSize(607, 241));
  EXPECT_TRUE(Black(plot, 4, 1) && Black(plot, 7, 239));
  EXPECT_FALSE(Black(plot, 3, 1) || Black(plot, 8, 1));
  EXPECT_FALSE(Black(plot, 11, 119));
  EXPECT_TRUE(Black(plot, 10, 120) && Black(plot, 13, 239));
  EXPECT_FALSE(Black(plot, 17, 79));
  EXPECT_TRUE(Black(plot, 16, 80) && Black(plot, 19, 239));
  EXPECT_FALSE(Black(plot, 22, 239));
}

// No logged deal: only the grid, every 6 pixels across and 24 down.
TEST_F(GameGraphDialogTest, EmptyLogDrawsOnlyTheGrid) {
  GameGraphDialog dialog(*t.game, nullptr);
  const QImage plot = Plot(dialog);
  for (int x : {0, 6, 300, 606}) EXPECT_TRUE(Black(plot, x, 100)) << x;
  for (int y : {0, 24, 120, 240}) EXPECT_TRUE(Black(plot, 101, y)) << y;
  EXPECT_FALSE(Black(plot, 5, 239));
  EXPECT_FALSE(Black(plot, 101, 100));
}

// The caption, the game's name after "Graph for:", the scale from "100%" to
// "0%"; Escape leaves it open, OK and the close box close it with result 1.
TEST_F(GameGraphDialogTest, TextsAndClosing) {
  GameGraphDialog dialog(*t.game, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Game Graph");
  EXPECT_EQ(Control<QLabel>(dialog, 17018)->text(), "Spider");
  QStringList labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  for (const char* text : {"Graph for:", "100%", "90%", "50%", "10%", "0%"})
    EXPECT_TRUE(labels.contains(text)) << text;
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 1);
  dialog.show();
  dialog.setResult(0);
  EXPECT_TRUE(dialog.close());
  EXPECT_EQ(dialog.result(), 1);
}

}  // namespace
}  // namespace tarnik
