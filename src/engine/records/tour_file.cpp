#include "engine/records/tour_file.h"

#include <algorithm>
#include <cstring>

#include "engine/files/file_io.h"
#include "engine/files/little_endian.h"

namespace tarnik {

// Byte offsets of the fields of one tour.
constexpr int kPositionAt = 128;
constexpr int kSeedAt = 132;
constexpr int kScoresAt = 136;
constexpr int kNameAt = 168;

void EncodeTourTable(const Records& records, unsigned char* out) {
  for (const TourRecord& tour : records.TourTable) {
    for (int i = 0; i < kTourGames; ++i) PutLittle32(out + 4 * i, tour.Games[i]);
    PutLittle32(out + kPositionAt, tour.Position);
    PutLittle32(out + kSeedAt, tour.Seed);
    std::memcpy(out + kScoresAt, tour.Scores, kTourGames);
    std::memcpy(out + kNameAt, tour.Name, kNameSize);
    out += kTourRecordSize;
  }
}

void DecodeTourTable(const unsigned char* in, size_t size, Records& records) {
  unsigned char image[kTourFileSize] = {};
  if (size) std::memcpy(image, in, std::min<size_t>(size, kTourFileSize));
  const unsigned char* at = image;
  for (TourRecord& tour : records.TourTable) {
    for (int i = 0; i < kTourGames; ++i) tour.Games[i] = GetLittle32(at + 4 * i);
    tour.Position = GetLittle32(at + kPositionAt);
    tour.Seed = GetLittle32(at + kSeedAt);
    std::memcpy(tour.Scores, at + kScoresAt, kTourGames);
    std::memcpy(tour.Name, at + kNameAt, kNameSize);
    at += kTourRecordSize;
  }
}

bool ReadTourFile(Records& records, const std::string& path) {
  const auto size = FileSize(path);
  if (!size) return false;
  unsigned char image[kTourFileSize];
  const size_t length = std::min<uint64_t>(*size, kTourFileSize);
  if (length && !ReadAt(path, 0, image, length)) return false;
  DecodeTourTable(image, length, records);
  return true;
}

bool WriteTourFile(const Records& records, const std::string& path) {
  unsigned char image[kTourFileSize];
  EncodeTourTable(records, image);
  return WriteFileSafely(path, image, sizeof image);
}

}  // namespace tarnik
