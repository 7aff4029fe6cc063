#include "rules_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/files/file_io.h"
#include "engine/library/game_text.h"
#include "engine/library/help_page.h"
#include "engine/library/library.h"
#include "engine/library/rules_text.h"

namespace fs = std::filesystem;

namespace tarnik::tool {

namespace {

// The whole text of a file, or nothing when it cannot be read.
// Only a regular file within kGameTextLimit is read, never a device or pipe.
bool ReadAll(const fs::path& path, std::string& text) {
  const auto bytes = ReadWholeFile(path.string(), kGameTextLimit);
  if (!bytes) return false;
  text.assign(bytes->begin(), bytes->end());
  return true;
}

// A complete page around a body.
std::string Page(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
         "</title>\n</head>\n<body>\n" + body + "</body>\n</html>\n";
}

// The page of one game: its name, the written text, then the rules read off
// its definition.
std::string GamePage(const GameDef& game, const std::string& written) {
  return Page(game.Name, "<h1>" + std::string(game.Name) + "</h1>\n" + written +
                             LayoutAndRulesHtml(game) +
                             "<p><a href=\"index.html\">All games</a></p>\n");
}

}  // namespace

int Rules(const Args& args) {
  if (args.size() != 3) return Refuse("usage: tarnik-tool rules LIBRARY TEXTDIR OUTDIR");
  static Library library;
  if (!FileSize(args[0])) return Refuse("cannot read library '" + args[0] + "'");
  library.Path = args[0];
  CountGames(library);
  LoadGameNames(library);
  const fs::path out = fs::path(args[2]) / "Rules";
  std::error_code ec;
  fs::create_directories(out, ec);
  std::string index = "<h1>Rules of the games</h1>\n<ul>\n";
  int missing = 0;
  for (int32_t i = 0; i < library.GameCount; ++i) {
    GameDef game;
    DecodeGameDef(&library.Records[size_t(i) * kGameRecordSize], game);
    const std::string page = RulesPagePath(game.Name).substr(6);  // after "Rules/"
    std::string written;
    if (!ReadAll(fs::path(args[1]) / page, written)) {
      std::printf("%d\t%s\tno written rules in %s\n", i, game.Name, page.c_str());
      ++missing;
      continue;
    }
    const std::string html = GamePage(game, written);
    if (!WriteFileSafely((out / page).string(), html.data(), html.size()))
      return Refuse("cannot write '" + (out / page).string() + "'");
    index += "<li><a href=\"" + page + "\">" + game.Name + "</a></li>\n";
  }
  const std::string html = Page("Rules of the games", index + "</ul>\n");
  if (!WriteFileSafely((out / "index.html").string(), html.data(), html.size()))
    return Refuse("cannot write the index of rules pages");
  return missing ? 1 : 0;
}

}  // namespace tarnik::tool
