// The Game and Player Database dialogs: "Game Statistics", "Player
// Statistics", "Select logged game." and "Game Graph", their texts, what
// each control reaches and how each closes. The records' rules are the
// engine's.
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

// The figures of the game in play beside their captions; only OK closes.
TEST_F(StatisticsDialogsTest, GameStatisticsShowsTheGameInPlay) {
  t.Deal(0, 5);
  GameStatisticsDialog dialog(*t.game, nullptr);
  dialog.show();
  ExpectTexts(dialog, {{0, "Game Statistics"},
                       {17005, "Klondike"},
                       {17006, "3"},
                       {17007, "1"},
                       {17008, "2"},
                       {17009, "33"},
                       {-1, "Game Name:"},
                       {-1, "Games played:"},
                       {-1, "Games won:"},
                       {-1, "Games lost:"},
                       {-1, "Win/loss percentage:"}});
  ExpectOnlyItsButtonsClose(dialog);
  Click(dialog, 1);
  EXPECT_FALSE(dialog.isVisible());
}

// Five columns, one row per game in library order (never played: 0 %); a
// header click sorts; the close box and OK close it, Escape does not.
TEST_F(StatisticsDialogsTest, PlayerStatisticsListsEveryGame) {
  PlayerStatisticsDialog dialog(*t.game, BuildPlayerStatistics(*t.game), nullptr);
  dialog.show();
  ExpectTexts(dialog, {{0, "Player Statistics"}, {-1, "Click buttons above columns to sort"}});
  QTreeWidget* list = Control<QTreeWidget>(dialog, 17046);
  const char* titles[] = {"Game Name", "Total", "Won", "Lost", "Percent"};
  ASSERT_EQ(list->columnCount(), 5);
  const QStringList rows[3] = {{"Klondike", "3", "1", "2", "33"},
                               {"aces Up", "2", "2", "0", "100"},
                               {"Bristol", "0", "0", "0", "0"}};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(list->headerItem()->text(c), titles[c]);
    EXPECT_EQ(list->columnWidth(c), c == 0 ? 175 : 50);
    for (int r = 0; r < 3; ++r) EXPECT_EQ(list->topLevelItem(r)->text(c), rows[r][c]);
  }
  EXPECT_EQ(list->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  QHeaderView* header = list->header();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
  for (int r = 0; r < 3; ++r)
    EXPECT_EQ(list->topLevelItem(r)->text(0), QStringList({"Bristol", "aces Up", "Klondike"})[r]);
  EXPECT_EQ(t.game->records.SortToggle, 1u);
  ExpectClosesByOkOrCloseBox(dialog);
}

// Game 0 has three logged deals: seed 4000000000 won with 250 points and
// "Easy.", seed 22 played with 7 points and "Hard.", seed 33 played.
struct GameLogDialogTest : ::testing::Test {
  // Logs the deals and deals seed 22, before the dialog opens.
  bool Prepare() {
    LogRecord* block = t.game->records.PlayerFile[0];
    block[0] = {4000000000u, 0, kWonRecord, 3, 250, 0};
    block[1] = {22, 0, kPlayedRecord, 4, 7, 0};
    block[2] = {33, 0, kPlayedRecord, 0, 0, 0};
    t.Deal(0, 22);
    return true;
  }
  LogRecord& Record(int k) { return t.game->records.PlayerFile[0][k]; }
  GuiGame t{{ColumnsGame("Klondike"), ColumnsGame("Bristol")}};
  bool prepared = Prepare();
  GameLogDialog dialog{*t.game, nullptr};
  QListWidget* seeds = Control<QListWidget>(dialog, 8003);
  QComboBox* comment = Control<QComboBox>(dialog, 7001);
};

