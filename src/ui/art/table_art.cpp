#include "ui/art/table_art.h"

#include <QPixmap>

#include "engine/records/preference_ranges.h"
#include "ui/art/card_images.h"

namespace tarnik {

namespace {

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

}  // namespace

bool TableArt::Load(QString* error) {
  tableSurface = QImage(kSurfaceWidth, kSurfaceHeight, QImage::Format_RGB32);
  dragSurface = QImage(kSurfaceWidth, kSurfaceHeight, QImage::Format_RGB32);
  tableSurface.fill(Qt::darkGreen);
  dragSurface.fill(Qt::darkGreen);
  if (!LoadArt(QStringLiteral("Graphic/Back.bmp"), kBackArtSize, kBackArtSize, backArt, error))
    return false;
  if (!LoadArt(QStringLiteral("Graphic/Card.bmp"), kCardArtWidth, kCardArtHeight, cardArt, error))
    return false;
  const QPixmap cursor(QStringLiteral("Graphic/DragCursor.png"));
  dragCursor = cursor.isNull() ? QCursor(Qt::ClosedHandCursor)
                               : QCursor(cursor, DragCursorHotSpot().x(), DragCursorHotSpot().y());
  return true;
}

void TableArt::Compose(const Preferences& prefs) {
  const Appearance a = AppearanceInRange(prefs);
  cardSheet = ComposeCardSheet(cardArt, {a.CardFace, a.CardLetter, a.CardSuit, a.CardStyle,
                                         a.CardBack});
  sheetAlpha = SheetWithTransparency(cardSheet).convertToFormat(
      QImage::Format_ARGB32_Premultiplied);
}

}  // namespace tarnik
