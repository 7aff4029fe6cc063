// The main window: texts, keys and commands, accessibility, closing, start-up.
#include "ui/window/main_window.h"

#include "engine/cards/pile_ops.h"
#include "engine/play/pointer.h"
#include "engine/records/memory_preferences.h"
#include "engine/shell/pile_description.h"
#include "ui/window/start_up.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// A menu's items as text, "-" for a separator.
QStringList Items(const QMenu& menu) {
  QStringList items;
  for (const QAction* a : menu.actions()) items << (a->isSeparator() ? "-" : a->text());
  return items;
}

struct MainWindowTest : ::testing::Test {
  MainWindowTest() {
    t.game->display = &window.Table();
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  GuiGame t{{ColumnsGame("Columns"), ColumnsGame("Beta"), ColumnsGame("Alpha")}};
  MemoryPreferenceStore store;
  MainWindow window{*t.game, SharedArt(), store};
};

// Title, 800 × 600 at least, toolbar tooltips, menus ("&Help" at the right, only
// "Back to Previous Game" disabled), the status line's seven parts.
TEST_F(MainWindowTest, TitleToolbarMenusAndStatusLine) {
  EXPECT_EQ(window.windowTitle(), "Tarnik Solitaire 2000");
  window.resize(500, 400);
  QTest::qWait(20);
  EXPECT_EQ(window.size().expandedTo(QSize(800, 600)), window.size());
  QStringList entries;
  for (const QAction* a : Control<QToolBar>(window, 15002)->actions()) {
    entries << (a->isSeparator() ? "-" : a->objectName() + " " + a->toolTip());
    EXPECT_TRUE(a->isEnabled()) << entries.last().toStdString();
  }
  EXPECT_EQ(entries.join('|'),
            "id1204 Select a game|id1000 Open Saved Game|id1001 Save Game|-|id1200 Restart This "
            "Game|id1201 Previous Game|id1202 Next game|-|id1101 Previous Shuffle|id1102 Next "
            "shuffle|-|id16002 Undo|id16003 Redo|-|id16005 Step|id16004 Autoplay|id1403 Hint|-|"
            "id1305 Preferences|id1700 Rules|-|id1003 Exit Tarnik");
  QMenuBar* bar = window.menuBar();
  QStringList menus;
  for (const QAction* popup : bar->actions()) {
    menus << popup->text() + ": " + Items(*popup->menu()).join('|');
    for (const QAction* item : popup->menu()->actions())
      EXPECT_EQ(item->isEnabled(), !item->text().startsWith("Back to Previous Game"));
  }
  EXPECT_EQ(menus, QStringList({
      "File: Open Saved Game...|Save Game...|Save Game As...|-|Exit",
      "Edit: Undo\tCtrl+Z|Redo\tCtrl+A|Autoplay\tA|Step\tS|&Hint\tH|-|Select Undo/Redo "
      "position...|Store Snap Shot|Restore Snap Shot|-|Back to Previous Game\tB",
      "Options: Show All Cards|Card Counter...|-|General Preferences...|Customize Favorites...",
      "Game Selection: Select Game...|Favorite Games...|Restart Game|Random Game|Previous "
      "Game|Next Game",
      "Shuffle: Random Shuffle\tN|Select Shuffle...|Previous Shuffle|Next Shuffle|-|Is this "
      "deal winnable?",
      "Player Database: Open/Create Player...|Player Statistics...|Clear Player Statistics",
      "Game Database: Game Graph...|Game Database...|Game Statistics...|Clear Game Statistics",
      "Tournament: Tournament Manager...|-|Next Tournament Game|Prev Tournament Game"}));
  auto* corner = qobject_cast<QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner));
  ASSERT_TRUE(corner && corner->actions().size() == 1);
  EXPECT_EQ(corner->actions()[0]->text() + ": " + Items(*corner->actions()[0]->menu()).join('|'),
            "&Help: Rules...|Contents...|About...");
  EXPECT_GT(corner->geometry().left(), bar->actionGeometry(bar->actions().last()).right());
  EXPECT_GE(corner->geometry().right(), bar->width() - 8);
  EXPECT_EQ(window.statusBar()->objectName(), "id44444");
  const int edges[7] = {140, 230, 280, 350, 460, 550, window.width() - 8};
  for (int i = 0; i < 7; ++i) {
    auto* part = window.statusBar()->findChild<QLabel*>(QStringLiteral("status%1").arg(i));
    ASSERT_TRUE(part && part->isVisible()) << i;
    const int right = part->geometry().right() + 1;
    EXPECT_TRUE(i < 6 ? right == edges[i] : right >= edges[i]) << i << ": " << right;
  }
}

