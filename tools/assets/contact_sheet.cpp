// Layout of the contact sheet.
#include "contact_sheet.h"

#include <QPainter>

#include "glyphs.h"
#include "ui/art/card_images.h"

namespace tarnik::assets {

namespace {

constexpr int kSheetWidth = 2112;
const char* const kStyleNames[4] = {"classic", "modern", "large index", "minimalist"};

// Fills a rectangle with a table tile, as the game tiles its table.
void TileArea(QPainter& p, const QImage& backArt, int tile, const QRect& area) {
  const QPoint at = BackTilePos(tile);
  const QImage piece = backArt.copy(at.x(), at.y(), kBackTileSize, kBackTileSize);
  p.save();
  p.setClipRect(area);
  for (int y = area.top(); y < area.bottom(); y += kBackTileSize) {
    for (int x = area.left(); x < area.right(); x += kBackTileSize) p.drawImage(x, y, piece);
  }
  p.restore();
}

// One cell of a composed sheet, drawn through its transparency.
void DrawCell(QPainter& p, const QImage& sheet, int col, int row, QPoint at) {
  p.drawImage(at, sheet, QRect(col * kCardWidth, row * kCardHeight, kCardWidth, kCardHeight));
}

// A caption in white with a dark shadow, readable on any tile.
void Caption(QPainter& p, QPoint at, const QString& text, int size = 14) {
  p.setFont(LabelFont(size, true));
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(at + QPoint(1, 1), text);
  p.setPen(Qt::white);
  p.drawText(at, text);
}

// Section 1: each style's whole composed sheet at full size.
int StyleSheets(QPainter& p, const QImage& art, int top) {
  for (int style = 0; style < 4; ++style) {
    const QImage sheet = SheetWithTransparency(ComposeCardSheet(art, {0, 0, 0, style, style}));
    const QPoint at(16 + (style % 2) * 1048, top + 28 + (style / 2) * 840);
    Caption(p, at + QPoint(0, -8),
            QString("Style %1 (%2): surface 0, lettering 0, suits 0, back %1")
                .arg(style)
                .arg(kStyleNames[style]));
    p.drawImage(at, sheet);
  }
  return top + 2 * 840 + 20;
}

// Section 2: ace of spades, ten of hearts and king of clubs in all 32
// combinations of surface, lettering, suit set and style, plain and
// highlighted.
int Combinations(QPainter& p, const QImage& art, int top) {
  int y = top;
  for (int style = 0; style < 4; ++style) {
    for (int combo = 0; combo < 8; ++combo) {
      const int face = combo >> 2 & 1, letter = combo >> 1 & 1, suit = combo & 1;
      const QImage sheet =
          SheetWithTransparency(ComposeCardSheet(art, {face, letter, suit, style, 0}));
      const int x = 16 + combo * 262;
      Caption(p, QPoint(x, y + 14),
              QString("st%1 f%2 l%3 s%4").arg(style).arg(face).arg(letter).arg(suit), 12);
      const int cards[3][2] = {{0, 0}, {9, 2}, {12, 1}};
      for (int i = 0; i < 3; ++i) {
        DrawCell(p, sheet, cards[i][0], cards[i][1], QPoint(x + i * 68, y + 20));
        DrawCell(p, sheet, cards[i][0], cards[i][1] + 4, QPoint(x + i * 68, y + 104));
      }
    }
    y += 196;
  }
  return y + 10;
}

// Section 3: piles as the table shows them: columns fanned by 16 pixels,
// a row fanned sideways, a dragged group with its shadow, empty markers.
int Piles(QPainter& p, const QImage& art, int top) {
  for (int style = 0; style < 4; ++style) {
    const QImage sheet = SheetWithTransparency(ComposeCardSheet(art, {0, 0, 0, style, style}));
    const int x0 = 16 + style * 524;
    Caption(p, QPoint(x0, top + 16), QString("Style %1 in play").arg(style));
    for (int col = 0; col < 4; ++col) {
      for (int i = 0; i < 7; ++i) {
        const int k = 12 - i - col, s = (i + col) % 4;
        const bool down = i < col;
        DrawCell(p, sheet, down ? 0 : (k + 13) % 13, down ? 9 : s,
                 QPoint(x0 + col * 72, top + 28 + i * 16));
      }
    }
    for (int i = 0; i < 6; ++i)
      DrawCell(p, sheet, 4 + i, i % 4, QPoint(x0 + 300 + i * 16, top + 28));
    DrawCell(p, sheet, 7, 1, QPoint(x0 + 300, top + 120));
    DrawCell(p, sheet, 1, 9, QPoint(x0 + 388, top + 148));
    DrawCell(p, sheet, 6, 6, QPoint(x0 + 380, top + 140));
    for (int m = 0; m < 5; ++m) DrawCell(p, sheet, 8 + m, 9, QPoint(x0 + m * 68, top + 250));
    DrawCell(p, sheet, 0, 8, QPoint(x0 + 340, top + 250));
  }
  return top + 350;
}

// Section 4: the eight card backs.
int Backs(QPainter& p, const QImage& art, int top) {
  Caption(p, QPoint(16, top + 16), "Card backs 0 to 7");
  for (int b = 0; b < kCardBacks; ++b) {
    const QImage sheet = SheetWithTransparency(ComposeCardSheet(art, {0, 0, 0, 0, b}));
    DrawCell(p, sheet, 0, 9, QPoint(16 + b * 80, top + 28));
  }
  return top + 130;
}

// Section 5: every table tile repeated two by two, so seams would show.
int Tiles(QPainter& p, const QImage& backArt, int top) {
  for (int t = 0; t < kBackTileCount; ++t) {
    const QRect area(16 + (t % 8) * 262, top + (t / 8) * 280 + 20, 256, 256);
    TileArea(p, backArt, t, area);
    Caption(p, QPoint(area.left(), area.top() - 4), QString("Tile %1").arg(t), 12);
  }
  return top + 8 * 280 + 10;
}

}  // namespace

QImage ContactSheet(const QImage& cardArt, const QImage& backArt) {
  QImage out(kSheetWidth, 5400, QImage::Format_RGB32);
  QPainter p(&out);
  TileArea(p, backArt, 0, out.rect());
  int y = StyleSheets(p, cardArt, 10);
  y = Combinations(p, cardArt, y);
  y = Piles(p, cardArt, y);
  y = Backs(p, cardArt, y);
  p.fillRect(QRect(0, y, kSheetWidth, out.height() - y), QColor(40, 40, 40));
  y = Tiles(p, backArt, y + 10);
  p.end();
  return out.copy(0, 0, kSheetWidth, y);
}

}  // namespace tarnik::assets
