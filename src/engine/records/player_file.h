// The player file: the whole log table, 256 blocks of 100 twelve-byte
// records, byte for byte with no header.
#pragma once

#include <cstddef>
#include <string>

#include "engine/game/player_records.h"

namespace tarnik {

// Writes the 307200-byte image of the log table.
void EncodePlayerFile(const Records& records, unsigned char* out);
// Fills the log table from the front of an image of `size` bytes (at most
// 307200 are used); the records the image does not reach become empty.
void DecodePlayerFile(const unsigned char* in, size_t size, Records& records);
// Reads a player file into the log table; false (table untouched) when the
// file cannot be read.
bool ReadPlayerFile(Records& records, const std::string& path);
// Writes the log table through a temporary file; false when it cannot.
bool WritePlayerFile(const Records& records, const std::string& path);

}  // namespace tarnik
