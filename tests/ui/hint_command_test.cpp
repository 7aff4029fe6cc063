// Hint in the window: the key, the menu item and the toolbar button; the
// next winning move outlined on the table for a moment, "No winning move
// found." where there is none, and no answer at all once the table changed.
#include "ui/window/hint_command.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "engine/play/action_script.h"
#include "engine/records/memory_preferences.h"
#include "support/gui_fixture.h"
#include "support/hint_fixture.h"
#include "ui/window/main_window.h"

namespace tarnik {
namespace {

using testing::Control;
using testing::KingOverQueen;
using testing::KingOverQueenGame;
using testing::PlayTable;

// Runs the event loop until `done` holds or `ms` have passed.
bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) QTest::qWait(10);
  return done();
}

// Closes every message box that opens, keeping its text.
struct MessageCatcher {
  MessageCatcher() {
    timer.callOnTimeout([this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->windowTitle() + "|" + box->text();
        icons << box->icon();
        box->accept();
      }
    });
    timer.start(20);
  }
  QTimer timer;
  QStringList texts;
  QList<QMessageBox::Icon> icons;
};

struct HintWindowTest : ::testing::Test {
  explicit HintWindowTest(bool spare = true) : t(KingOverQueenGame(spare)) {
    t.Arrange(KingOverQueen(spare));
    t.game->display = &window.Table();
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // The busy cursor shows while the solver searches.
  static bool Searching() { return QApplication::overrideCursor() != nullptr; }

  PlayTable t;
  MemoryPreferenceStore store;
  MainWindow window{*t.game, testing::SharedArt(), store};
  MessageCatcher messages;
};

struct LostHintWindowTest : HintWindowTest {
  LostHintWindowTest() : HintWindowTest(false) {}
};

// H outlines the king (the one card that must move first) and the empty
// column it must go to, for about a second and a half; the table itself is
// left as it was.
TEST_F(HintWindowTest, HOutlinesTheKingAndTheEmptyColumn) {
  const Card& king = *t.P(0).TopCard;
  const QRect kingRect(king.X, king.Y, 64, 80);
  const QRect column(t.P(1).Left, t.P(1).Top, 64, 80);
  QTest::keyClick(&window, Qt::Key_H);
  ASSERT_TRUE(WaitFor([&] { return window.Table().HintShown(); }));
  EXPECT_EQ(window.Table().HintCards(), kingRect);
  EXPECT_EQ(window.Table().HintTarget(), column);
  EXPECT_EQ(t.P(0).Count, 2);
  EXPECT_EQ(t.P(1).Count, 0);
  EXPECT_TRUE(messages.texts.isEmpty());

  // The gold outline is drawn over the table just left of the king.
  const QImage shown = window.Table().grab().toImage();
  const QRgb outline = shown.pixel(kingRect.left() - 3, kingRect.center().y());
  EXPECT_GT(qRed(outline), 200);
  EXPECT_GT(qGreen(outline), 160);
  EXPECT_LT(qBlue(outline), 120);

  QTest::qWait(1000);
  EXPECT_TRUE(window.Table().HintShown());
  EXPECT_TRUE(WaitFor([&] { return !window.Table().HintShown(); }, 1500));
}

// The menu item and the toolbar button run the same command.
TEST_F(HintWindowTest, MenuItemAndToolbarButtonGiveTheHint) {
  auto* button = Control<QAction>(window, 1403);  // the toolbar button
  ASSERT_TRUE(button);
  EXPECT_FALSE(button->icon().isNull());
  button->trigger();
  ASSERT_TRUE(WaitFor([&] { return window.Table().HintShown(); }));
  window.Table().RedrawTable();  // any redraw takes the outline away
  EXPECT_FALSE(window.Table().HintShown());
  for (QAction* a : window.findChildren<QAction*>())
    if (a->text() == "&Hint\tH") a->trigger();
  EXPECT_TRUE(WaitFor([&] { return window.Table().HintShown(); }));
}

// A move made while the solver searches makes its answer stale: nothing is
// outlined and nothing is said.
TEST_F(HintWindowTest, AnAnswerToAChangedTableIsDropped) {
  QTest::keyClick(&window, Qt::Key_H);
  EXPECT_TRUE(Searching());
  std::string error;
  ASSERT_TRUE(RunAction(*t.game, "drag 0 1 1", error)) << error;
  ASSERT_TRUE(WaitFor([&] { return !Searching(); }));
  QTest::qWait(100);
  EXPECT_FALSE(window.Table().HintShown());
  EXPECT_TRUE(messages.texts.isEmpty());
}

// Without the spare column no win exists.
TEST_F(LostHintWindowTest, NoWinningMoveIsSaid) {
  QTest::keyClick(&window, Qt::Key_H);
  ASSERT_TRUE(WaitFor([&] { return !messages.texts.isEmpty(); }));
  EXPECT_EQ(messages.texts, QStringList{"Hint|No winning move found."});
  EXPECT_EQ(messages.icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
  EXPECT_FALSE(window.Table().HintShown());
}

}  // namespace
}  // namespace tarnik
