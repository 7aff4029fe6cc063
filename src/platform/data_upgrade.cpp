#include "platform/data_upgrade.h"

#include <algorithm>
#include <system_error>

#include "engine/files/file_io.h"
#include "engine/library/library.h"
#include "engine/library/library_merge.h"

namespace fs = std::filesystem;

namespace tarnik {

namespace {

// The folders whose files are the program's own and follow each version.
constexpr const char* kOwnedFolders[] = {"Help", "Graphic", "Sound"};
// No data file of the program is larger; a larger one is not copied.
constexpr uint64_t kLargestDataFile = 64u << 20;

std::optional<std::vector<unsigned char>> ReadFile(const fs::path& file) {
  return ReadWholeFile(file.string(), kLargestDataFile);
}

// Writes `bytes` to `file` through a temporary copy, creating its folder;
// the player may always change what the program wrote.
bool WriteFile(const fs::path& file, const std::vector<unsigned char>& bytes) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  if (!WriteFileSafely(file.string(), bytes.data(), bytes.size())) return false;
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
  return true;
}

// Every regular file below `folder`, as paths relative to it.
std::vector<fs::path> FilesBelow(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file(ec)) files.push_back(fs::relative(it->path(), folder, ec));
  return files;
}

// Copies every file of `from` that `to` does not have yet.
void FillMissingFiles(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  for (const fs::path& file : FilesBelow(from)) {
    if (fs::exists(to / file, ec)) continue;  // the player's own copy stays
    if (const auto bytes = ReadFile(from / file)) WriteFile(to / file, *bytes);
  }
}

// Replaces the player's copies of the program's own files that differ from
// the installed ones; returns how many were written.
int RefreshOwnedFiles(const fs::path& installed, const fs::path& player) {
  int written = 0;
  for (const char* owned : kOwnedFolders)
    for (const fs::path& file : FilesBelow(installed / owned)) {
      const auto bytes = ReadFile(installed / owned / file);
      if (!bytes || ReadFile(player / owned / file) == bytes) continue;
      if (WriteFile(player / owned / file, *bytes)) ++written;
    }
  return written;
}

// Merges the installed library into the player's, which stays as it is when
// it cannot be read or may not be written.
void MergePlayerLibrary(const fs::path& installed, const fs::path& player,
                        DataFolderUpdate& update) {
  const fs::path library = player / kLibraryPath;
  const auto shipped = ReadFile(installed / kLibraryPath);
  const auto mine = ReadFile(library);
  if (!shipped || !mine || !IsWritable(library.string())) return;
  const auto merge = MergeLibrary(ReadFile(player / kShippedLibraryPath), *shipped, *mine);
  if (merge.Records != *mine && !WriteFile(library, merge.Records)) return;
  update.UpdatedGames = merge.Updated;
  update.AddedGames = merge.Added;
  update.LeftOutGames = merge.LeftOut;
}

// Records the installed version and its library as what filled the folder;
// the version last, so that an interrupted upgrade is done again.
void RecordInstalledData(const fs::path& installed, const fs::path& player) {
  const auto shipped = ReadFile(installed / kLibraryPath);
  const auto version = ReadFile(installed / kVersionFile);
  if (!shipped || !version) return;
  if (WriteFile(player / kShippedLibraryPath, *shipped)) WriteFile(player / kVersionFile, *version);
}

// The numbers of a version, "1.2.10" as {1, 2, 10}; a part that is no
// number counts as 0.
std::vector<long> VersionNumbers(const std::string& version) {
  std::vector<long> numbers;
  size_t start = 0;
  while (start <= version.size() && !version.empty()) {
    const size_t dot = std::min(version.find('.', start), version.size());
    const std::string part = version.substr(start, dot - start);
    long value = 0;
    for (char c : part) {
      if (c < '0' || c > '9') break;
      value = std::min(value * 10 + (c - '0'), 1000000000L);
    }
    numbers.push_back(value);
    start = dot + 1;
  }
  return numbers;
}

}  // namespace

std::string ReadDataVersion(const fs::path& folder) {
  const auto bytes = ReadWholeFile((folder / kVersionFile).string(), 256);
  if (!bytes) return {};
  std::string text(bytes->begin(), bytes->end());
  const size_t end = text.find_first_of("\r\n");
  if (end != std::string::npos) text.resize(end);
  const size_t first = text.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : text.substr(first);
}

bool IsLaterVersion(const std::string& a, const std::string& b) {
  if (a.empty()) return false;
  if (b.empty()) return true;
  auto numbersA = VersionNumbers(a);
  auto numbersB = VersionNumbers(b);
  const size_t length = std::max(numbersA.size(), numbersB.size());
  numbersA.resize(length, 0);
  numbersB.resize(length, 0);
  return numbersA > numbersB;
}

DataFolderUpdate UpdateDataFolder(const fs::path& installed, const fs::path& player) {
  DataFolderUpdate update;
  std::error_code ec;
  update.Filled = !fs::is_regular_file(player / kLibraryPath, ec);
  const std::string installedVersion = ReadDataVersion(installed);
  update.Upgraded = !update.Filled && IsLaterVersion(installedVersion, ReadDataVersion(player));
  if (update.Upgraded) {
    update.RefreshedFiles = RefreshOwnedFiles(installed, player);
    MergePlayerLibrary(installed, player, update);
  }
  FillMissingFiles(installed, player);
  if (update.Filled || update.Upgraded) RecordInstalledData(installed, player);
  return update;
}

}  // namespace tarnik
