// The main window: its title and smallest size, the toolbar with its
// tooltips, every menu text in order, the seven parts of the status line,
// the Show All Cards check mark and the keys.
#include "ui/window/main_window.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "engine/cards/pile_ops.h"
#include "engine/play/pointer.h"
#include "engine/records/memory_preferences.h"
#include "engine/shell/command_ids.h"
#include "support/gui_fixture.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;

struct MainWindowTest : ::testing::Test {
  MainWindowTest() {
    t.game->display = &window.Table();
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // A menu's items as text, "-" for a separator.
  static QStringList Items(const QMenu& menu) {
    QStringList items;
    for (const QAction* a : menu.actions()) items << (a->isSeparator() ? "-" : a->text());
    return items;
  }
  QAction* MenuItem(const QString& text) {
    for (QAction* a : window.findChildren<QAction*>())
      if (a->text() == text) return a;
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
  }

  testing::GuiGame t{{ColumnsGame("Columns"), ColumnsGame("Beta"), ColumnsGame("Alpha")}};
  MemoryPreferenceStore store;
  MainWindow window{*t.game, testing::SharedArt(), store};
};

// The title, and a window that cannot be made smaller than 800 × 600.
TEST_F(MainWindowTest, TitleAndSmallestSize) {
  EXPECT_EQ(window.windowTitle(), "Tarnik Solitaire 2000");
  EXPECT_EQ(window.minimumSize(), QSize(800, 600));
  window.resize(500, 400);
  QTest::qWait(20);
  EXPECT_GE(window.width(), 800);
  EXPECT_GE(window.height(), 600);
}

// 22 entries: the commands in place order with their tooltips, separators
// at 3, 7, 10, 13, 17 and 20, none disabled; Hint follows Autoplay.
TEST_F(MainWindowTest, ToolbarHasItsEntriesAndTooltips) {
  auto* toolbar = Control<QToolBar>(window, 15002);
  ASSERT_TRUE(toolbar);
  const QList<QAction*> actions = toolbar->actions();
  ASSERT_EQ(actions.size(), 22);
  const struct {
    int command;
    const char* tooltip;
  } entries[22] = {{1204, "Select a game"},
                   {1000, "Open Saved Game"},
                   {1001, "Save Game"},
                   {-1, nullptr},
                   {1200, "Restart This Game"},
                   {1201, "Previous Game"},
                   {1202, "Next game"},
                   {-1, nullptr},
                   {1101, "Previous Shuffle"},
                   {1102, "Next shuffle"},
                   {-1, nullptr},
                   {16002, "Undo"},
                   {16003, "Redo"},
                   {-1, nullptr},
                   {16005, "Step"},
                   {16004, "Autoplay"},
                   {1403, "Hint"},
                   {-1, nullptr},
                   {1305, "Preferences"},
                   {1700, "Rules"},  // a decision: the string table has none
                   {-1, nullptr},
                   {1003, "Exit Tarnik"}};
  for (int i = 0; i < 22; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(actions[i]->isSeparator(), entries[i].command < 0);
    EXPECT_TRUE(actions[i]->isEnabled());
    if (entries[i].command < 0) continue;
    EXPECT_EQ(actions[i]->objectName(), QStringLiteral("id%1").arg(entries[i].command));
    if (entries[i].tooltip) {
      EXPECT_EQ(actions[i]->toolTip(), entries[i].tooltip);
    }
  }
}

// Every popup and item of the menu in order, "&Help" at the right end.
TEST_F(MainWindowTest, MenusHoldEveryItemInOrder) {
  QMenuBar* bar = window.menuBar();
  const struct {
    const char* title;
    QStringList items;
  } menus[] = {
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
       {"Tournament Manager...", "-", "Next Tournament Game", "Prev Tournament Game"}},
  };
  const QList<QAction*> popups = bar->actions();
  ASSERT_EQ(popups.size(), 8);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(menus[i].title);
    EXPECT_EQ(popups[i]->text(), menus[i].title);
    ASSERT_TRUE(popups[i]->menu());
    EXPECT_EQ(Items(*popups[i]->menu()), menus[i].items);
    for (const QAction* item : popups[i]->menu()->actions())  // nothing to go back to yet
      EXPECT_EQ(item->isEnabled(), !item->text().startsWith("Back to Previous Game"));
  }
  auto* corner = qobject_cast<QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner));
  ASSERT_TRUE(corner);
  ASSERT_EQ(corner->actions().size(), 1);
  EXPECT_EQ(corner->actions()[0]->text(), "&Help");
  EXPECT_EQ(Items(*corner->actions()[0]->menu()),
            (QStringList{"Rules...", "Contents...", "About..."}));
  const int lastLeft = bar->actionGeometry(popups.last()).right();
  EXPECT_GT(corner->geometry().left(), lastLeft);
  EXPECT_GE(corner->geometry().right(), bar->width() - 8);
}

