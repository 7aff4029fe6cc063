// The Game and Player Database dialogs; the records' rules are the engine's.
#include "engine/records/statistics.h"
#include "ui/dialogs/game_graph_dialog.h"
#include "ui/dialogs/game_log_dialog.h"
#include "ui/dialogs/game_statistics_dialog.h"
#include "ui/dialogs/player_statistics_dialog.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// Three games: Klondike won once in three plays (one of them with an odd
// status), "aces Up" won both times, Bristol never played.
struct StatisticsDialogsTest : ::testing::Test {
  StatisticsDialogsTest() {
    LogRecord* klondike = t.game->records.PlayerFile[0];
    klondike[0].Status = kWonRecord, klondike[1].Status = kPlayedRecord, klondike[2].Status = 7;
    LogRecord* acesUp = t.game->records.PlayerFile[1];
    acesUp[0].Status = kWonRecord, acesUp[1].Status = kWonRecord;
  }
  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("aces Up"), ColumnsGame("Bristol")}};
};

// "Game Statistics": the figures of the game in play beside their captions,
// only OK closing. "Player Statistics": one row per game in library order
// (never played: 0 %); a header click sorts; OK and the close box close it.
TEST_F(StatisticsDialogsTest, GameAndPlayerStatistics) {
  t.Deal(0, 5);
  GameStatisticsDialog game(*t.game, nullptr);
  game.show();
  ExpectTexts(game, {{0, "Game Statistics"}, {17005, "Klondike"}, {17006, "3"}, {17007, "1"},
                     {17008, "2"}, {17009, "33"}, {-1, "Game Name:"}, {-1, "Games played:"},
                     {-1, "Games won:"}, {-1, "Games lost:"}, {-1, "Win/loss percentage:"}});
  ExpectOnlyItsButtonsClose(game);
  Click(game, 1);
  EXPECT_FALSE(game.isVisible());
  PlayerStatisticsDialog dialog(*t.game, BuildPlayerStatistics(*t.game), nullptr);
  dialog.show();
  ExpectTexts(dialog, {{0, "Player Statistics"}, {-1, "Click buttons above columns to sort"}});
  QTreeWidget* list = Control<QTreeWidget>(dialog, 17046);
  EXPECT_EQ(TreeRows(*list), QStringList({"Game Name,Total,Won,Lost,Percent", "Klondike,3,1,2,33",
                                           "aces Up,2,2,0,100", "Bristol,0,0,0,0"}));
  for (int c = 0; c < 5; ++c) EXPECT_EQ(list->columnWidth(c), c == 0 ? 175 : 50);
  EXPECT_EQ(list->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  QHeaderView* header = list->header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
  EXPECT_EQ(TreeRows(*list).mid(1),
            QStringList({"Bristol,0,0,0,0", "aces Up,2,2,0,100", "Klondike,3,1,2,33"}));
  EXPECT_EQ(t.game->records.SortToggle, 1u);
  ExpectClosesByOkOrCloseBox(dialog);
}

// The log dialog shows the selected record, stores a comment at once and deals a
// double-clicked seed; its rules (opening on the deal in play…) are the engine's.
TEST(GameLogDialog, ShowsTheSelectedRecordStoresCommentsAndDealsASeed) {
  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Bristol")}};
  LogRecord* block = t.game->records.PlayerFile[0];
  block[0] = {4000000000u, 0, kWonRecord, 3, 250, 0};
  block[1] = {22, 0, kPlayedRecord, 4, 7, 0};
  block[2] = {33, 0, kPlayedRecord, 0, 0, 0};
  t.Deal(0, 22);
  GameLogDialog dialog{*t.game, nullptr};
  QListWidget* seeds = Control<QListWidget>(dialog, 8003);
  QComboBox* comment = Control<QComboBox>(dialog, 7001);
  EXPECT_EQ(dialog.windowTitle(), "Select logged game.");
  EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, 5005));
  EXPECT_EQ(std::tuple(seeds->count(), seeds->currentRow(), comment->count(),
                       comment->currentText()), std::tuple(3, 1, 13, "Hard."));
  seeds->setCurrentRow(0);
  ExpectTexts(dialog, {{5005, "Klondike"}, {5007, "Completed"}, {5012, "250"}});
  EXPECT_EQ(seeds->item(0)->text() + " " + comment->currentText(), "4000000000 Easy.");
  dialog.show();
  comment->setCurrentIndex(10);
  EXPECT_EQ(block[0].Comment * 100 + block[1].Comment, 1004);
  ExpectOnlyItsButtonsClose(dialog);
  seeds->setCurrentRow(2);
  DoubleClick(seeds, 2);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(t.Table(), t.DealtTable(0, 33));
}

struct GameGraphDialogTest : ::testing::Test {
  GameGraphDialogTest() { t.Deal(1, 5); }
  // The plot as drawn, after logging deals of the game in play.
  QImage Plot(std::initializer_list<uint8_t> statuses) {
    int k = 0;
    for (uint8_t status : statuses)
      t.game->records.PlayerFile[1][k].Game = 1, t.game->records.PlayerFile[1][k++].Status = status;
    GameGraphDialog dialog(*t.game, nullptr);
    return dialog.findChild<QWidget*>(QStringLiteral("graphPanel"))->grab().toImage();
  }
  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Spider")}};
};

// Black or not: the grid every 6 pixels across and 24 down; won, lost, won: bars at
// x = 4 … 7, 10 … 13, 16 … 19 up to y = 0, 120, 80. Escape leaves it open.
TEST_F(GameGraphDialogTest, GridAndBarsOfTheRunningWinShare) {
  const struct { bool logged; int x, y; bool black; } pixels[] = {
      {false, 0, 100, true}, {false, 6, 100, true}, {false, 300, 100, true},
      {false, 606, 100, true}, {false, 101, 0, true}, {false, 101, 24, true},
      {false, 101, 120, true}, {false, 101, 240, true}, {false, 5, 239, false},
      {false, 101, 100, false}, {true, 4, 1, true}, {true, 7, 239, true}, {true, 3, 1, false},
      {true, 8, 1, false}, {true, 11, 119, false}, {true, 10, 120, true}, {true, 13, 239, true},
      {true, 17, 79, false}, {true, 16, 80, true}, {true, 19, 239, true}, {true, 22, 239, false}};
  const QImage empty = Plot({});
  const QImage played = Plot({kWonRecord, kPlayedRecord, kWonRecord});
  ASSERT_EQ(played.size(), QSize(607, 241));
  for (const auto& p : pixels)
    EXPECT_EQ((p.logged ? played : empty).pixelColor(p.x, p.y) == Qt::black, p.black)
        << p.x << "," << p.y;
  GameGraphDialog dialog(*t.game, nullptr);
  dialog.show();
  ExpectTexts(dialog, {{0, "Game Graph"}, {17018, "Spider"}, {-1, "Graph for:"}, {-1, "100%"},
                       {-1, "90%"}, {-1, "50%"}, {-1, "10%"}, {-1, "0%"}});
  ExpectClosesByOkOrCloseBox(dialog);  // OK and the close box give result 1
  EXPECT_EQ(dialog.result(), 1);
  dialog.show();
  dialog.setResult(0);
  EXPECT_TRUE(dialog.close() && dialog.result() == 1);
}

}  // namespace
}  // namespace tarnik::testing
