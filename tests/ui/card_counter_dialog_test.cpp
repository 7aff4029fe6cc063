// "Card Counter": the panel, the redraws it follows, its buttons and closing.
#include "ui/dialogs/card_counter_dialog.h"

#include "engine/records/card_counter.h"
#include "ui/art/card_images.h"
#include "ui/table/table_widget.h"
#include "ui_checks.h"

namespace tarnik::testing {
namespace {

// Columns, the first dealt with four cards face down, and a stock of the
// other 17 cards face down.
GameDef CounterGame() {
  GameDef g = ColumnsGame("Columns");
  g.Piles[0].InitialFaceDown = 4;
  PileDef& stock = g.Piles[11] = g.Piles[7];
  stock.Column = 14;
  stock.InitialSize = stock.InitialFaceDown = 52 - 35;
  stock.Flags = PileFlags::ManualFillSource;
  return g;
}

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
  int paints = 0;
};

struct CardCounterDialogTest : ::testing::Test {
  CardCounterDialogTest() { owner.resize(800, 526); }
  // Opens the counter (or raises the open one) and returns its panel as drawn.
  QImage Panel() {
    OpenCardCounter(handle, *t.game, SharedArt(), table, &owner);
    return Control<QWidget>(*handle, 17019)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // The chips the panel shows: each as the engine places it, from the sheet
  // of faces, or its place in the strip when the panel lacks it.
  int ChipsShown(const QImage& panel) {
    int shown = 0;
    for (const CounterChip& c : CounterChips(t.game->PileTable, t.game->CurrentFlags,
                                             t.game->RankOffset, t.game->records.CounterShowsStock))
      shown += panel.copy(c.panelX, c.panelY, kChipWidth, kChipHeight) ==
               SharedArt().cardSheet.copy(c.sheetX, c.sheetY, kChipWidth, kChipHeight)
                   .convertToFormat(QImage::Format_RGB32);
    return shown;
  }

  GuiGame t{{CounterGame()}};
  QWidget owner;
  TableWidget table{*t.game, SharedArt(), &owner};
  QPointer<CardCounterDialog> handle;
};

// A redraw repaints the panel once; "Show Stock"/"Show Tableau" choose, the choice
// outliving the one counter window, which only OK and the close box close.
TEST_F(CardCounterDialogTest, ChipsFollowTheTableAndTheButtons) {
  const QImage four = Panel();
  EXPECT_EQ(ChipsShown(four), 4);
  ExpectTexts(*handle,
              {{0, "Card Counter"}, {17020, "Show Stock"}, {17021, "Show Tableau"}, {1, "OK"}});
  t.game->PileTable[0].BottomCard->Above->Above->Above->Face = FaceUp;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(handle));
  PaintCounter counter;
  Control<QWidget>(*handle, 17019)->installEventFilter(&counter);
  table.RedrawTable();
  EXPECT_EQ(counter.paints, 1);
  const QImage three = Panel();
  EXPECT_TRUE(three != four && ChipsShown(three) == 3);
  CardCounterDialog* first = handle;
  Click(*handle, 17020);
  EXPECT_EQ(t.game->records.CounterShowsStock, 1u);
  const QImage stock = Panel();
  EXPECT_EQ(ChipsShown(stock), 17);
  EXPECT_TRUE(handle == first && owner.findChildren<CardCounterDialog*>().size() == 1);
  QTest::keyClick(first, Qt::Key_Escape);
  EXPECT_TRUE(first->isVisible());
  Click(*handle, 1);
  EXPECT_FALSE(handle);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  table.RedrawTable();  // must not reach the closed window
  EXPECT_EQ(Panel(), stock);
  Click(*handle, 17021);
  EXPECT_EQ(t.game->records.CounterShowsStock, 0u);
  EXPECT_TRUE(handle->close());
  EXPECT_FALSE(handle);
}

}  // namespace
}  // namespace tarnik::testing
