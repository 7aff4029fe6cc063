// Helpers of the artwork tests: the generated files, their bytes and pixels.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdint>

#include "ui/art/card_images.h"

namespace tarnik::test {

// A file of the generated data folder, e.g. "Graphic/Card.bmp".
inline QString DataFile(const QString& relative) {
  return TARNIK_DATA_DIR "/" + relative;
}

// The whole file, or an empty array when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "Graphic/Card.bmp" as the game reads it, loaded once.
inline const QImage& CardArt() {
  static const QImage art = LoadBitmapFile(DataFile("Graphic/Card.bmp"));
  return art;
}

// Little-endian integers inside a byte array.
inline uint32_t Le(const QByteArray& b, int at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(b[at + i]);
  return v;
}

// Number of pixels in a rectangle that are not pure white.
inline int InkedPixels(const QImage& image, const QRect& rect) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      count += !IsTransparentColour(image.pixel(x, y));
  return count;
}

// True when rectangle `ra` of `a` holds the pixels of `b` at `at`.
inline bool SamePixels(const QImage& a, const QRect& ra, const QImage& b, QPoint at) {
  for (int y = 0; y < ra.height(); ++y)
    for (int x = 0; x < ra.width(); ++x)
      if ((a.pixel(ra.left() + x, ra.top() + y) & 0xFFFFFF) !=
          (b.pixel(at.x() + x, at.y() + y) & 0xFFFFFF))
        return false;
  return true;
}

}  // namespace tarnik::test