// Opening on the deal in play, focus on the game's name; each selected line
// shows its record, touching no comment.
TEST_F(GameLogDialogTest, ShowsTheSelectedRecord) {
  EXPECT_EQ(dialog.windowTitle(), "Select logged game.");
  EXPECT_EQ(dialog.focusWidget(), Control<QLineEdit>(dialog, 5005));
  ASSERT_EQ(seeds->count(), 3);
  EXPECT_EQ(seeds->item(0)->text(), "4000000000");
  EXPECT_EQ(seeds->currentRow(), 1);
  ASSERT_EQ(comment->count(), 13);
  EXPECT_EQ(comment->itemText(12), "My first loss.");
  const std::tuple<const char*, const char*, const char*> lines[] = {
      {"Completed", "250", "Easy."},
      {"Not completed", "7", "Hard."},
      {"Not completed", "0", "No comment."}};
  for (const int row : {1, 0, 2}) {
    seeds->setCurrentRow(row);
    const auto& [state, score, said] = lines[row];
    ExpectTexts(dialog, {{5005, "Klondike"}, {5007, state}, {5012, score}});
    EXPECT_EQ(comment->currentText(), said) << row;
  }
  EXPECT_EQ(Record(0).Comment, 3);
  EXPECT_EQ(Record(1).Comment, 4);
  EXPECT_EQ(Record(2).Comment, 0);
}

// A comment is stored in the selected record at once; only OK closes.
TEST_F(GameLogDialogTest, ACommentIsStoredAtOnce) {
  dialog.show();
  comment->setCurrentIndex(10);
  EXPECT_EQ(Record(1).Comment, 10);
  EXPECT_EQ(Record(0).Comment, 3);
  ExpectOnlyItsButtonsClose(dialog);
  Click(dialog, 1);
  EXPECT_FALSE(dialog.isVisible());
}

// A double click deals that seed again in the game in play and closes.
TEST_F(GameLogDialogTest, DoubleClickDealsTheSeedAgain) {
  dialog.show();
  seeds->setCurrentRow(2);
  DoubleClick(seeds, 2);
  EXPECT_EQ(t.game->CurrentGame, 0);
  EXPECT_EQ(t.Table(), t.DealtTable(0, 33));
  EXPECT_FALSE(dialog.isVisible());
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

// Black or not: unlogged, the grid every 6 pixels across and 24 down; won,
// lost, won: bars at x = 4 … 7, 10 … 13, 16 … 19 up to y = 0, 120, 80.
TEST_F(GameGraphDialogTest, GridAndBarsOfTheRunningWinShare) {
  const struct {
    bool logged;
    int x, y;
    bool black;
  } pixels[] = {{false, 0, 100, true},    {false, 6, 100, true},   {false, 300, 100, true},
                {false, 606, 100, true},  {false, 101, 0, true},   {false, 101, 24, true},
                {false, 101, 120, true},  {false, 101, 240, true}, {false, 5, 239, false},
                {false, 101, 100, false}, {true, 4, 1, true},      {true, 7, 239, true},
                {true, 3, 1, false},      {true, 8, 1, false},     {true, 11, 119, false},
                {true, 10, 120, true},    {true, 13, 239, true},   {true, 17, 79, false},
                {true, 16, 80, true},     {true, 19, 239, true},   {true, 22, 239, false}};
  const QImage empty = Plot({});
  const QImage played = Plot({kWonRecord, kPlayedRecord, kWonRecord});
  ASSERT_EQ(played.size(), QSize(607, 241));
  for (const auto& p : pixels)
    EXPECT_EQ((p.logged ? played : empty).pixelColor(p.x, p.y) == Qt::black, p.black)
        << p.x << "," << p.y;
}

// The texts; Escape leaves it open, OK and the close box give result 1.
TEST_F(GameGraphDialogTest, TextsAndClosing) {
  GameGraphDialog dialog(*t.game, nullptr);
  dialog.show();
  ExpectTexts(dialog, {{0, "Game Graph"},
                       {17018, "Spider"},
                       {-1, "Graph for:"},
                       {-1, "100%"},
                       {-1, "90%"},
                       {-1, "50%"},
                       {-1, "10%"},
                       {-1, "0%"}});
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  Click(dialog, 1);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 1);
  dialog.show();
  dialog.setResult(0);
  EXPECT_TRUE(dialog.close());
  EXPECT_EQ(dialog.result(), 1);
}

}  // namespace
}  // namespace tarnik::testing
