// Hint by key, menu and toolbar.
#include "ui/window/hint_command.h"

#include "engine/play/action_script.h"
#include "engine/records/memory_preferences.h"
#include "support/hint_fixture.h"
#include "ui/window/main_window.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// Runs the event loop until `done` holds or `ms` have passed.
bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) QTest::qWait(10);
  return done();
}

struct HintWindowTest : ::testing::Test {
  explicit HintWindowTest(bool spare = true) : t(KingOverQueenGame(spare)) {
    t.Arrange(KingOverQueen(spare));
    t.game->display = &window.Table();
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    // Every message box that opens is closed, its caption, text and icon kept.
    timer.callOnTimeout([this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages << box->windowTitle() + "|" + box->text();
        icons << box->icon();
        box->accept();
      }
    });
    timer.start(20);
  }
  bool Shown() { return window.Table().HintShown(); }
  static bool Searching() { return QApplication::overrideCursor() != nullptr; }

  PlayTable t;
  MemoryPreferenceStore store;
  MainWindow window{*t.game, SharedArt(), store};
  QTimer timer;
  QStringList messages;
  QList<QMessageBox::Icon> icons;
};

// H (or the menu) outlines the move in gold for about 1.5 s, moving nothing; a
// redraw ends it; an answer to a table changed meanwhile is dropped silently.
TEST_F(HintWindowTest, HOutlinesTheMoveForAMomentAndAStaleAnswerIsDropped) {
  const QRect king(t.P(0).TopCard->X, t.P(0).TopCard->Y, 64, 80);
  QTest::keyClick(&window, Qt::Key_H);
  ASSERT_TRUE(WaitFor([&] { return Shown(); }));
  EXPECT_EQ(std::pair(window.Table().HintCards(), window.Table().HintTarget()),
            std::pair(king, QRect(t.P(1).Left, t.P(1).Top, 64, 80)));
  EXPECT_EQ(t.P(0).Count + 10 * t.P(1).Count, 2);
  const QRgb outline = window.Table().grab().toImage().pixel(king.left() - 3, king.center().y());
  EXPECT_TRUE(qRed(outline) > 200 && qGreen(outline) > 160 && qBlue(outline) < 120);
  QTest::qWait(1000);
  EXPECT_TRUE(Shown());
  EXPECT_TRUE(WaitFor([&] { return !Shown(); }, 1500));
  ActionNamed(window, "&Hint\tH")->trigger();  // the menu item (the toolbar's is id1403)
  ASSERT_TRUE(WaitFor([&] { return Shown(); }));
  window.Table().RedrawTable();
  EXPECT_FALSE(Shown());
  QTest::keyClick(&window, Qt::Key_H);
  EXPECT_TRUE(Searching());
  std::string error;
  ASSERT_TRUE(RunAction(*t.game, "drag 0 1 1", error)) << error;
  ASSERT_TRUE(WaitFor([&] { return !Searching(); }));
  QTest::qWait(100);
  EXPECT_TRUE(!Shown() && messages.isEmpty());
}

// Without the spare column no win exists: said with the exclamation icon.
struct LostHintWindowTest : HintWindowTest {
  LostHintWindowTest() : HintWindowTest(false) {}
};
TEST_F(LostHintWindowTest, NoWinningMoveIsSaid) {
  QTest::keyClick(&window, Qt::Key_H);
  ASSERT_TRUE(WaitFor([&] { return !messages.isEmpty(); }));
  EXPECT_EQ(messages, QStringList{"Hint|No winning move found."});
  EXPECT_EQ(icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
  EXPECT_FALSE(Shown());
}

}  // namespace
}  // namespace tarnik::testing
