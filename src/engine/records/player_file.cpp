#include "engine/records/player_file.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/files/file_io.h"
#include "engine/files/little_endian.h"

namespace tarnik {

// The table as one array of records in file order.
static LogRecord* AllRecords(Records& records) {
  return &records.PlayerFile[0][0];
}
static const LogRecord* AllRecords(const Records& records) {
  return &records.PlayerFile[0][0];
}
constexpr int kAllRecords = kMaxGames * kLogRecordsPerGame;

void EncodePlayerFile(const Records& records, unsigned char* out) {
  const LogRecord* all = AllRecords(records);
  for (int i = 0; i < kAllRecords; ++i, out += kLogRecordSize) {
    PutLittle32(out, all[i].Seed);
    PutLittle32(out + 4, all[i].Game);
    out[8] = all[i].Status;
    out[9] = all[i].Comment;
    out[10] = all[i].HighScore;
    out[11] = all[i].Spare;
  }
}

void DecodePlayerFile(const unsigned char* in, size_t size, Records& records) {
  // A short image fills the front; the missing bytes read as zero.
  unsigned char record[kLogRecordSize];
  LogRecord* all = AllRecords(records);
  for (int i = 0; i < kAllRecords; ++i) {
    const size_t at = size_t(i) * kLogRecordSize;
    const size_t have = at < size ? std::min<size_t>(size - at, kLogRecordSize) : 0;
    std::memset(record, 0, sizeof record);
    if (have) std::memcpy(record, in + at, have);
    all[i].Seed = GetLittle32(record);
    all[i].Game = GetLittle32(record + 4);
    all[i].Status = record[8];
    all[i].Comment = record[9];
    all[i].HighScore = record[10];
    all[i].Spare = record[11];
  }
}

bool ReadPlayerFile(Records& records, const std::string& path) {
  const auto size = FileSize(path);
  if (!size) return false;
  std::vector<unsigned char> bytes(std::min<uint64_t>(*size, kPlayerFileSize));
  if (!bytes.empty() && !ReadAt(path, 0, bytes.data(), bytes.size())) return false;
  DecodePlayerFile(bytes.data(), bytes.size(), records);
  return true;
}

bool WritePlayerFile(const Records& records, const std::string& path) {
  std::vector<unsigned char> bytes(kPlayerFileSize);
  EncodePlayerFile(records, bytes.data());
  return WriteFileSafely(path, bytes.data(), bytes.size());
}

}  // namespace tarnik
