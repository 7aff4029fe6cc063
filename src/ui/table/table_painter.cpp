#include "ui/table/table_painter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

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

// The rows of a whole card's corners: ceil(6 classic pixels) at the factor.
int CornerRows(const CardCells& cells) { return static_cast<int>(std::ceil(6 * cells.factor)); }

// The device rectangle of a cell drawn at classic (x, y).
QRect CellRect(const CardCells& cells, int x, int y) {
  return QRect(Device(x, cells.factor), Device(y, cells.factor), cells.cellWidth,
               cells.cellHeight);
}

// `rect` less `hole`: at most four rectangles in `out`, their count returned.
int Subtract(const QRect& rect, const QRect& hole, QRect out[4]) {
  const QRect h = rect & hole;
  if (h.isEmpty()) {
    out[0] = rect;
    return 1;
  }
  int n = 0;
  if (h.top() > rect.top())
    out[n++] = QRect(rect.left(), rect.top(), rect.width(), h.top() - rect.top());
  if (h.bottom() < rect.bottom())
    out[n++] = QRect(rect.left(), h.bottom() + 1, rect.width(), rect.bottom() - h.bottom());
  if (h.left() > rect.left())
    out[n++] = QRect(rect.left(), h.top(), h.left() - rect.left(), h.height());
  if (h.right() < rect.right())
    out[n++] = QRect(h.right() + 1, h.top(), rect.right() - h.right(), h.height());
  return n;
}

// What a cell drawn at `rect` hides for certain: for a whole card every
// row between its corners, which are copied straight; nothing for others.
QRect OpaqueBand(const CardCells& cells, SheetCell cell, const QRect& rect) {
  const int corner = CornerRows(cells);
  if (!WholeCard(cell) || 2 * corner >= rect.height()) return {};
  return rect.adjusted(0, corner, 0, -corner);
}

// Where cells are drawn: a surface whose top-left corner lies at device
// point `origin` of the table, and a painter on it that takes table
// coordinates.
struct Canvas {
  QImage& surface;
  QPoint origin;
  QPainter painter;
  Canvas(QImage& image, QPoint at) : surface(image), origin(at), painter(&image) {
    painter.translate(-at);
  }
};

// Copies the opaque rectangle `from` of `image` to table point `to` with a
// plain loop: at a large zoom these are most of a card's pixels, and the
// painter would hand every such copy to other threads.
void CopyOpaque(Canvas& canvas, const QImage& image, const QRect& from, QPoint to) {
  const QRect target = QRect(to - canvas.origin, from.size()) & canvas.surface.rect();
  if (target.isEmpty()) return;
  const QPoint shift = from.topLeft() - (to - canvas.origin);
  for (int y = target.top(); y <= target.bottom(); ++y) {
    const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y + shift.y())) +
                     target.left() + shift.x();
    QRgb* out = reinterpret_cast<QRgb*>(canvas.surface.scanLine(y)) + target.left();
    for (int x = 0; x < target.width(); ++x) out[x] = in[x] | 0xFF000000u;
  }
}

// True when the copy by hand can stand in for the painter: 32-bit pixels
// both ways.
bool PlainPixels(const QImage& surface, const QImage& image) {
  return image.format() == QImage::Format_ARGB32_Premultiplied &&
         (surface.format() == QImage::Format_RGB32 ||
          surface.format() == QImage::Format_ARGB32_Premultiplied);
}

