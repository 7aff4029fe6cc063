#include "engine/shell/player_target.h"

#include <cstring>
#include <filesystem>

#include "engine/files/file_io.h"
#include "engine/game/player_records.h"
#include "engine/records/saved_game.h"
#include "engine/records/tour_file.h"

namespace fs = std::filesystem;

namespace tarnik {

namespace {

constexpr const char* kShippedLibraryName = "Data/Shipped.tkl";  // kept by the folder's upgrades

// Whether two names lead to the same file.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec) && !ec;
}

// Whether the file begins with the magic of a saved game.
bool HoldsSavedGame(const std::string& path) {
  char magic[8];
  return ReadAt(path, 0, magic, sizeof magic) && std::memcmp(magic, kSavedGameMagic, 8) == 0;
}

// Whether the name ends like one of the game's own record files.
bool HasProgramExtension(const std::string& path) {
  std::string ext = fs::path(path).extension().string();
  for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return ext == ".tkl" || ext == ".tkg" || ext == ".tkt";
}

}  // namespace

PlayerTarget ClassifyPlayerTarget(const Game& game, const std::string& path) {
  std::error_code ec;
  const fs::file_status link = fs::symlink_status(path, ec);
  if (ec || link.type() == fs::file_type::not_found) return PlayerTarget::Free;
  const auto size = FileSize(path);  // follows links; regular files only
  if (!size || HasProgramExtension(path) || HoldsSavedGame(path)) return PlayerTarget::ProgramFile;
  for (const std::string& own : {game.library.Path, std::string(kShippedLibraryName),
                                 std::string(kTourFilePath), std::string(kLastGamePath)})
    if (SameFile(path, own)) return PlayerTarget::ProgramFile;
  if (*size == 0 || *size == uint64_t(kPlayerFileSize)) return PlayerTarget::PlayerFile;
  return PlayerTarget::OtherFile;
}

}  // namespace tarnik
