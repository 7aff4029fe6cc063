// Partial redraws equal a complete composition, which equals every cell drawn whole.
#include <gtest/gtest.h>

#include <QPainter>
#include <functional>

#include "engine/cards/pile_ops.h"
#include "engine/shell/card_cells.h"
#include "engine/table/layout.h"
#include "support/gui_fixture.h"
#include "ui/table/table_widget.h"

namespace tarnik {
namespace {

using namespace testing;

struct TableRedrawTest : ::testing::TestWithParam<int32_t> {
  TableRedrawTest() {
    t.Deal(0, 7);
    t.game->prefs.TableZoom = GetParam();
    table.resize(900, 700);
    table.ApplyZoom();
  }
  ~TableRedrawTest() override { SharedArt().SetScreen(1.0, QSize(800, 526)); }

  // Moves `count` cards one by one from the top of pile `from` onto `to`.
  void Move(int from, int to, int count) {
    while (count--) t.Move(from, to);
  }

  // The table as a complete composition draws it now.
  QImage Complete() {
    table.InvalidateTable();
    table.RedrawTable();
    return SharedArt().tableSurface.copy();
  }

  // The felt, then every cell drawn whole in table order over it: the
  // markers of empty piles first, then every card bottom up.
  QImage Reference() {
    const TableArt& art = SharedArt();
    const CardCells& cells = art.Screen();
    QImage image(art.tableSurface.size(), QImage::Format_RGB32);
    QPainter painter(&image);
    const QImage& tile = SharedArt().ScreenTile(TableTile(*t.game));
    for (int x = 0; x < image.width(); x += tile.width())
      for (int y = 0; y < image.height(); y += tile.height()) painter.drawImage(x, y, tile);
    auto draw = [&](SheetCell cell, int x, int y) {
      QRect source;
      const QImage& from = cells.Cell(cell.column, cell.row, &source);
      painter.drawImage(QPoint(std::lround(x * cells.factor), std::lround(y * cells.factor)),
                        from, source);
    };
    Pile* first = FirstPile(t.game->PileTable);
    for (Pile* p = first; p; p = p->Next)
      if (!p->BottomCard) draw(EmptyPileCell(*t.game, *p), p->Left, p->Top);
    for (Pile* p = first; p; p = p->Next)
      for (Card* c = p->BottomCard; c; c = c->Above) draw(CardCell(*t.game, *p, *c), c->X, c->Y);
    return image;
  }

  GuiGame t{{ColumnsGame("Columns")}};
  QWidget owner;
  TableWidget table{*t.game, SharedArt(), &owner};
};

// After each change, the redraw of the changed piles is the complete table.
TEST_P(TableRedrawTest, RedrawsOfChangedPilesShowTheCompleteTable) {
  Pile* piles = t.game->PileTable;
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"first picture", [] {}},
      {"a card moved", [&] { Move(0, 1, 1); }},
      {"a group moved", [&] { Move(1, 2, 3); }},
      {"a column emptied", [&] { Move(3, 4, 5); }},
      {"a card turned down", [&] { piles[5].TopCard->Face = FaceDown; }},
      {"a highlight taken away by the redraw", [&] { table.DrawTopCard(piles[6], true); }},
      {"pile sizes shown", [&] { t.game->prefs.SizeToggle = 1; }},
      {"a size changed", [&] { Move(4, 0, 2); }},
      {"the focus shown", [&] { t.game->FocusShown = true, t.game->FocusPile = 2; }},
      {"the focus moved", [&] { t.game->FocusPile = 3; }}};
  for (const auto& [change, apply] : steps) {
    apply();
    table.RedrawTable();
    const QImage redrawn = SharedArt().tableSurface.copy();
    EXPECT_TRUE(redrawn == Complete()) << "after " << change;
  }
}

// Cards leaving out what the card above hides still draw what drawing all shows.
TEST_P(TableRedrawTest, CompleteTableIsEveryCellDrawnWholeOverTheFelt) {
  Move(2, 3, 4);  // a long fan over a short one, and an emptied column's marker
  Move(5, 6, 5);
  EXPECT_TRUE(Complete() == Reference());
}

// The classic size, a factor the 2× artwork is scaled to cell by cell, and
// one drawn straight from it.
INSTANTIATE_TEST_SUITE_P(Zooms, TableRedrawTest, ::testing::Values(100, 150, 200));

}  // namespace
}  // namespace tarnik
