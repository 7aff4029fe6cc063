#include "records_commands.h"

#include <cstdio>

#include "dealing.h"
#include "engine/files/file_io.h"
#include "engine/records/player_file.h"
#include "engine/records/saved_game.h"
#include "engine/records/statistics.h"

namespace tarnik::tool {

namespace {

constexpr int kRefusedFile = 1;  // a file the game itself would refuse

// Prints the game's message boxes on standard error.
class ErrorDisplay : public NullDisplay {
 public:
  MessageAnswer ShowMessage(const char* text, const char*, MessageIcon) override {
    std::fprintf(stderr, "tarnik-tool: %s\n", text);
    shown = true;
    return MessageAnswer::Ok;
  }
  bool shown = false;
};

// Reads the names and records of a library file; false when it cannot.
bool ReadLibrary(const std::string& path, Library& library) {
  if (!FileSize(path)) return false;
  library.Path = path;
  CountGames(library);
  LoadGameNames(library);
  return true;
}

}  // namespace

bool OpenSavedFromArgs(const Args& args, const char* command, Game& game, int& status) {
  status = 2;
  if (args.size() != 2) {
    Refuse(std::string("usage: tarnik-tool ") + command);
    return false;
  }
  static ErrorDisplay display;
  display.shown = false;
  game.display = &display;
  if (!ReadLibrary(args[1], game.library)) {
    Refuse("cannot read library '" + args[1] + "'");
    return false;
  }
  if (!FileSize(args[0])) {
    Refuse("cannot read saved game '" + args[0] + "'");
    return false;
  }
  const int opened = ReadSavedGame(game, args[0]);
  static NullDisplay silent;
  game.display = &silent;  // play goes on without a word, as in "play"
  if (opened) return true;
  if (display.shown)
    status = kRefusedFile;
  else
    Refuse("cannot read saved game '" + args[0] + "'");
  return false;
}

int Show(const Args& args) {
  static Game game;  // large tables: kept off the stack
  int status = 0;
  if (!OpenSavedFromArgs(args, "show SAVED.tkg LIBRARY", game, status)) return status;
  PrintTable(game);
  return 0;
}

int Stats(const Args& args) {
  if (args.size() != 2) return Refuse("usage: tarnik-tool stats PLAYER.tkp LIBRARY");
  static Game game;
  if (!ReadLibrary(args[1], game.library)) return Refuse("cannot read library '" + args[1] + "'");
  if (!ReadPlayerFile(game.records, args[0]))
    return Refuse("cannot read player file '" + args[0] + "'");
  for (int32_t g = 0; g < game.library.GameCount; ++g) {
    const StatsRow row = GameStatistics(game, g);
    if (row.Played > 0)
      std::printf("%d %d %d %d %d %s\n", g, row.Played, row.Won, row.Lost, row.Percent, row.Name);
  }
  return 0;
}

bool TakeSaveOption(Args& args, std::string& path) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--save") continue;
    if (i + 1 >= args.size() || !path.empty()) {
      Refuse("--save needs one file name");
      return false;
    }
    path = args[i + 1];
    args.erase(args.begin() + i, args.begin() + i + 2);
    --i;
  }
  return true;
}

int SaveTo(const Game& game, const std::string& path) {
  if (!WriteSavedGame(game, path)) return Refuse("cannot write saved game '" + path + "'");
  return 0;
}

}  // namespace tarnik::tool
