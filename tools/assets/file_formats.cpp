// BMP and WAV writers.
#include "file_formats.h"

#include <QFile>

namespace tarnik::assets {

namespace {

// Appends a little-endian integer of `bytes` bytes.
void Put(QByteArray& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Writes the whole buffer or reports failure.
bool WriteAll(const QString& path, const QByteArray& data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

}  // namespace

bool WriteBmp24(const QString& path, const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const uint32_t w = rgb.width(), h = rgb.height();
  const uint32_t rowBytes = (w * 3 + 3) & ~3u;
  const uint32_t pixelBytes = rowBytes * h;
  QByteArray out;
  out.reserve(54 + pixelBytes);
  out.append("BM");
  Put(out, 54 + pixelBytes, 4);
  Put(out, 0, 4);
  Put(out, 54, 4);
  Put(out, 40, 4);
  Put(out, w, 4);
  Put(out, h, 4);
  Put(out, 1, 2);
  Put(out, 24, 2);
  Put(out, 0, 4);
  Put(out, pixelBytes, 4);
  Put(out, 2835, 4);
  Put(out, 2835, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (uint32_t x = 0; x < w; ++x) {
      out.append(static_cast<char>(qBlue(line[x])));
      out.append(static_cast<char>(qGreen(line[x])));
      out.append(static_cast<char>(qRed(line[x])));
    }
    for (uint32_t pad = w * 3; pad < rowBytes; ++pad) out.append('\0');
  }
  return WriteAll(path, out);
}

bool WriteWav16(const QString& path, const std::vector<int16_t>& samples, int sampleRate) {
  const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  QByteArray out;
  out.append("RIFF");
  Put(out, 36 + dataBytes, 4);
  out.append("WAVEfmt ");
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, sampleRate, 4);
  Put(out, sampleRate * 2, 4);
  Put(out, 2, 2);
  Put(out, 16, 2);
  out.append("data");
  Put(out, dataBytes, 4);
  for (int16_t s : samples) Put(out, static_cast<uint16_t>(s), 2);
  return WriteAll(path, out);
}

}  // namespace tarnik::assets
