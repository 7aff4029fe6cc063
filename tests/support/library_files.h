// Scratch folders and library files for tests that read and write files.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/cards/cards.h"
#include "engine/library/library.h"

namespace tarnik::testing {

// A fresh folder of its own, removed with everything in it at the end.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A game definition with a name and flags and no piles.
GameDef NamedGame(const char* name, uint32_t flags = 0);
// Writes a library file holding the given games in order.
void WriteLibrary(const std::string& path, const std::vector<GameDef>& games);
// Writes arbitrary bytes to a file.
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
// Reads a whole file (empty when missing).
std::vector<unsigned char> ReadBytes(const std::string& path);
// Game g of the library file at `path` as the file holds it now (empty past its end).
GameDef StoredGame(const std::string& path, int32_t g = 0);
// The library file at `path` opened with its games counted and named.
std::unique_ptr<Library> OpenLibrary(const std::string& path);
// The index of the game named `name`, or -1 when the library has none.
int32_t GameIndex(const Library& library, const char* name);

}  // namespace tarnik::testing
