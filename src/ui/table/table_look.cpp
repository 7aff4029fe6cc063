#include "ui/table/table_look.h"

#include <cmath>

#include "engine/shell/card_cells.h"
#include "engine/table/layout.h"
#include "ui/table/edit_outline.h"
#include "ui/table/table_painter.h"

namespace tarnik {

namespace {

// Separates the parts of a pile's items, so that no two looks run together.
constexpr int32_t kPart = INT32_MIN;

// Adds a cell drawn at classic (x, y) to a pile's look.
void AddCell(PileLook& look, const CardCells& cells, SheetCell cell, int32_t x, int32_t y) {
  look.items.insert(look.items.end(), {cell.column, cell.row, x, y});
  const QRect rect(static_cast<int>(std::lround(x * cells.factor)),
                   static_cast<int>(std::lround(y * cells.factor)), cells.cellWidth,
                   cells.cellHeight);
  look.bounds |= rect.adjusted(-1, -1, 1, 1);
}

// Adds a text to a pile's look, character by character.
void AddText(PileLook& look, const QString& text) {
  look.items.push_back(kPart);
  for (QChar c : text) look.items.push_back(c.unicode());
}

// The look of pile `p`, number `number` of the table: its cells, the texts
// beside it, whether it wears the focus or the edit frame, and its
// rectangle with room for those outlines and texts.
PileLook PileLookOf(const CardCells& cells, const Game& game, const Pile& p, int32_t number) {
  PileLook look;
  if (!p.BottomCard) AddCell(look, cells, EmptyPileCell(game, p), p.Left, p.Top);
  for (const Card* c = p.BottomCard; c; c = c->Above) AddCell(look, cells, CardCell(game, p, *c), c->X, c->Y);
  look.items.insert(look.items.end(), {kPart, p.Left, p.Top, p.Width, p.Height});
  if (const char* label = NextRankLabel(p.RankBuild, p.Count)) AddText(look, QString::fromLatin1(label));
  if (game.ShowPileNumbers) AddText(look, QString::number(number));
  if (game.prefs.SizeToggle) AddText(look, QString::number(p.Count));
  const bool focused = game.FocusShown && game.FocusPile == number - 1;
  look.items.insert(look.items.end(), {kPart, focused, OutlinedPile(game) == &p});
  look.bounds |= DeviceRect(QRect(p.Left, p.Top, p.Width, p.Height).adjusted(-10, -10, 10, 10),
                            cells.factor);
  return look;
}

}  // namespace

TableLook LookOf(const TableArt& art, const Game& game) {
  const CardCells& cells = art.Screen();
  TableLook look{art.tableSurface.size(), cells.factor, TableTile(game),
                 cells.sheet.cacheKey() ^ reinterpret_cast<qint64>(cells.scaled.get()), {}};
  int32_t number = 1;
  for (const Pile* p = FirstPile(const_cast<Pile*>(game.PileTable)); p; p = p->Next, ++number)
    look.piles.push_back(PileLookOf(cells, game, *p, number));
  return look;
}

QRegion ChangedRegion(const TableLook& before, const TableLook& now) {
  const QRect all(QPoint(0, 0), now.size);
  if (before.size != now.size || before.factor != now.factor || before.tile != now.tile ||
      before.cells != now.cells || before.piles.size() != now.piles.size())
    return QRegion(all);
  QRegion changed;
  for (size_t i = 0; i < now.piles.size(); ++i)
    if (before.piles[i].items != now.piles[i].items)
      changed += before.piles[i].bounds | now.piles[i].bounds;
  return changed & all;
}

}  // namespace tarnik
