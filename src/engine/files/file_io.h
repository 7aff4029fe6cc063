// File access shared by every record file of the game. Reads check every
// length; writes go to a temporary file that is synced to the disk and then
// renamed over the old one (the folder synced after), so that a crash, a
// power cut or a full disk never leaves half a file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarnik {

// The size of a regular file, or nothing when it cannot be measured.
std::optional<uint64_t> FileSize(const std::string& path);
// Reads exactly `length` bytes at `offset`; false when the file is shorter
// or cannot be read.
bool ReadAt(const std::string& path, uint64_t offset, void* buffer, size_t length);
// Reads a whole file of at most `limit` bytes; nothing when it is missing,
// unreadable or larger.
std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string& path, uint64_t limit);
// Whether an existing file may be changed: someone holds write permission.
bool IsWritable(const std::string& path);
// Copies the file (or starts from nothing when it does not exist yet), lets
// `edit` change the copy, and renames the copy over the file. Nothing changes
// when the file is read-only or any step fails.
bool EditFileSafely(const std::string& path, const std::function<bool(std::fstream&)>& edit);
// Writes a whole file through a temporary copy.
bool WriteFileSafely(const std::string& path, const void* data, size_t length);
// Moves a file aside to the first of `names`; a file already under a name
// moves on to the next one and the file under the last name is removed, so
// that no more than names.size() are kept. False when it could not be moved.
bool KeepAside(const std::string& path, const std::vector<std::string>& names);

}  // namespace tarnik
