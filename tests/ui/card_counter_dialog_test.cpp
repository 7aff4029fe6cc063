// "Card Counter": its controls, one window at a time, the panel drawn chip by
// chip from the sheet of faces, the redraws it follows and how it closes.
#include "ui/dialogs/card_counter_dialog.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "support/gui_fixture.h"
#include "ui/art/card_images.h"
#include "ui/table/table_widget.h"

namespace tarnik {
namespace {

using testing::ColumnsGame;
using testing::Control;
using testing::GuiGame;
using testing::SharedArt;

// Columns whose first pile is dealt with four cards face down, and a stock
// pile of the remaining cards, all face down.
GameDef CounterGame() {
  GameDef g = ColumnsGame("Columns");
  g.Piles[0].InitialFaceDown = 4;
  PileDef& stock = g.Piles[11];
  stock = g.Piles[7];
  stock.Column = 14;
  stock.InitialSize = 52 - 35;
  stock.InitialFaceDown = 52 - 35;
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
  CardCounterDialogTest() {
    owner.resize(800, 526);
    t.game->records.CounterShowsStock = 0;
  }

  // Opens the counter and returns its panel as drawn.
  QImage Panel() {
    OpenCardCounter(handle, *t.game, SharedArt(), table, &owner);
    return Control<QWidget>(*handle, 17019)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  // The panel the counter must show for `faceDown` cards (first copies only).
  static QImage Expected(const std::vector<Card*>& faceDown) {
    const TableArt& art = SharedArt();
    QImage image(182, 128, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 13; ++x) painter.drawImage(14 * x, 64 * y, art.cardArt, 576, 480, 14, 64);
    for (const Card* c : faceDown)
      painter.drawImage(14 * Rank(c->Value) + 1, 16 * Suit(c->Value) + 1, art.cardSheet,
                        64 * Rank(c->Value) + 2, 80 * Suit(c->Value) + 2, 12, 14);
    return image;
  }

  GuiGame t{{CounterGame()}};
  QWidget owner;
  TableWidget table{*t.game, SharedArt(), &owner};
  QPointer<CardCounterDialog> handle;
};

// The four face-down cards of the first column, each as its face's corner in
// its suit's row and its rank's place; turning one up removes its chip at
// the table's next redraw.
TEST_F(CardCounterDialogTest, TableauChipsFollowTheTable) {
  std::vector<Card*> faceDown;
  for (Card* c = t.game->PileTable[0].BottomCard; c->Face == FaceDown; c = c->Above)
    faceDown.push_back(c);
  ASSERT_EQ(faceDown.size(), 4u);
  EXPECT_EQ(Panel(), Expected(faceDown));
  faceDown.back()->Face = FaceUp;
  faceDown.pop_back();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(handle));
  PaintCounter counter;
  Control<QWidget>(*handle, 17019)->installEventFilter(&counter);
  table.RedrawTable();
  EXPECT_EQ(counter.paints, 1);
  EXPECT_EQ(Panel(), Expected(faceDown));
}

// "Show Stock" lists the stock's cards, "Show Tableau" the others again; the
// choice outlives the window.
TEST_F(CardCounterDialogTest, ShowStockAndShowTableau) {
  Panel();
  EXPECT_EQ(handle->windowTitle(), "Card Counter");
  auto* stock = Control<QPushButton>(*handle, 17020);
  auto* tableau = Control<QPushButton>(*handle, 17021);
  EXPECT_EQ(stock->text(), "Show Stock");
  EXPECT_EQ(tableau->text(), "Show Tableau");
  EXPECT_EQ(Control<QPushButton>(*handle, 1)->text(), "OK");
  stock->click();
  EXPECT_EQ(t.game->records.CounterShowsStock, 1u);
  std::vector<Card*> stockCards;
  for (Card* c = t.game->PileTable[11].BottomCard; c; c = c->Above) stockCards.push_back(c);
  ASSERT_EQ(stockCards.size(), 17u);
  const QImage shown = Panel();
  EXPECT_EQ(shown, Expected(stockCards));
  Control<QPushButton>(*handle, 1)->click();
  EXPECT_FALSE(handle);
  EXPECT_EQ(Panel(), shown);
  Control<QPushButton>(*handle, 17021)->click();
  EXPECT_EQ(t.game->records.CounterShowsStock, 0u);
}

// One counter at a time; Escape leaves it open; OK and the close box close it
// and stop the redraws from reaching it, and the next command opens a new one.
TEST_F(CardCounterDialogTest, OneWindowClosedByOkOrCloseBox) {
  Panel();
  CardCounterDialog* first = handle;
  OpenCardCounter(handle, *t.game, SharedArt(), table, &owner);
  EXPECT_EQ(handle, first);
  EXPECT_EQ(owner.findChildren<CardCounterDialog*>().size(), 1);
  EXPECT_FALSE(first->isModal());
  QTest::keyClick(first, Qt::Key_Escape);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(first->close());
  EXPECT_FALSE(handle);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  table.RedrawTable();  // must not reach the closed window
  Panel();
  EXPECT_TRUE(handle && handle->isVisible());
  Control<QPushButton>(*handle, 1)->click();
  EXPECT_FALSE(handle);
}

}  // namespace
}  // namespace tarnik
