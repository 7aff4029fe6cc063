// Library files of any bytes: every game loads within the tables, as it is stored.
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <string>

#include "engine/cards/pile_ops.h"
#include "fuzz_support.h"

using namespace tarnik;

// A file of this process's own, rewritten for every input.
static const std::string& ScratchLibrary() {
  static const std::string path = "/tmp/tarnik-fuzz-library-" + std::to_string(getpid()) + ".tkl";
  return path;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    std::ofstream out(ScratchLibrary(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  Game& game = fuzz::FuzzGame();
  Library& library = game.library;
  library.Path = ScratchLibrary();
  CountGames(library), LoadGameNames(library);
  FUZZ_CHECK(library.GameCount >= 0 && library.GameCount <= kMaxGames &&
             size_t(library.GameCount) * kGameRecordSize <= size);
  for (int32_t g = -1; g <= library.GameCount; ++g) {
    const bool loaded = LoadGame(library, game.PileTable, game.CurrentFlags, g);
    FUZZ_CHECK(loaded == (g >= 0 && g < library.GameCount) &&
               CountPiles(game.PileTable) <= kMaxPiles);
    if (!loaded) continue;
    FUZZ_CHECK(std::memchr(library.GameNames[g], 0, kNameSize) != nullptr &&
               game.CurrentFlags == library.GameFlagTable[g]);
    // The loaded record, written back, is the record in the file.
    GameDef def;
    std::memcpy(def.Name, data + size_t(g) * kGameRecordSize, kNameSize);
    def.Flags = game.CurrentFlags;
    for (int p = 0; p < kMaxPiles; ++p) def.Piles[p] = DefOf(game.PileTable[p]);
    unsigned char bytes[kGameRecordSize], stored[kGameRecordSize];
    EncodeGameDef(def, bytes);
    // ... with the pile numbers that reading repairs brought into range.
    GameDef repaired;
    std::memcpy(static_cast<void*>(&repaired), data + size_t(g) * kGameRecordSize, kGameRecordSize);
    RepairPileNumbers(repaired);
    EncodeGameDef(repaired, stored);
    FUZZ_CHECK(std::memcmp(bytes, stored, kGameRecordSize) == 0);
  }
  return 0;
}
