// Helpers of the artwork tests: where the generated files are and how to
// look at their raw bytes and pixels.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace tarnik::test {

// A file of the generated data folder, e.g. "Graphic/Card.bmp".
QString DataFile(const char* relative);
// "Graphic/Card.bmp" as the game reads it, loaded once.
const QImage& CardArt();
// The whole file, or an empty array when it cannot be read.
QByteArray ReadBytes(const QString& path);
// Little-endian integers inside a byte array.
uint32_t Le32(const QByteArray& bytes, int offset);
uint16_t Le16(const QByteArray& bytes, int offset);
// Number of pixels in a rectangle that are not pure white.
int InkedPixels(const QImage& image, const QRect& rect);
// True when the two rectangles of the two images hold the same pixels.
bool SamePixels(const QImage& a, const QRect& ra, const QImage& b, QPoint at);

}  // namespace tarnik::test
