// The tournament file: the sixteen 200-byte tours byte for byte, no header.
#pragma once

#include <cstddef>
#include <string>

#include "engine/game/player_records.h"

namespace tarnik {

constexpr const char* kTourFilePath = "Data/Tarnik.tkt";

// Writes the 3200-byte image of the tour table.
void EncodeTourTable(const Records& records, unsigned char* out);
// Fills the tour table from the front of an image of `size` bytes (at most
// 3200 are used); the bytes the image does not reach become zero.
void DecodeTourTable(const unsigned char* in, size_t size, Records& records);
// Reads the tournament file; false (table untouched) when it cannot be read.
bool ReadTourFile(Records& records, const std::string& path);
// Writes the tour table through a temporary file; false when it cannot.
bool WriteTourFile(const Records& records, const std::string& path);

}  // namespace tarnik
