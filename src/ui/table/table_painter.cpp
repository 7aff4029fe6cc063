#include "ui/table/table_painter.h"

#include <QPainter>

#include "engine/shell/card_cells.h"
#include "engine/table/layout.h"
#include "ui/art/card_images.h"
#include "ui/table/edit_outline.h"
#include "ui/table/focus_outline.h"

namespace tarnik {

namespace {

// Copies one cell of the sheet through its transparency to (x, y).
void DrawCell(QPainter& painter, const TableArt& art, SheetCell cell, int x, int y) {
  painter.drawImage(QPoint(x, y), art.sheetAlpha,
                    QRect(cell.column * kCardWidth, cell.row * kCardHeight, kCardWidth,
                          kCardHeight));
}

// Writes a short text with its top-left corner at (x, y), in black.
void DrawText(QPainter& painter, int x, int y, const QString& text) {
  const QFontMetrics metrics(painter.font());
  painter.drawText(x, y + metrics.ascent(), text);
}

// Counts written right-aligned in two characters, as "%2u" does.
QString TwoWide(int32_t n) { return QString::number(n).rightJustified(2, QLatin1Char(' ')); }

// The pile sizes, pile numbers and next-rank labels of the piles in play.
void DrawTexts(QPainter& painter, const Game& game) {
  painter.setPen(Qt::black);
  QFont font = painter.font();
  font.setStyleHint(QFont::Monospace);
  font.setFamily(QStringLiteral("DejaVu Sans Mono"));
  font.setPixelSize(12);
  font.setBold(true);
  painter.setFont(font);
  int32_t number = 1;
  for (const Pile* p = FirstPile(const_cast<Pile*>(game.PileTable)); p; p = p->Next, ++number) {
    const int x = p->Left + p->Width - 40;
    if (const char* label = NextRankLabel(p->RankBuild, p->Count))
      DrawText(painter, x, p->Top + p->Height - 17, QString::fromLatin1(label));
    if (game.ShowPileNumbers) DrawText(painter, x, p->Top + p->Height - 17, TwoWide(number));
    if (game.prefs.SizeToggle) DrawText(painter, x, p->Top + p->Height - 80, TwoWide(p->Count));
  }
}

}  // namespace

void TileTableBack(QImage& surface, const QImage& backArt, int32_t tile, QSize client) {
  if (tile < 0 || tile >= kBackTileCount) tile = 0;
  const QPoint at = BackTilePos(tile);
  const QRect source(at, QSize(kBackTileSize, kBackTileSize));
  QPainter painter(&surface);
  for (int x = 0; x < client.width(); x += kBackTileSize)
    for (int y = 0; y < client.height(); y += kBackTileSize)
      painter.drawImage(QPoint(x, y), backArt, source);
}

void DrawPile(QImage& surface, const TableArt& art, const Game& game, const Pile& pile,
              bool withShadows) {
  QPainter painter(&surface);
  if (!pile.BottomCard) {
    DrawCell(painter, art, EmptyPileCell(game, pile), pile.Left, pile.Top);
    return;
  }
  for (const Card* c = pile.BottomCard; c; c = c->Above) {
    if (withShadows) DrawCell(painter, art, {1, 9}, c->X + 8, c->Y + 8);
    DrawCell(painter, art, CardCell(game, pile, *c), c->X, c->Y);
  }
}

void DrawPiles(QImage& surface, const TableArt& art, const Game& game, const Pile* first) {
  for (const Pile* p = first; p; p = p->Next) DrawPile(surface, art, game, *p, false);
}

void ComposeTableImage(TableArt& art, const Game& game, QSize client) {
  TileTableBack(art.tableSurface, art.backArt, TableTile(game), client);
  DrawPiles(art.tableSurface, art, game, FirstPile(const_cast<Pile*>(game.PileTable)));
  QPainter painter(&art.tableSurface);
  DrawTexts(painter, game);
  DrawEditOutline(painter, game);
  DrawFocusOutline(painter, game);
}

void DrawTopCardImage(TableArt& art, const Game& game, const Pile& pile, bool highlighted) {
  if (!pile.TopCard) return;
  QPainter painter(&art.tableSurface);
  DrawCell(painter, art, TopCardCell(game, *pile.TopCard, highlighted), pile.TopCard->X,
           pile.TopCard->Y);
}

}  // namespace tarnik
