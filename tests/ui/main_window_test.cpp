// The main window: its texts (title, toolbar, menus, status line), the
// commands and keys reaching the shell, accessibility, closing and start-up.
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

// The title, and a window that cannot be made smaller than 800 × 600.
TEST_F(MainWindowTest, TitleAndSmallestSize) {
  EXPECT_EQ(window.windowTitle(), "Tarnik Solitaire 2000");
  window.resize(500, 400);
  QTest::qWait(20);
  EXPECT_EQ(window.size().expandedTo(QSize(800, 600)), window.size());
}

// 22 entries in place order with their tooltips (0: a separator), enabled.
TEST_F(MainWindowTest, ToolbarHasItsEntriesAndTooltips) {
  const QList<QAction*> actions = Control<QToolBar>(window, 15002)->actions();
  const std::pair<int, const char*> entries[22] = {{1204, "Select a game"},
                                                   {1000, "Open Saved Game"},
                                                   {1001, "Save Game"},
                                                   {0, ""},
                                                   {1200, "Restart This Game"},
                                                   {1201, "Previous Game"},
                                                   {1202, "Next game"},
                                                   {0, ""},
                                                   {1101, "Previous Shuffle"},
                                                   {1102, "Next shuffle"},
                                                   {0, ""},
                                                   {16002, "Undo"},
                                                   {16003, "Redo"},
                                                   {0, ""},
                                                   {16005, "Step"},
                                                   {16004, "Autoplay"},
                                                   {1403, "Hint"},
                                                   {0, ""},
                                                   {1305, "Preferences"},
                                                   {1700, "Rules"},
                                                   {0, ""},
                                                   {1003, "Exit Tarnik"}};
  ASSERT_EQ(actions.size(), 22);
  for (int i = 0; i < 22; ++i) {
    const auto [command, tooltip] = entries[i];
    EXPECT_EQ(actions[i]->isSeparator(), command == 0) << i;
    EXPECT_TRUE(actions[i]->isEnabled()) << i;
    if (command == 0) continue;
    EXPECT_EQ(actions[i]->objectName(), QStringLiteral("id%1").arg(command));
    EXPECT_EQ(actions[i]->toolTip(), tooltip);
  }
}

// Every menu and item in order, "&Help" at the right end; all enabled but
// "Back to Previous Game", with nothing to go back to yet.
TEST_F(MainWindowTest, MenusHoldEveryItemInOrder) {
  QMenuBar* bar = window.menuBar();
  const std::pair<const char*, QStringList> menus[] = {
      {"File", {"Open Saved Game...", "Save Game...", "Save Game As...", "-", "Exit"}},
      {"Edit",
       {"Undo\tCtrl+Z", "Redo\tCtrl+A", "Autoplay\tA", "Step\tS", "&Hint\tH", "-",
        "Select Undo/Redo position...", "Store Snap Shot", "Restore Snap Shot", "-",
        "Back to Previous Game\tB"}},
      {"Options",
       {"Show All Cards", "Card Counter...", "-", "General Preferences...",
        "Customize Favorites..."}},
      {"Game Selection",
       {"Select Game...", "Favorite Games...", "Restart Game", "Random Game", "Previous Game",
        "Next Game"}},
      {"Shuffle",
       {"Random Shuffle\tN", "Select Shuffle...", "Previous Shuffle", "Next Shuffle", "-",
        "Is this deal winnable?"}},
      {"Player Database",
       {"Open/Create Player...", "Player Statistics...", "Clear Player Statistics"}},
      {"Game Database",
       {"Game Graph...", "Game Database...", "Game Statistics...", "Clear Game Statistics"}},
      {"Tournament",
       {"Tournament Manager...", "-", "Next Tournament Game", "Prev Tournament Game"}}};
  const QList<QAction*> popups = bar->actions();
  ASSERT_EQ(popups.size(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(popups[i]->text(), menus[i].first);
    EXPECT_EQ(Items(*popups[i]->menu()), menus[i].second);
    for (const QAction* item : popups[i]->menu()->actions())
      EXPECT_EQ(item->isEnabled(), !item->text().startsWith("Back to Previous Game"));
  }
  auto* corner = qobject_cast<QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner));
  ASSERT_TRUE(corner && corner->actions().size() == 1);
  EXPECT_EQ(corner->actions()[0]->text(), "&Help");
  EXPECT_EQ(Items(*corner->actions()[0]->menu()),
            (QStringList{"Rules...", "Contents...", "About..."}));
  EXPECT_GT(corner->geometry().left(), bar->actionGeometry(popups.last()).right());
  EXPECT_GE(corner->geometry().right(), bar->width() - 8);
}

