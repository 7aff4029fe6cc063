// "Game Statistics" and "Player Statistics": the figures from the player's
// log, the list's columns, the header clicks that sort by turns, and which
// of the two a close box closes.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "engine/records/statistics.h"
#include "support/gui_fixture.h"
#include "ui/dialogs/game_statistics_dialog.h"
#include "ui/dialogs/player_statistics_dialog.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::GuiGame;

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

QString Text(const QDialog& dialog, int id) {
  return Control<QLabel>(dialog, id)->text();
}

// The figures of the game in play beside their captions; only OK closes.
TEST_F(StatisticsDialogsTest, GameStatisticsShowsTheGameInPlay) {
  t.Deal(0, 5);
  GameStatisticsDialog dialog(*t.game, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Game Statistics");
  EXPECT_EQ(Text(dialog, 17005), "Klondike");
  EXPECT_EQ(Text(dialog, 17006), "3");
  EXPECT_EQ(Text(dialog, 17007), "1");
  EXPECT_EQ(Text(dialog, 17008), "2");
  EXPECT_EQ(Text(dialog, 17009), "33");
  QStringList labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  for (const char* caption :
       {"Game Name:", "Games played:", "Games won:", "Games lost:", "Win/loss percentage:"})
    EXPECT_TRUE(labels.contains(caption)) << caption;
  testing::ExpectOnlyItsButtonsClose(dialog);
  Control<QPushButton>(dialog, 1)->click();
  EXPECT_FALSE(dialog.isVisible());
}

// The names of the list's items from top to bottom.
QStringList Names(const QTreeWidget& list) {
  QStringList names;
  for (int i = 0; i < list.topLevelItemCount(); ++i) names << list.topLevelItem(i)->text(0);
  return names;
}

// Clicks the header of column c.
void ClickHeader(QTreeWidget& list, int c) {
  QHeaderView* header = list.header();
  const QPoint middle(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                      header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

// Five columns with their titles, widths and alignment; one row per game in
// library order with its figures, a game never played at 0 percent.
TEST_F(StatisticsDialogsTest, PlayerStatisticsListsEveryGameInLibraryOrder) {
  PlayerStatisticsDialog dialog(*t.game, BuildPlayerStatistics(*t.game), nullptr);
  EXPECT_EQ(dialog.windowTitle(), "Player Statistics");
  QTreeWidget* list = Control<QTreeWidget>(dialog, 17046);
  const QTreeWidgetItem* header = list->headerItem();
  const char* titles[] = {"Game Name", "Total", "Won", "Lost", "Percent"};
  ASSERT_EQ(list->columnCount(), 5);
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(header->text(c), titles[c]);
    EXPECT_EQ(list->columnWidth(c), c == 0 ? 175 : 50);
  }
  EXPECT_EQ(Names(*list), QStringList({"Klondike", "aces Up", "Bristol"}));
  const QTreeWidgetItem* klondike = list->topLevelItem(0);
  EXPECT_EQ(klondike->text(1), "3");
  EXPECT_EQ(klondike->text(2), "1");
  EXPECT_EQ(klondike->text(3), "2");
  EXPECT_EQ(klondike->text(4), "33");
  EXPECT_EQ(klondike->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(list->topLevelItem(1)->text(4), "100");
  EXPECT_EQ(list->topLevelItem(2)->text(1), "0");
  EXPECT_EQ(list->topLevelItem(2)->text(4), "0");
  QStringList labels;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains("Click buttons above columns to sort"));
}

// Header clicks sort ascending, then descending, by turns whatever the
// column, and the turn carries over into the next opening; names ignore
// letter case.
TEST_F(StatisticsDialogsTest, HeaderClicksSortByTurnsAcrossOpenings) {
  {
    PlayerStatisticsDialog dialog(*t.game, BuildPlayerStatistics(*t.game), nullptr);
    dialog.show();
    QTreeWidget* list = Control<QTreeWidget>(dialog, 17046);
    ClickHeader(*list, 1);
    EXPECT_EQ(Names(*list), QStringList({"Bristol", "aces Up", "Klondike"}));
    ClickHeader(*list, 0);
    EXPECT_EQ(Names(*list), QStringList({"Klondike", "Bristol", "aces Up"}));
  }
  PlayerStatisticsDialog again(*t.game, BuildPlayerStatistics(*t.game), nullptr);
  again.show();
  QTreeWidget* list = Control<QTreeWidget>(again, 17046);
  ClickHeader(*list, 4);
  EXPECT_EQ(Names(*list), QStringList({"Bristol", "Klondike", "aces Up"}));
  ClickHeader(*list, 4);
  EXPECT_EQ(Names(*list), QStringList({"aces Up", "Klondike", "Bristol"}));
  EXPECT_EQ(t.game->records.SortToggle, 4u);
}

// Escape leaves Player Statistics open; its close box and OK close it.
TEST_F(StatisticsDialogsTest, PlayerStatisticsClosesByOkOrCloseBox) {
  PlayerStatisticsDialog dialog(*t.game, BuildPlayerStatistics(*t.game), nullptr);
  dialog.show();
  testing::ExpectClosesByOkOrCloseBox(dialog);
}

}  // namespace
}  // namespace tarnik