// Seven parts whose right edges lie 140, 230, 280, 350, 460 and 550 pixels
// from the left; the last reaches to the right.
TEST_F(MainWindowTest, StatusLineHasSevenParts) {
  QStatusBar* bar = window.statusBar();
  EXPECT_EQ(bar->objectName(), "id44444");
  const int edges[6] = {140, 230, 280, 350, 460, 550};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    auto* part = bar->findChild<QLabel*>(QStringLiteral("status%1").arg(i));
    ASSERT_TRUE(part);
    EXPECT_TRUE(part->isVisible());
    if (i < 6)
      EXPECT_EQ(part->geometry().right() + 1, edges[i]);
    else
      EXPECT_GE(part->geometry().right() + 1, window.width() - 8);
  }
}

// The check mark of Show All Cards follows the switch, also when the
// command is refused because cards are being dragged.
TEST_F(MainWindowTest, ShowAllCardsCheckMarkFollowsTheSwitch) {
  QAction* item = MenuItem("Show All Cards");
  ASSERT_TRUE(item);
  EXPECT_TRUE(item->isCheckable());
  EXPECT_FALSE(item->isChecked());
  item->trigger();
  EXPECT_TRUE(t.game->ShowAllCards);
  EXPECT_TRUE(item->isChecked());

  const Card& top = *t.game->PileTable[0].TopCard;
  PointerDown(*t.game, static_cast<int16_t>(top.X + 32), static_cast<int16_t>(top.Y + 40));
  ASSERT_TRUE(IsDragging(*t.game));
  item->trigger();
  EXPECT_TRUE(t.game->ShowAllCards);
  EXPECT_TRUE(item->isChecked());
  PointerUp(*t.game);
  item->trigger();
  EXPECT_FALSE(t.game->ShowAllCards);
  EXPECT_FALSE(item->isChecked());
}

// The arrow keys step games and seeds; a plain letter accelerator fires only
// without modifiers; Ctrl+Z is Undo and never sorts the library, while Z
// with Shift held does.
TEST_F(MainWindowTest, KeysReachTheShell) {
  t.Deal(1, 50);
  QTest::keyClick(&window, Qt::Key_Up);
  EXPECT_EQ(t.game->CurrentSeed, 51u);
  QTest::keyClick(&window, Qt::Key_Down);
  EXPECT_EQ(t.game->CurrentSeed, 50u);
  QTest::keyClick(&window, Qt::Key_N, Qt::ShiftModifier);
  EXPECT_EQ(t.game->CurrentSeed, 50u);
  QTest::keyClick(&window, Qt::Key_N);
  EXPECT_NE(t.game->CurrentSeed, 50u);
  QTest::keyClick(&window, Qt::Key_Right);
  EXPECT_EQ(t.game->CurrentGame, 2);

  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_STREQ(t.game->library.GameNames[0], "Columns");
  EXPECT_EQ(t.game->CurrentGame, 2);
  QTest::keyClick(&window, Qt::Key_Z, Qt::ShiftModifier);
  EXPECT_STREQ(t.game->library.GameNames[0], "Alpha");
  EXPECT_EQ(t.game->CurrentGame, 0);

  QTest::keyClick(&window, Qt::Key_E);
  EXPECT_TRUE(t.game->EditMode);
  QTest::keyClick(&window, Qt::Key_O);
  EXPECT_TRUE(t.game->ShowPileNumbers);
}

// Resizing centres the table in the new client area (at "Table size" 100 %,
// where the client is the layout's pixel for pixel).
TEST_F(MainWindowTest, ResizingCentresTheTable) {
  t.game->prefs.TableZoom = 100;
  const int left = t.game->PileTable[0].Left;
  const int width = window.Table().width();
  window.resize(window.width() + 200, window.height() + 100);
  QTest::qWait(20);
  EXPECT_EQ(t.game->client.Width, window.Table().width());
  EXPECT_EQ(t.game->client.Height, window.Table().height());
  EXPECT_EQ(t.game->PileTable[0].Left, left + (window.Table().width() - width) / 2);
}

}  // namespace
}  // namespace tarnik
