// Closing the main window writes nothing to the preferences: the rectangle
// is kept for the exit, which writes the player's records first, so that a
// slow settings file can never hold the records up.
#include <gtest/gtest.h>

#include <QTest>

#include "engine/records/memory_preferences.h"
#include "support/gui_fixture.h"
#include "ui/window/main_window.h"

namespace tarnik {
namespace {

TEST(ExitOrder, ClosingTheWindowKeepsItsRectangleAndWritesNoPreference) {
  testing::GuiGame t{{testing::ColumnsGame("Columns")}};
  MemoryPreferenceStore store;
  MainWindow window{*t.game, testing::SharedArt(), store};
  t.game->display = &window.Table();
  window.resize(900, 700);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_TRUE(window.close());
  EXPECT_EQ(store.Closes(), 0);
  EXPECT_TRUE(store.Values().empty());
  const Preferences& p = t.game->prefs;
  EXPECT_EQ(p.WindowRight - p.WindowLeft, window.geometry().width());
  EXPECT_EQ(p.WindowBottom - p.WindowTop, window.geometry().height());
}

}  // namespace
}  // namespace tarnik
