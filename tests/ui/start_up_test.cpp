// Start-up lays out its first deal in the table's real size: the drifts of
// the win animation come from the client area the window has, not from the
// 800 × 526 the table has before the window is shown.
#include <gtest/gtest.h>

#include <QDir>
#include <QString>
#include <QTest>

#include "engine/cards/pile_ops.h"
#include "engine/records/memory_preferences.h"
#include "support/gui_fixture.h"
#include "ui/window/main_window.h"
#include "ui/window/start_up.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;

TEST(StartUp, TheFirstDealIsLaidOutInTheWindowsRealClientArea) {
  testing::GuiGame t{{ColumnsGame("Columns")}};
  testing::SharedArt();      // read from the data folder before leaving it
  t.game->prefs.TableZoom = 100;  // the logical client is the real one
  const QString before = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(t.dir.File("")));  // no records: a fresh deal
  MemoryPreferenceStore store;
  MainWindow window(*t.game, testing::SharedArt(), store);
  t.game->display = &window.Table();
  window.resize(1280, 960);  // as a stored window rectangle does
  ShowAndLoadRecords(window, *t.game, 1234);
  QTest::qWait(20);
  const QSize client = window.Table().size();
  ASSERT_GT(client.width(), 1000);
  ASSERT_EQ(t.game->client.Width, client.width());
  ASSERT_GT(CountPiles(t.game->PileTable), 0);
  for (int32_t i = 0; i < CountPiles(t.game->PileTable); ++i) {
    const Pile& p = t.game->PileTable[i];
    EXPECT_EQ(p.DriftX, p.Left / (client.width() >> 4) - 7) << "pile " << i;
    EXPECT_EQ(p.DriftY, p.Top / (client.height() >> 4) - 7) << "pile " << i;
  }
  QDir::setCurrent(before);
}

}  // namespace
}  // namespace tarnik
