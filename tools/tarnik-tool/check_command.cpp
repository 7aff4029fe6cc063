#include "check_command.h"

#include <cstdio>
#include <fstream>

#include "engine/files/file_io.h"
#include "engine/library/library.h"
#include "engine/shell/library_check.h"

namespace tarnik::tool {

int Check(const Args& args) {
  if (args.size() != 1) return Refuse("usage: tarnik-tool check LIBRARY");
  static Game game;  // large tables: kept off the stack
  // Measured first: opening a pipe for reading would wait for a writer.
  if (!FileSize(args[0]) || !std::ifstream(args[0], std::ios::binary)) return Refuse("cannot read library '" + args[0] + "'");
  game.library.Path = args[0];
  CountGames(game.library);
  LoadGameNames(game.library);
  const std::vector<LibraryProblem> problems = CheckLibrary(game);
  for (const LibraryProblem& p : problems)
    std::printf("%d\t%s\t%s\n", p.Index, p.Name.c_str(), p.What.c_str());
  return problems.empty() ? 0 : 1;
}

}  // namespace tarnik::tool
