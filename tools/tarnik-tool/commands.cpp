#include "commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "dealing.h"
#include "engine/cards/pile_ops.h"
#include "engine/deal/deal.h"
#include "engine/files/file_io.h"
#include "engine/game/game.h"
#include "engine/library/game_text.h"
#include "engine/library/help_page.h"
#include "engine/library/library.h"
#include "engine/play/start_game.h"
#include "records_commands.h"

namespace fs = std::filesystem;

namespace tarnik::tool {

namespace {

// A whole decimal number in [lo, hi], nothing else on the argument.
bool ParseDecimal(const std::string& s, uint64_t hi, uint64_t& out) {
  if (s.empty() || s.size() > 10) return false;
  uint64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<uint64_t>(c - '0');
  }
  if (v > hi) return false;
  out = v;
  return true;
}

// Opens a library for reading; refuses a file that cannot be read.
bool OpenLibrary(const std::string& path, Library& library) {
  // Measured first: opening a pipe for reading would wait for a writer.
  if (!FileSize(path) || !std::ifstream(path, std::ios::binary)) return false;
  library.Path = path;
  CountGames(library);
  LoadGameNames(library);
  return true;
}

// A file name for a game: its index and its name in lower case.
std::string GameFileName(int index, const char* name) {
  char prefix[8];
  std::snprintf(prefix, sizeof prefix, "%03d-", index);
  return prefix + NameSlug(name) + ".game";
}

// The text of a game file: a regular file (a link is followed) of at most
// kGameTextLimit bytes, so a device, a pipe or a folder is never read.
std::optional<std::string> ReadText(const fs::path& path) {
  const auto bytes = ReadWholeFile(path.string(), kGameTextLimit);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

}  // namespace

int Refuse(const std::string& message) {
  std::fprintf(stderr, "tarnik-tool: %s\n", message.c_str());
  return 2;
}

int List(const Args& args) {
  if (args.size() != 1) return Refuse("usage: tarnik-tool list LIBRARY");
  static Library library;
  if (!OpenLibrary(args[0], library)) return Refuse("cannot read library '" + args[0] + "'");
  static Pile piles[kMaxPiles];
  for (int32_t i = 0; i < library.GameCount; ++i) {
    uint32_t flags = 0;
    LoadGame(library, piles, flags, i);
    std::printf("%d\t%s\t0x%08X\t%d\n", i, library.GameNames[i], library.GameFlagTable[i],
                CountPiles(piles));
  }
  return 0;
}

bool DealFromArgs(const Args& args, const char* command, Game& game) {
  if (args.size() != 3) {
    Refuse(std::string("usage: tarnik-tool ") + command + " LIBRARY GAME SEED");
    return false;
  }
  if (!OpenLibrary(args[0], game.library)) {
    Refuse("cannot read library '" + args[0] + "'");
    return false;
  }
  uint64_t index = 0, seed = 0;
  if (!ParseDecimal(args[1], UINT32_MAX, index) || index >= uint64_t(game.library.GameCount)) {
    Refuse("game '" + args[1] + "' is not in the library (it holds " +
           std::to_string(game.library.GameCount) + " games)");
    return false;
  }
  if (!ParseDecimal(args[2], UINT32_MAX, seed)) {
    Refuse("seed '" + args[2] + "' is not a number from 0 to 4294967295");
    return false;
  }
  game.CurrentGame = static_cast<int32_t>(index);
  game.CurrentSeed = static_cast<uint32_t>(seed);
  StartGame(game, game.CurrentSeed);
  return true;
}

void PrintTable(const Game& game) {
  for (int32_t i = 0, n = CountPiles(game.PileTable); i < n; ++i) {
    std::printf("%d", i);
    for (const Card* c = game.PileTable[i].BottomCard; c; c = c->Above)
      std::printf(" %d:%d", c->Value, c->Face);
    std::printf("\n");
  }
}

int Deal(const Args& args) {
  static Game game;  // large tables: kept off the stack
  Args dealArgs = args;
  std::string savePath;
  if (!TakeSaveOption(dealArgs, savePath) || !DealFromArgs(dealArgs, "deal", game)) return 2;
  PrintTable(game);
  return savePath.empty() ? 0 : SaveTo(game, savePath);
}

int Compile(const Args& args) {
  if (args.size() != 2) return Refuse("usage: tarnik-tool compile DIR LIBRARY");
  std::error_code ec;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(args[0], ec))
    if (entry.path().extension() == ".game") files.push_back(entry.path());
  if (ec) return Refuse("cannot read folder '" + args[0] + "'");
  std::sort(files.begin(), files.end());
  if (files.size() > size_t(kMaxGames))
    return Refuse("more than " + std::to_string(kMaxGames) + " games in '" + args[0] + "'");
  std::vector<unsigned char> bytes(files.size() * kGameRecordSize);
  for (size_t i = 0; i < files.size(); ++i) {
    const auto text = ReadText(files[i]);
    if (!text)
      return Refuse("cannot read '" + files[i].string() + "': not a regular file of at most " +
                    std::to_string(kGameTextLimit / 1024) + " KiB");
    GameDef game;
    std::string error;
    if (!GameFromText(*text, game, error)) return Refuse(files[i].string() + ": " + error);
    EncodeGameDef(game, &bytes[i * kGameRecordSize]);
  }
  if (!WriteFileSafely(args[1], bytes.data(), bytes.size()))
    return Refuse("cannot write library '" + args[1] + "'");
  return 0;
}

int Decompile(const Args& args) {
  if (args.size() != 2) return Refuse("usage: tarnik-tool decompile LIBRARY DIR");
  const auto size = FileSize(args[0]);
  if (!size) return Refuse("cannot read library '" + args[0] + "'");
  const uint64_t records = std::min<uint64_t>(*size / kGameRecordSize, kMaxGames);
  std::error_code ec;
  fs::create_directories(args[1], ec);
  for (uint64_t i = 0; i < records; ++i) {
    unsigned char bytes[kGameRecordSize];
    if (!ReadAt(args[0], i * kGameRecordSize, bytes, sizeof bytes))
      return Refuse("cannot read library '" + args[0] + "'");
    GameDef game;
    DecodeGameDef(bytes, game);
    const std::string text = GameToText(game);
    const fs::path out = fs::path(args[1]) / GameFileName(static_cast<int>(i), game.Name);
    if (!WriteFileSafely(out.string(), text.data(), text.size()))
      return Refuse("cannot write '" + out.string() + "'");
  }
  return 0;
}

}  // namespace tarnik::tool