// Copies the part `part` of a cell drawn at `rect` from its image through
// its transparency. A whole card is blended only in the rows of its rounded
// corners and copied straight between them, which at a large zoom saves
// most of the blending.
void DrawCellPart(Canvas& canvas, const QImage& image, const QRect& source, const QRect& rect,
                  const QRect& part, const QRect& band) {
  const QPoint shift = source.topLeft() - rect.topLeft();
  auto draw = [&](const QRect& piece) {
    if (!piece.isEmpty()) canvas.painter.drawImage(piece.topLeft(), image, piece.translated(shift));
  };
  if (band.isEmpty()) return draw(part);
  draw(part & QRect(rect.left(), rect.top(), rect.width(), band.top() - rect.top()));
  draw(part & QRect(rect.left(), band.bottom() + 1, rect.width(), rect.bottom() - band.bottom()));
  const QRect middle = part & band;
  if (middle.isEmpty()) return;
  if (PlainPixels(canvas.surface, image)) {
    CopyOpaque(canvas, image, middle.translated(shift), middle.topLeft());
    return;
  }
  canvas.painter.setCompositionMode(QPainter::CompositionMode_Source);
  draw(middle);
  canvas.painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// Draws one cell at classic (x, y) inside `clip` (null for anywhere), all
// but `hidden`: the device pixels a card drawn over it later covers anyway,
// so they are never drawn twice.
void DrawCell(Canvas& canvas, const CardCells& cells, SheetCell cell, int x, int y,
              const QRect& hidden = QRect(), const QRect& clip = QRect()) {
  const QRect rect = CellRect(cells, x, y);
  if (!clip.isNull() && !rect.intersects(clip)) return;
  QRect source;
  const QImage& image = cells.Cell(cell.column, cell.row, &source);
  const QRect band = OpaqueBand(cells, cell, rect);
  QRect parts[4];
  const int count = Subtract(rect, hidden, parts);
  for (int i = 0; i < count; ++i)
    DrawCellPart(canvas, image, source, rect, clip.isNull() ? parts[i] : parts[i] & clip, band);
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

// Each card leaves out what the card above it hides; with shadows, the
// card above's shadow still falls on it, as the shadow is drawn after it.
void DrawPile(QImage& surface, const CardCells& cells, const Game& game, const Pile& pile,
              bool withShadows, QPoint origin, const QRect& clip) {
  Canvas canvas(surface, origin);
  if (!pile.BottomCard) {
    DrawCell(canvas, cells, EmptyPileCell(game, pile), pile.Left, pile.Top, QRect(), clip);
    return;
  }
  SheetCell cell = CardCell(game, pile, *pile.BottomCard);
  for (const Card* c = pile.BottomCard; c; c = c->Above) {
    QRect hidden;
    SheetCell above;
    if (c->Above) {
      above = CardCell(game, pile, *c->Above);
      hidden = OpaqueBand(cells, above, CellRect(cells, c->Above->X, c->Above->Y));
    }
    if (withShadows) DrawCell(canvas, cells, {1, 9}, c->X + 8, c->Y + 8, QRect(), clip);
    DrawCell(canvas, cells, cell, c->X, c->Y, hidden, clip);
    cell = above;
  }
}

void DrawPiles(QImage& surface, const CardCells& cells, const Game& game, const Pile* first,
               const QRect& clip) {
  // The markers of empty piles go down first, so an emptied place (a taken
  // card of a pyramid's lower row) never covers the cards of the piles it
  // overlapped; the cards then follow in table order.
  for (const Pile* p = first; p; p = p->Next)
    if (!p->BottomCard) DrawPile(surface, cells, game, *p, false, QPoint(), clip);
  for (const Pile* p = first; p; p = p->Next)
    if (p->BottomCard) DrawPile(surface, cells, game, *p, false, QPoint(), clip);
}

// Lays the felt tile over the rectangle `area` of `to`, tiles laid from the
// corner: each row is copied from the tile's row, which stays in the cache,
// so the felt costs one write of the area.
void LayFelt(QImage& to, const QImage& tile, const QRect& area) {
  const int side = tile.width(), height = tile.height();
  for (int y = area.top(); y <= area.bottom(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(tile.constScanLine(y % height));
    QRgb* out = reinterpret_cast<QRgb*>(to.scanLine(y));
    for (int x = area.left(); x <= area.right();) {
      const int from = x % side, count = std::min(side - from, area.right() + 1 - x);
      std::memcpy(out + x, row + from, count * sizeof(QRgb));
      x += count;
    }
  }
}

// The felt tile is laid from the surface's corner in whole tiles of its
// own size; texts and the edit frame are drawn through the factor, so they
// come out at the surface's resolution.
void ComposeTableImage(TableArt& art, const Game& game, const QRect& clip) {
  const QRect area = clip.isNull() ? art.tableSurface.rect() : clip & art.tableSurface.rect();
  if (area.isEmpty()) return;
  const QImage& felt = art.ScreenTile(TableTile(game));
  if (felt.format() == art.tableSurface.format() && felt.depth() == 32) {
    LayFelt(art.tableSurface, felt, area);
  } else {
    QPainter painter(&art.tableSurface);
    painter.setClipRect(area);
    for (int x = 0; x < art.tableSurface.width(); x += felt.width())
      for (int y = 0; y < art.tableSurface.height(); y += felt.height())
        painter.drawImage(QPoint(x, y), felt);
  }
  DrawPiles(art.tableSurface, art.Screen(), game, FirstPile(const_cast<Pile*>(game.PileTable)),
            area);
  QPainter painter(&art.tableSurface);
  painter.setClipRect(area);
  painter.scale(art.Screen().factor, art.Screen().factor);
  if (art.Screen().factor != 1.0) painter.setRenderHint(QPainter::Antialiasing);
  DrawTexts(painter, game);
  DrawEditOutline(painter, game);
  DrawFocusOutline(painter, game);
}

void DrawTopCardImage(TableArt& art, const Game& game, const Pile& pile, bool highlighted) {
  if (!pile.TopCard) return;
  Canvas canvas(art.tableSurface, QPoint());
  DrawCell(canvas, art.Screen(), TopCardCell(game, *pile.TopCard, highlighted), pile.TopCard->X,
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
