// Helpers of the artwork tests.
#include "asset_files.h"

#include <QFile>

#include "ui/art/card_images.h"

namespace tarnik::test {

QString DataFile(const char* relative) {
  return QString(TARNIK_DATA_DIR "/") + relative;
}

const QImage& CardArt() {
  static const QImage art = LoadBitmapFile(DataFile("Graphic/Card.bmp"));
  return art;
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

uint32_t Le32(const QByteArray& b, int o) {
  auto u = [&](int i) { return uint32_t(uint8_t(b[o + i])); };
  return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}

uint16_t Le16(const QByteArray& b, int o) {
  return uint16_t(uint8_t(b[o]) | uint8_t(b[o + 1]) << 8);
}

int InkedPixels(const QImage& image, const QRect& rect) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x)
      count += !IsTransparentColour(image.pixel(x, y));
  }
  return count;
}

bool SamePixels(const QImage& a, const QRect& ra, const QImage& b, QPoint at) {
  for (int y = 0; y < ra.height(); ++y) {
    for (int x = 0; x < ra.width(); ++x) {
      if ((a.pixel(ra.left() + x, ra.top() + y) & 0xFFFFFF) !=
          (b.pixel(at.x() + x, at.y() + y) & 0xFFFFFF)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace tarnik::test
