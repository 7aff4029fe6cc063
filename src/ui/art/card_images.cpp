// Reading the artwork and composing the sheet of card faces.
#include "ui/art/card_images.h"

#include <QFile>
#include <array>
#include <cstdint>
#include <vector>

namespace tarnik {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

// Little-endian 32-bit integer at `p`.
int32_t ReadLe32(const unsigned char* p) {
  return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                              uint32_t(p[3]) << 24);
}

// Stores a reason for a refusal when the caller asked for one.
QImage Refuse(QString* error, const QString& reason) {
  if (error) *error = reason;
  return {};
}

// One pip position of the two arrangements.
struct PipSpot {
  int8_t x, y;
};

// Arrangement A: every card keeps the small index pip at (51, 3).
const std::array<std::vector<PipSpot>, 13> kArrangementA = {{
    {{51, 3}},
    {{51, 3}, {27, 17}, {27, 53}},
    {{51, 3}, {27, 17}, {27, 35}, {27, 53}},
    {{51, 3}, {17, 17}, {37, 17}, {17, 53}, {37, 53}},
    {{51, 3}, {17, 17}, {37, 17}, {27, 35}, {17, 53}, {37, 53}},
    {{51, 3}, {17, 17}, {37, 17}, {17, 35}, {37, 35}, {17, 53}, {37, 53}},
    {{51, 3}, {17, 17}, {37, 17}, {27, 26}, {17, 35}, {37, 35}, {17, 53}, {37, 53}},
    {{51, 3}, {17, 17}, {37, 17}, {27, 26}, {17, 35}, {37, 35}, {27, 44}, {17, 53}, {37, 53}},
    {{51, 3},
     {17, 17},
     {37, 17},
     {17, 29},
     {37, 29},
     {27, 35},
     {17, 41},
     {37, 41},
     {17, 53},
     {37, 53}},
    {{51, 3},
     {17, 17},
     {37, 17},
     {27, 23},
     {17, 29},
     {37, 29},
     {17, 41},
     {37, 41},
     {27, 47},
     {17, 53},
     {37, 53}},
    {{51, 3}},
    {{51, 3}},
    {{51, 3}},
}};

// Arrangement B: the index pip only on aces and court cards.
const std::array<std::vector<PipSpot>, 13> kArrangementB = {{
    {{51, 3}},
    {{27, 4}, {27, 64}},
    {{27, 4}, {27, 34}, {27, 64}},
    {{17, 4}, {37, 4}, {17, 64}, {37, 64}},
    {{17, 4}, {37, 4}, {27, 34}, {17, 64}, {37, 64}},
    {{17, 4}, {37, 4}, {17, 34}, {37, 34}, {17, 64}, {37, 64}},
    {{17, 4}, {37, 4}, {27, 19}, {17, 34}, {37, 34}, {17, 64}, {37, 64}},
    {{17, 4}, {37, 4}, {27, 19}, {17, 34}, {37, 34}, {27, 49}, {17, 64}, {37, 64}},
    {{17, 4}, {37, 4}, {17, 24}, {37, 24}, {27, 34}, {17, 44}, {37, 44}, {17, 64}, {37, 64}},
    {{17, 4},
     {37, 4},
     {27, 14},
     {17, 24},
     {37, 24},
     {17, 44},
     {37, 44},
     {27, 54},
     {17, 64},
     {37, 64}},
    {{51, 3}},
    {{51, 3}},
    {{51, 3}},
}};

// A setting in [0, count), or 0 when it lies outside.
int InRange(int value, int count) {
  return value >= 0 && value < count ? value : 0;
}

// Plain copy of a rectangle, white pixels included.
void PlainCopy(QImage& dest, int x, int y, int w, int h, const QImage& source, int sx, int sy) {
  for (int row = 0; row < h; ++row) {
    const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy + row)) + sx;
    QRgb* to = reinterpret_cast<QRgb*>(dest.scanLine(y + row)) + x;
    for (int col = 0; col < w; ++col) to[col] = from[col] | 0xFF000000u;
  }
}

// The centre picture number for rank index k of suit s.
int PictureFor(int k, int s) {
  if (k == 0) return AcePicture(s);
  if (k == 10) return JackPicture(s);
  if (k == 11) return QueenPicture(s);
  if (k == 12) return KingPicture(s);
  return kFramePicture;
}

// Copies at resolution r: every position and size given in classic pixels.
struct Scaled {
  QImage& sheet;
  const QImage& art;
  int r;
  void Plain(int x, int y, int w, int h, QPoint from) const {
    PlainCopy(sheet, r * x, r * y, r * w, r * h, art, r * from.x(), r * from.y());
  }
  void Masked(int x, int y, int w, int h, QPoint from) const {
    TransparentCopy(sheet, r * x, r * y, r * w, r * h, art, r * from.x(), r * from.y());
  }
};

// The pips and the centre picture of one face, over the surface already in
// the cell whose top-left corner is (cx, cy).
void DrawFaceArt(const Scaled& out, const CardAppearance& a, int k, int s, int cx, int cy) {
  QPoint spots[11];
  const int count = PipLayout(a.style, k, spots);
  for (int i = 0; i < count; ++i) {
    out.Masked(cx + spots[i].x(), cy + spots[i].y(), kPipSize, kPipSize,
               PipPos(a.suit, s, spots[i].y() >= 41));
  }
  out.Masked(cx + 8, cy + 8, kPictureWidth, kPictureHeight,
             CentrePicturePos(a.style, PictureFor(k, s)));
}

