// The card artwork: where every picture lies in "Graphic/Card.bmp", how a
// 24-bit bitmap file is read, and how the sheet of ready card faces is
// composed from the artwork for one choice of appearance settings. Pure
// white is the transparent colour of all artwork.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include "engine/cards/cards.h"  // kCardWidth, kCardHeight: every card picture's cell

namespace tarnik {

// Sizes of the two artwork files and of the composed sheet.
constexpr int kCardArtWidth = 832;
constexpr int kCardArtHeight = 640;
constexpr int kBackArtSize = 1024;
constexpr int kBackTileSize = 128;
constexpr int kBackTileCount = 64;
constexpr int kWonTableBack = 63;
constexpr int kCardSheetWidth = 832;
constexpr int kCardSheetHeight = 800;

// Sizes of the small artwork items.
constexpr int kPictureWidth = 48;
constexpr int kPictureHeight = 64;
constexpr int kGlyphSize = 14;
constexpr int kPipSize = 10;
constexpr int kCounterStripWidth = 14;
constexpr int kCounterStripHeight = 64;

// Number of variants of each appearance setting.
constexpr int kCardFaces = 2;
constexpr int kCardLetters = 2;
constexpr int kCardSuits = 2;
constexpr int kCardStyles = 4;
constexpr int kCardBacks = 8;

// Positions (top-left corners) of the items of "Graphic/Card.bmp".
// k = rank index 0 (ace) … 12 (king); s = suit 0 spades, 1 clubs, 2 hearts,
// 3 diamonds; red suits take the lower row of each letter set.
inline QPoint CentrePicturePos(int style, int picture) {
  return {48 * picture, 64 * style};
}
inline QPoint RankLetterPos(int letter, int k, int s, bool upsideDown) {
  return {16 * k + (upsideDown ? 209 : 1), 321 + 32 * letter + (s >= 2 ? 16 : 0)};
}
inline QPoint SuitSymbolPos(int suitSet, int s, bool upsideDown) {
  return {417 + 16 * s, 321 + 32 * suitSet + (upsideDown ? 16 : 0)};
}
inline QPoint PipPos(int suitSet, int s, bool upsideDown) {
  return {483 + 16 * s, 323 + 32 * suitSet + (upsideDown ? 16 : 0)};
}
inline QPoint DropShadowPos() {
  return {0, 400};
}
inline QPoint MarkersPos() {
  return {512, 400};
}
inline QPoint SurfacePos(int face, bool highlighted) {
  return {64 * (2 * face + highlighted), 480};
}
inline QPoint CounterStripPos() {
  return {576, 480};
}
inline QPoint CardBackPos(int back) {
  return {64 * back, 560};
}
inline QPoint BackTilePos(int tile) {
  return {(tile % 8) * 128, (tile / 8) * 128};
}

// The drag cursor picture (32 × 32, black, white and transparent) points
// with this pixel, the corner of its front card.
inline QPoint DragCursorHotSpot() {
  return {7, 0};
}

// Centre picture numbers: 0 the number-card frame, then four per kind.
constexpr int kFramePicture = 0;
inline int AcePicture(int s) {
  return 1 + s;
}
inline int JackPicture(int s) {
  return 5 + s;
}
inline int QueenPicture(int s) {
  return 9 + s;
}
inline int KingPicture(int s) {
  return 13 + s;
}
constexpr int kPictureCount = 17;

// Cells of the composed sheet that are not card faces.
constexpr int kRankMarkerRow = 8;
constexpr int kSpecialRow = 9;
constexpr int kBackColumn = 0;
constexpr int kShadowColumn = 1;
constexpr int kBlankSpaceColumn = 8;
constexpr int kAnyFaceCardColumn = 9;
constexpr int kRedealColumn = 10;
constexpr int kAnyCardColumn = 11;
constexpr int kNoneColumn = 12;

// The five appearance settings that the composition depends on.
struct CardAppearance {
  int face = 0;    // card surface pair, 0 or 1
  int letter = 0;  // rank letter set, 0 or 1
  int suit = 0;    // suit symbol and pip set, 0 or 1
  int style = 0;   // centre pictures and pip arrangement, 0 to 3
  int back = 0;    // card back, 0 to 7
};

// Brings every setting into its range; a value outside it counts as 0.
CardAppearance ClampAppearance(CardAppearance appearance);

// Reads a 24-bit bitmap file the way the game does: the 14-byte file
// header is skipped, the 40-byte information header gives width and
// height, and width × height × 3 bytes of bottom-up rows follow directly.
// Returns a null image, with a reason in *error, for a missing, short or
// malformed file; never reads beyond the file.
QImage LoadBitmapFile(const QString& path, QString* error = nullptr);

// True for the transparent colour: red, green and blue all 255.
inline bool IsTransparentColour(QRgb pixel) {
  return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

// Copies a rectangle so that the source's pure-white pixels leave the
// destination unchanged and all other pixels replace it.
void TransparentCopy(QImage& dest, int x, int y, int w, int h, const QImage& source, int sx,
                     int sy);

// Composes the sheet of 13 × 10 cells (faces plain and highlighted, rank
// markers, back, shadow, empty-pile markers) from the artwork for one
// appearance. The result is RGB32; cells where nothing is composed are
// pure white. `cardArt` must be at least 832 × 640 times `scale`, the
// resolution it was made at (1 classic, 2 or 3 for the larger artwork);
// the sheet is then `scale` times as large too.
QImage ComposeCardSheet(const QImage& cardArt, CardAppearance appearance, int scale = 1);

// The composed sheet with pure white made fully transparent, ready to be
// drawn with ordinary alpha blending.
QImage SheetWithTransparency(const QImage& sheet);

// Where the pips of rank index k stand in a cell: arrangement A for styles
// 0 and 1, B for styles 2 and 3. Returns the count (at most 11).
int PipLayout(int style, int k, QPoint out[11]);

}  // namespace tarnik
