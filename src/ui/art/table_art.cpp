#include "ui/art/table_art.h"

#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "engine/records/preference_ranges.h"
#include "ui/art/card_images.h"

namespace tarnik {

namespace {

// The composed sheet's grid: 13 columns of 10 rows.
constexpr int kSheetColumns = 13;
constexpr int kSheetCells = 13 * 10;

// Reads one bitmap of at least the given size, or says what is wrong.
bool LoadArt(const QString& path, int width, int height, QImage& out, QString* error) {
  QString reason;
  out = LoadBitmapFile(path, &reason);
  if (out.isNull()) {
    *error = QStringLiteral("The picture file \"%1\" cannot be used: %2").arg(path, reason);
    return false;
  }
  if (out.width() < width || out.height() < height) {
    *error = QStringLiteral("The picture file \"%1\" is %2 × %3 pixels; it must be at least "
                            "%4 × %5.")
                 .arg(path)
                 .arg(out.width())
                 .arg(out.height())
                 .arg(width)
                 .arg(height);
    out = QImage();
    return false;
  }
  return true;
}

// A picture of the larger artwork, or a null image when it is missing or
// smaller than `resolution` times the classic size.
QImage ReadLarge(const QString& name, int resolution, int width, int height) {
  QImage image(QStringLiteral("Graphic/%1@%2x.png").arg(name).arg(resolution));
  if (image.width() < width * resolution || image.height() < height * resolution) return {};
  // Qt takes an "@2x" name for a picture of two pixels a point; the table
  // counts device pixels itself.
  image.setDevicePixelRatio(1.0);
  return image.convertToFormat(QImage::Format_RGB32);
}

// True when two factors draw the same pixels.
bool SameFactor(double a, double b) { return std::fabs(a - b) < 1e-6; }

// The appearance settings that the sheet depends on are the same.
bool SameLook(const Preferences& a, const Preferences& b) {
  return a.CardBack == b.CardBack && a.CardFace == b.CardFace && a.CardLetter == b.CardLetter &&
         a.CardSuit == b.CardSuit && a.CardStyle == b.CardStyle;
}

}  // namespace

int ArtResolutionFor(double factor) {
  for (int r = 1; r < kArtResolutions; ++r)
    if (factor <= r + 1e-6) return r;
  return kArtResolutions;
}

bool TableArt::Load(QString* error) {
  SetScreen(1.0, QSize(800, 526));  // the classic client; the window resizes them
  if (!LoadArt(QStringLiteral("Graphic/Back.bmp"), kBackArtSize, kBackArtSize, backArt, error))
    return false;
  if (!LoadArt(QStringLiteral("Graphic/Card.bmp"), kCardArtWidth, kCardArtHeight, cardArt, error))
    return false;
  SetCursorRatio(1.0);
  return true;
}

void TableArt::SetCursorRatio(double ratio) {
  const bool large = ratio > 1.0;
  if (cursorLarge_ == int(large)) return;
  cursorLarge_ = large;
  QPixmap cursor;
  if (large) {
    cursor = QPixmap(QStringLiteral("Graphic/DragCursor@2x.png"));
    cursor.setDevicePixelRatio(2.0);
  }
  if (cursor.isNull()) cursor = QPixmap(QStringLiteral("Graphic/DragCursor.png"));
  dragCursor = cursor.isNull() ? QCursor(Qt::ClosedHandCursor)
                               : QCursor(cursor, DragCursorHotSpot().x(), DragCursorHotSpot().y());
}

bool TableArt::ResolutionLoaded(int resolution) const {
  if (resolution == 1) return !cardArt.isNull();
  return resolution > 1 && resolution <= kArtResolutions && !largeCard_[resolution].isNull();
}

int TableArt::LargeArt(int resolution) {
  for (int r = resolution; r > 1; --r) {
    if (!tried_[r]) {
      tried_[r] = true;
      largeCard_[r] = ReadLarge(QStringLiteral("Card"), r, kCardArtWidth, kCardArtHeight);
      largeBack_[r] = ReadLarge(QStringLiteral("Back"), r, kBackArtSize, kBackArtSize);
      if (largeBack_[r].isNull()) largeCard_[r] = QImage();
    }
    if (!largeCard_[r].isNull()) return r;
  }
  return 1;
}

void TableArt::Compose(const Preferences& prefs) {
  const Appearance a = AppearanceInRange(prefs);
  cardSheet = ComposeCardSheet(cardArt, {a.CardFace, a.CardLetter, a.CardSuit, a.CardStyle,
                                         a.CardBack});
  sheetAlpha = SheetWithTransparency(cardSheet).convertToFormat(
      QImage::Format_ARGB32_Premultiplied);
  if (!SameLook(prefs, appearance_)) baseResolution_ = 0;
  appearance_ = prefs;
  ComposeScreen();
}

// A new size reallocates the table surface (its old picture means nothing
// at the new size); the sheet is composed again only for a new factor, so
// moving the window or a resize that keeps the zoom costs no scaling.
void TableArt::SetScreen(double factor, QSize devicePixels) {
  if (tableSurface.size() != devicePixels) {
    tableSurface = QImage(devicePixels, QImage::Format_RGB32);
    tableSurface.fill(Qt::darkGreen);
  }
  if (SameFactor(factor, factor_) && !screen_.sheet.isNull()) return;
  factor_ = factor;
  tileIndex_ = -1;
  if (!sheetAlpha.isNull()) ComposeScreen();
}

// The table's cells: at a factor of 1 the classic sheet itself; otherwise
// the sheet composed from the artwork of the resolution the factor needs,
// its cells smoothly scaled to the factor one by one as they are first
// drawn when that is not a whole resolution.
void TableArt::ComposeScreen() {
  resolution_ = SameFactor(factor_, 1.0) ? 1 : LargeArt(ArtResolutionFor(factor_));
  if (resolution_ == 1 && SameFactor(factor_, 1.0)) {
    screen_ = Classic();
    return;
  }
  if (baseResolution_ != resolution_) {
    if (resolution_ == 1) {
      base_ = sheetAlpha;
    } else {
      const Appearance a = AppearanceInRange(appearance_);
      base_ = SheetWithTransparency(ComposeCardSheet(largeCard_[resolution_],
                                                     {a.CardFace, a.CardLetter, a.CardSuit,
                                                      a.CardStyle, a.CardBack},
                                                     resolution_))
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    baseResolution_ = resolution_;
  }
  screen_ = {base_, 64 * resolution_, 80 * resolution_, 64 * resolution_, 80 * resolution_,
             factor_, nullptr};
  if (SameFactor(factor_, resolution_)) return;
  screen_.cellWidth = static_cast<int>(std::lround(64 * factor_));
  screen_.cellHeight = static_cast<int>(std::lround(80 * factor_));
  screen_.scaled = std::make_shared<std::vector<QImage>>(kSheetCells);
}

const QImage& TableArt::ScreenTile(int tile) {
  if (tile < 0 || tile >= kBackTileCount) tile = 0;
  if (tile == tileIndex_ && !tile_.isNull()) return tile_;
  tileIndex_ = tile;
  const int r = SameFactor(factor_, 1.0) ? 1 : resolution_;
  const QImage& source = r == 1 ? backArt : largeBack_[r];
  const QPoint at = BackTilePos(tile) * r;
  tile_ = source.copy(QRect(at, QSize(kBackTileSize * r, kBackTileSize * r)));
  const int side = static_cast<int>(std::lround(kBackTileSize * factor_));
  if (side != tile_.width())
    tile_ = tile_.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return tile_;
}

const QImage& CardCells::Cell(int column, int row, QRect* source) const {
  column = std::clamp(column, 0, kSheetColumns - 1);
  row = std::clamp(row, 0, kSheetCells / kSheetColumns - 1);
  const QRect inSheet(column * sheetCellWidth, row * sheetCellHeight, sheetCellWidth,
                      sheetCellHeight);
  if (!scaled) {
    *source = inSheet;
    return sheet;
  }
  QImage& cell = (*scaled)[row * kSheetColumns + column];
  if (cell.isNull())
    cell = sheet.copy(inSheet).scaled(cellWidth, cellHeight, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
  *source = cell.rect();
  return cell;
}

}  // namespace tarnik
