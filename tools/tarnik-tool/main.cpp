// tarnik-tool: the engine's command-line face. It lists and deals the games
// of any library and turns libraries into readable game files and back.
#include <cstring>
#include <string>

#include "check_command.h"
#include "commands.h"

namespace {

constexpr const char* kUsage =
    "usage: tarnik-tool list LIBRARY | deal LIBRARY GAME SEED | check LIBRARY | "
    "compile DIR LIBRARY | decompile LIBRARY DIR";

struct Command {
  const char* name;
  int (*run)(const tarnik::tool::Args&);
};

constexpr Command kCommands[] = {{"list", tarnik::tool::List},
                                 {"deal", tarnik::tool::Deal},
                                 {"check", tarnik::tool::Check},
                                 {"compile", tarnik::tool::Compile},
                                 {"decompile", tarnik::tool::Decompile}};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return tarnik::tool::Refuse(kUsage);
  const tarnik::tool::Args args(argv + 2, argv + argc);
  for (const Command& c : kCommands)
    if (std::strcmp(argv[1], c.name) == 0) return c.run(args);
  return tarnik::tool::Refuse(std::string("unknown command '") + argv[1] + "'; " + kUsage);
}
