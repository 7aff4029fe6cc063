#include "engine/files/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tarnik {

std::optional<uint64_t> FileSize(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  const uintmax_t size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  return static_cast<uint64_t>(size);
}

bool ReadAt(const std::string& path, uint64_t offset, void* buffer, size_t length) {
  const auto size = FileSize(path);
  if (!size || offset > *size || length > *size - offset) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  in.seekg(static_cast<std::streamoff>(offset));
  in.read(static_cast<char*>(buffer), static_cast<std::streamsize>(length));
  return in.gcount() == static_cast<std::streamsize>(length);
}

std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string& path,
                                                        uint64_t limit) {
  const auto size = FileSize(path);
  if (!size || *size > limit) return std::nullopt;
  std::vector<unsigned char> bytes(static_cast<size_t>(*size));
  if (!bytes.empty() && !ReadAt(path, 0, bytes.data(), bytes.size())) return std::nullopt;
  return bytes;
}

bool IsWritable(const std::string& path) {
  std::error_code ec;
  const fs::perms p = fs::status(path, ec).permissions();
  if (ec) return false;
  const fs::perms anyWrite = fs::perms::owner_write | fs::perms::group_write |
                             fs::perms::others_write;
  return (p & anyWrite) != fs::perms::none;
}

// A temporary name beside the file, in the same folder so rename is atomic.
static std::string TemporaryName(const std::string& path) { return path + ".new"; }

// Flushes a file, or a folder's list of names, to the disk; false when the
// disk did not take it.
static bool SyncToDisk(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

// Puts the finished copy in place of the file: its bytes reach the disk
// before the rename, and the folder's new name after it, so that a power
// cut leaves either the old file or the new one, whole. The copy is removed
// on failure.
static bool Commit(const std::string& temp, const std::string& path) {
  std::error_code ec;
  if (!SyncToDisk(temp, 0)) {
    fs::remove(temp, ec);
    return false;
  }
  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  const fs::path folder = fs::path(path).parent_path();
  SyncToDisk(folder.empty() ? "." : folder.string(), O_DIRECTORY);  // some file systems cannot
  return true;
}

bool EditFileSafely(const std::string& path, const std::function<bool(std::fstream&)>& edit) {
  std::error_code ec;
  const bool exists = fs::exists(path, ec);
  if (exists && (!fs::is_regular_file(path, ec) || !IsWritable(path))) return false;
  const std::string temp = TemporaryName(path);
  if (exists) {
    if (!fs::copy_file(path, temp, fs::copy_options::overwrite_existing, ec)) return false;
  } else {
    std::ofstream create(temp, std::ios::binary | std::ios::trunc);
    if (!create) return false;
  }
  bool ok;
  {
    std::fstream file(temp, std::ios::in | std::ios::out | std::ios::binary);
    ok = file && edit(file);
    file.flush();
    ok = ok && static_cast<bool>(file);
  }
  if (!ok) {
    fs::remove(temp, ec);
    return false;
  }
  return Commit(temp, path);
}

bool WriteFileSafely(const std::string& path, const void* data, size_t length) {
  std::error_code ec;
  if (fs::exists(path, ec) && !IsWritable(path)) return false;
  const std::string temp = TemporaryName(path);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(length));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temp, ec);
      return false;
    }
  }
  return Commit(temp, path);
}

bool KeepAside(const std::string& path, const std::vector<std::string>& names) {
  if (names.empty()) return false;
  std::error_code ec;
  fs::remove(names.back(), ec);
  for (size_t i = names.size() - 1; i > 0; --i)
    if (fs::is_regular_file(names[i - 1], ec)) fs::rename(names[i - 1], names[i], ec);
  fs::rename(path, names.front(), ec);
  return !ec;
}

}  // namespace tarnik