// Keys reach the shell (a letter only without modifiers; Ctrl+Z never sorts); Show
// All Cards' check mark follows the switch, also when a drag refuses it.
TEST_F(MainWindowTest, KeysAndCommandsReachTheShell) {
  t.Deal(1, 50);
  // The seed -1: a new random one; N itself is the end-to-end window test's.
  const struct { Qt::Key key; Qt::KeyboardModifiers mods; int game; int64_t seed; const char* top; }
  keys[] = {{Qt::Key_Up, {}, 1, 51, "Columns"}, {Qt::Key_N, Qt::ShiftModifier, 1, 51, "Columns"},
            {Qt::Key_Right, {}, 2, -1, "Columns"},
            {Qt::Key_Z, Qt::ControlModifier, 2, -1, "Columns"},
            {Qt::Key_Z, Qt::ShiftModifier, 0, -1, "Alpha"}};
  for (const auto& k : keys) {
    QTest::keyClick(&window, k.key, k.mods);
    EXPECT_EQ(t.game->CurrentGame, k.game) << k.key;
    EXPECT_TRUE(k.seed < 0 ? t.game->CurrentSeed != 51u : t.game->CurrentSeed == k.seed) << k.key;
    EXPECT_STREQ(t.game->library.GameNames[0], k.top) << k.key;
  }
  QTest::keyClick(&window, Qt::Key_E);
  QTest::keyClick(&window, Qt::Key_O);
  EXPECT_TRUE(t.game->EditMode && t.game->ShowPileNumbers);
  QTest::keyClick(&window, Qt::Key_E);
  QAction* item = ActionNamed(window, "Show All Cards");
  ASSERT_TRUE(item && item->isCheckable());
  const Card& top = *t.game->PileTable[0].TopCard;
  for (const bool dragging : {false, true}) {
    if (dragging) PointerDown(*t.game, int16_t(top.X + 32), int16_t(top.Y + 40));
    item->trigger();
    EXPECT_TRUE(t.game->ShowAllCards && item->isChecked()) << dragging;
  }
  PointerUp(*t.game);
}

// To a screen reader: "Card table" with the piles as children, the focused one
// named as on the rules page and described. Closing writes no preference,
// keeping the rectangle for the exit, which writes the records first.
TEST_F(MainWindowTest, FocusedPileIsDescribedAndClosingWritesNoPreference) {
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.Table());
  ASSERT_TRUE(table && !table->focusChild());
  EXPECT_EQ(table->text(QAccessible::Name), "Card table");
  EXPECT_EQ(table->childCount(), CountPiles(t.game->PileTable));
  QTest::keyClick(&window, Qt::Key_Tab);
  QTest::keyClick(&window, Qt::Key_Tab);
  QAccessibleInterface* pile = table->focusChild();
  ASSERT_TRUE(pile && pile->state().focused);
  const Card& top = *t.game->PileTable[1].TopCard;
  EXPECT_EQ(pile->text(QAccessible::Name) + ": " + pile->text(QAccessible::Description),
            QString("Pile 2: 5 cards, top card %1 of %2")
                .arg(kRankNames[Rank(top.Value)], kSuitNames[Suit(top.Value)]));
  window.resize(900, 700);
  QTest::qWait(20);
  ASSERT_TRUE(window.close());
  EXPECT_TRUE(store.Closes() == 0 && store.Values().empty());
  const Preferences& p = t.game->prefs;
  EXPECT_EQ(QSize(p.WindowRight - p.WindowLeft, p.WindowBottom - p.WindowTop),
            window.geometry().size());
}

// Start-up lays its first deal out in the real client area: the win drifts
// do not come from the 800 × 526 the table has before it is shown.
TEST(StartUp, TheFirstDealIsLaidOutInTheWindowsRealClientArea) {
  GuiGame t{{ColumnsGame("Columns")}};
  SharedArt();                    // read from the data folder before leaving it
  t.game->prefs.TableZoom = 100;  // the logical client is the real one
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(t.dir.File("")));  // no records: a fresh deal
  MemoryPreferenceStore store;
  MainWindow window(*t.game, SharedArt(), store);
  t.game->display = &window.Table();
  window.resize(1280, 960);  // as a stored window rectangle does
  ShowAndLoadRecords(window, *t.game, 1234);
  QTest::qWait(20);
  QDir::setCurrent(before);
  const QSize client = window.Table().size();
  ASSERT_TRUE(client.width() > 1000 && t.game->client.Width == client.width());
  for (int32_t i = 0; i < CountPiles(t.game->PileTable); ++i) {
    const Pile& p = t.game->PileTable[i];
    EXPECT_EQ(p.DriftX, p.Left / (client.width() >> 4) - 7) << "pile " << i;
    EXPECT_EQ(p.DriftY, p.Top / (client.height() >> 4) - 7) << "pile " << i;
  }
}

}  // namespace
}  // namespace tarnik::testing