// Surface, corner letters and suit symbols, then the face art of one card.
void ComposeFace(const Scaled& out, const CardAppearance& a, int k, int s, bool highlighted) {
  const int cx = kCardWidth * k;
  const int cy = kCardHeight * (s + (highlighted ? 4 : 0));
  out.Plain(cx, cy, kCardWidth, kCardHeight, SurfacePos(a.face, highlighted));
  out.Masked(cx + 1, cy + 2, kGlyphSize, kGlyphSize, RankLetterPos(a.letter, k, s, false));
  out.Masked(cx + 49, cy + 64, kGlyphSize, kGlyphSize, RankLetterPos(a.letter, k, s, true));
  out.Masked(cx + 1, cy + 18, kGlyphSize, kGlyphSize, SuitSymbolPos(a.suit, s, false));
  out.Masked(cx + 49, cy + 48, kGlyphSize, kGlyphSize, SuitSymbolPos(a.suit, s, true));
  DrawFaceArt(out, a, k, s, cx, cy);
}

// The marker of an empty pile that starts with any card of rank index k:
// highlighted surface, black rank letters, and the frame of style 0.
void ComposeRankMarker(const Scaled& out, const CardAppearance& a, int k) {
  const int cx = kCardWidth * k;
  out.Plain(cx, 640, kCardWidth, kCardHeight, SurfacePos(a.face, true));
  out.Masked(cx + 1, 642, kGlyphSize, kGlyphSize, RankLetterPos(a.letter, k, 0, false));
  out.Masked(cx + 49, 704, kGlyphSize, kGlyphSize, RankLetterPos(a.letter, k, 0, true));
  out.Masked(cx + 8, 648, kPictureWidth, kPictureHeight, QPoint(0, 0));
}

}  // namespace

CardAppearance ClampAppearance(CardAppearance a) {
  return {InRange(a.face, kCardFaces), InRange(a.letter, kCardLetters), InRange(a.suit, kCardSuits),
          InRange(a.style, kCardStyles), InRange(a.back, kCardBacks)};
}

QImage LoadBitmapFile(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Refuse(error, "cannot open " + path);
  const QByteArray headers = file.read(kFileHeaderSize + kInfoHeaderSize);
  if (headers.size() != kFileHeaderSize + kInfoHeaderSize || headers[0] != 'B' ||
      headers[1] != 'M') {
    return Refuse(error, path + " is not a bitmap file");
  }
  const auto* info = reinterpret_cast<const unsigned char*>(headers.constData()) + kFileHeaderSize;
  const int32_t width = ReadLe32(info + 4);
  const int32_t height = ReadLe32(info + 8);
  const int bits = info[14] | info[15] << 8;
  const int32_t compression = ReadLe32(info + 16);
  if (width <= 0 || height <= 0 || width > 8192 || height > 8192 || bits != 24 ||
      compression != 0) {
    return Refuse(error, path + " is not an uncompressed 24-bit bitmap");
  }
  const qint64 rowBytes = qint64(width) * 3;
  const QByteArray pixels = file.read(rowBytes * height);
  if (pixels.size() != rowBytes * height) return Refuse(error, path + " is too short");
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const auto* from =
        reinterpret_cast<const unsigned char*>(pixels.constData()) + (height - 1 - y) * rowBytes;
    QRgb* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) to[x] = qRgb(from[3 * x + 2], from[3 * x + 1], from[3 * x]);
  }
  return image;
}

void TransparentCopy(QImage& dest, int x, int y, int w, int h, const QImage& source, int sx,
                     int sy) {
  for (int row = 0; row < h; ++row) {
    const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy + row)) + sx;
    QRgb* to = reinterpret_cast<QRgb*>(dest.scanLine(y + row)) + x;
    for (int col = 0; col < w; ++col) {
      if (!IsTransparentColour(from[col])) to[col] = from[col] | 0xFF000000u;
    }
  }
}

QImage ComposeCardSheet(const QImage& cardArt, CardAppearance appearance, int scale) {
  const CardAppearance a = ClampAppearance(appearance);
  const QImage art = cardArt.convertToFormat(QImage::Format_RGB32);
  QImage sheet(kCardSheetWidth * scale, kCardSheetHeight * scale, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  const Scaled out{sheet, art, scale};
  for (int k = 0; k < 13; ++k) {
    for (int s = 0; s < 4; ++s) {
      ComposeFace(out, a, k, s, false);
      ComposeFace(out, a, k, s, true);
    }
    ComposeRankMarker(out, a, k);
  }
  out.Plain(512, 720, 320, kCardHeight, MarkersPos());
  out.Plain(kCardWidth * kShadowColumn, 720, kCardWidth, kCardHeight, DropShadowPos());
  out.Plain(0, 720, kCardWidth, kCardHeight, CardBackPos(a.back));
  return sheet;
}

QImage SheetWithTransparency(const QImage& sheet) {
  QImage out = sheet.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if (IsTransparentColour(line[x])) line[x] = 0;
    }
  }
  return out;
}

int PipLayout(int style, int k, QPoint out[11]) {
  if (k < 0 || k > 12) return 0;
  const auto& spots = (InRange(style, kCardStyles) < 2 ? kArrangementA : kArrangementB)[k];
  for (size_t i = 0; i < spots.size(); ++i) out[i] = QPoint(spots[i].x, spots[i].y);
  return static_cast<int>(spots.size());
}

}  // namespace tarnik
