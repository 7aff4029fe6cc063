#include "support/library_files.h"

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

#include "engine/library/library.h"

namespace fs = std::filesystem;

namespace tarnik::testing {

ScratchDir::ScratchDir() {
  static std::atomic<int> counter{0};
  path_ = (fs::temp_directory_path() /
           ("tarnik-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++)))
              .string();
  fs::remove_all(path_);
  fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  // Give read-only files back their write bit so they can be removed.
  for (const auto& e : fs::recursive_directory_iterator(path_, ec))
    fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

GameDef NamedGame(const char* name, uint32_t flags) {
  GameDef g;
  std::strncpy(g.Name, name, kNameSize - 1);
  g.Flags = flags;
  return g;
}

void WriteLibrary(const std::string& path, const std::vector<GameDef>& games) {
  std::vector<unsigned char> bytes(games.size() * kGameRecordSize);
  for (size_t i = 0; i < games.size(); ++i) EncodeGameDef(games[i], &bytes[i * kGameRecordSize]);
  WriteBytes(path, bytes);
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

GameDef StoredGame(const std::string& path, int32_t g) {
  const std::vector<unsigned char> bytes = ReadBytes(path);
  GameDef def;
  if (g >= 0 && bytes.size() >= size_t(g + 1) * kGameRecordSize)
    DecodeGameDef(bytes.data() + size_t(g) * kGameRecordSize, def);
  return def;
}

std::unique_ptr<Library> OpenLibrary(const std::string& path) {
  auto library = std::make_unique<Library>();
  library->Path = path;
  CountGames(*library);
  LoadGameNames(*library);
  return library;
}

int32_t GameIndex(const Library& library, const char* name) {
  for (int32_t i = 0; i < library.GameCount; ++i)
    if (std::strcmp(library.GameNames[i], name) == 0) return i;
  return -1;
}

}  // namespace tarnik::testing
