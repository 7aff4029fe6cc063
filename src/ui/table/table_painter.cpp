#include "ui/table/table_painter.h"

#include <QPainter>
#include <cmath>

#include "engine/shell/card_cells.h"
#include "engine/table/layout.h"
#include "ui/art/card_images.h"
#include "ui/table/edit_outline.h"
#include "ui/table/focus_outline.h"

namespace tarnik {

namespace {

// The device pixel a classic coordinate falls on.
int Device(int v, double factor) { return static_cast<int>(std::lround(v * factor)); }

// True for the cells of whole cards (faces, rank markers, the back): only
// their rounded corners let the table through.
bool WholeCard(SheetCell cell) { return cell.row < 9 || cell.column == 0; }

// Copies one cell of the sheet through its transparency to (x, y). A whole
// card is blended only in the rows of its rounded corners and copied
// straight between them, which at a large zoom saves most of the blending.
void DrawCell(QPainter& painter, const CardCells& cells, SheetCell cell, int x, int y) {
  const QPoint at(Device(x, cells.factor), Device(y, cells.factor));
  const QRect source(cell.column * cells.cellWidth, cell.row * cells.cellHeight, cells.cellWidth,
                     cells.cellHeight);
  const int corner = static_cast<int>(std::ceil(6 * cells.factor));
  if (!WholeCard(cell) || 2 * corner >= source.height()) {
    painter.drawImage(at, cells.sheet, source);
    return;
  }
  const QRect top(source.topLeft(), QSize(source.width(), corner));
  const QRect bottom(source.left(), source.bottom() + 1 - corner, source.width(), corner);
  const QRect middle(source.left(), top.bottom() + 1, source.width(), bottom.top() - top.bottom() - 1);
  painter.drawImage(at, cells.sheet, top);
  painter.drawImage(at + QPoint(0, bottom.top() - source.top()), cells.sheet, bottom);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(at + QPoint(0, corner), cells.sheet, middle);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
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

void DrawPile(QImage& surface, const CardCells& cells, const Game& game, const Pile& pile,
              bool withShadows) {
  QPainter painter(&surface);
  if (!pile.BottomCard) {
    DrawCell(painter, cells, EmptyPileCell(game, pile), pile.Left, pile.Top);
    return;
  }
  for (const Card* c = pile.BottomCard; c; c = c->Above) {
    if (withShadows) DrawCell(painter, cells, {1, 9}, c->X + 8, c->Y + 8);
    DrawCell(painter, cells, CardCell(game, pile, *c), c->X, c->Y);
  }
}

void DrawPiles(QImage& surface, const CardCells& cells, const Game& game, const Pile* first) {
  // The markers of empty piles go down first, so an emptied place (a taken
  // card of a pyramid's lower row) never covers the cards of the piles it
  // overlapped; the cards then follow in table order.
  for (const Pile* p = first; p; p = p->Next)
    if (!p->BottomCard) DrawPile(surface, cells, game, *p, false);
  for (const Pile* p = first; p; p = p->Next)
    if (p->BottomCard) DrawPile(surface, cells, game, *p, false);
}

// The tile is laid from the surface's corner in whole tiles of its own
// size; texts and the edit frame are drawn through the factor, so they
// come out at the surface's resolution.
void ComposeTableImage(TableArt& art, const Game& game) {
  const QImage& tile = art.ScreenTile(TableTile(game));
  {
    QPainter painter(&art.tableSurface);
    for (int x = 0; x < art.tableSurface.width(); x += tile.width())
      for (int y = 0; y < art.tableSurface.height(); y += tile.height())
        painter.drawImage(QPoint(x, y), tile);
  }
  DrawPiles(art.tableSurface, art.Screen(), game, FirstPile(const_cast<Pile*>(game.PileTable)));
  QPainter painter(&art.tableSurface);
  painter.scale(art.Screen().factor, art.Screen().factor);
  if (art.Screen().factor != 1.0) painter.setRenderHint(QPainter::Antialiasing);
  DrawTexts(painter, game);
  DrawEditOutline(painter, game);
  DrawFocusOutline(painter, game);
}

void DrawTopCardImage(TableArt& art, const Game& game, const Pile& pile, bool highlighted) {
  if (!pile.TopCard) return;
  QPainter painter(&art.tableSurface);
  DrawCell(painter, art.Screen(), TopCardCell(game, *pile.TopCard, highlighted), pile.TopCard->X,
           pile.TopCard->Y);
}

QRect DeviceRect(const QRect& classic, double factor) {
  const int left = static_cast<int>(std::floor(classic.left() * factor));
  const int top = static_cast<int>(std::floor(classic.top() * factor));
  const int right = static_cast<int>(std::ceil((classic.left() + classic.width()) * factor));
  const int bottom = static_cast<int>(std::ceil((classic.top() + classic.height()) * factor));
  return QRect(left, top, right - left, bottom - top);
}

}  // namespace tarnik