// Seven parts with right edges at 140 … 550 pixels; the last reaches the end.
TEST_F(MainWindowTest, StatusLineHasSevenParts) {
  QStatusBar* bar = window.statusBar();
  EXPECT_EQ(bar->objectName(), "id44444");
  const int edges[7] = {140, 230, 280, 350, 460, 550, window.width() - 8};
  for (int i = 0; i < 7; ++i) {
    auto* part = bar->findChild<QLabel*>(QStringLiteral("status%1").arg(i));
    ASSERT_TRUE(part && part->isVisible()) << i;
    const int right = part->geometry().right() + 1;
    EXPECT_TRUE(i < 6 ? right == edges[i] : right >= edges[i]) << i << ": " << right;
  }
}

// The check mark of Show All Cards follows the switch, also when a drag
// refuses the command.
TEST_F(MainWindowTest, ShowAllCardsCheckMarkFollowsTheSwitch) {
  QAction* item = ActionNamed(window, "Show All Cards");
  ASSERT_TRUE(item && item->isCheckable() && !item->isChecked());
  const Card& top = *t.game->PileTable[0].TopCard;
  for (const bool dragging : {false, true, false}) {
    if (dragging) PointerDown(*t.game, int16_t(top.X + 32), int16_t(top.Y + 40));
    const bool before = t.game->ShowAllCards;
    item->trigger();
    EXPECT_EQ(t.game->ShowAllCards, dragging ? before : !before);
    EXPECT_EQ(item->isChecked(), t.game->ShowAllCards);
    if (dragging) PointerUp(*t.game);
  }
}

// Arrows step seeds and games; a letter fires only without modifiers; Ctrl+Z
// is Undo and never sorts the library, Shift+Z does; E and O switch.
TEST_F(MainWindowTest, KeysReachTheShell) {
  t.Deal(1, 50);
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int game;
    int64_t seed;  // -1: a new random one
    const char* first;
  } keys[] = {{Qt::Key_Up, {}, 1, 51, "Columns"},
              {Qt::Key_Down, {}, 1, 50, "Columns"},
              {Qt::Key_N, Qt::ShiftModifier, 1, 50, "Columns"},
              {Qt::Key_N, {}, 1, -1, "Columns"},
              {Qt::Key_Right, {}, 2, -1, "Columns"},
              {Qt::Key_Z, Qt::ControlModifier, 2, -1, "Columns"},
              {Qt::Key_Z, Qt::ShiftModifier, 0, -1, "Alpha"}};
  for (const auto& k : keys) {
    QTest::keyClick(&window, k.key, k.mods);
    EXPECT_EQ(t.game->CurrentGame, k.game) << k.key;
    EXPECT_TRUE(k.seed < 0 ? t.game->CurrentSeed != 50u : t.game->CurrentSeed == k.seed) << k.key;
    EXPECT_STREQ(t.game->library.GameNames[0], k.first) << k.key;
  }
  QTest::keyClick(&window, Qt::Key_E);
  EXPECT_TRUE(t.game->EditMode);
  QTest::keyClick(&window, Qt::Key_O);
  EXPECT_TRUE(t.game->ShowPileNumbers);
}

// To a screen reader: "Card table" with the piles as children, the focused
// one named as on the rules page and described by its count and top card.
TEST_F(MainWindowTest, FocusedPileIsNamedAndDescribed) {
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window.Table());
  ASSERT_TRUE(table);
  EXPECT_EQ(table->text(QAccessible::Name), "Card table");
  EXPECT_EQ(table->childCount(), CountPiles(t.game->PileTable));
  EXPECT_EQ(table->focusChild(), nullptr);
  QTest::keyClick(&window, Qt::Key_Tab);
  QTest::keyClick(&window, Qt::Key_Tab);
  QAccessibleInterface* pile = table->focusChild();
  ASSERT_TRUE(pile && pile->state().focused);
  EXPECT_EQ(pile->text(QAccessible::Name), "Pile 2");
  const Card& top = *t.game->PileTable[1].TopCard;
  EXPECT_EQ(pile->text(QAccessible::Description).toStdString(),
            "5 cards, top card " + std::string(kRankNames[Rank(top.Value)]) + " of " +
                kSuitNames[Suit(top.Value)]);
}

// Closing writes no preference, keeping the rectangle for the exit, which
// writes the records first: a slow settings file never holds them up.
TEST_F(MainWindowTest, ClosingKeepsTheRectangleAndWritesNoPreference) {
  window.resize(900, 700);
  QTest::qWait(20);
  ASSERT_TRUE(window.close());
  EXPECT_EQ(store.Closes(), 0);
  EXPECT_TRUE(store.Values().empty());
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
