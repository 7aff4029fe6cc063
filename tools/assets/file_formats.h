// Writing the two file formats the game reads: uncompressed 24-bit
// bitmaps and 16-bit PCM wave files.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace tarnik::assets {

// Writes `image` as a bottom-up 24-bit BMP with the standard 14- and
// 40-byte headers and no compression. False when the file cannot be written.
bool WriteBmp24(const QString& path, const QImage& image);

// Writes mono 16-bit PCM samples as a RIFF wave file.
bool WriteWav16(const QString& path, const std::vector<int16_t>& samples, int sampleRate);

}  // namespace tarnik::assets
