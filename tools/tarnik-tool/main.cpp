// tarnik-tool: the engine's command-line face. It lists and deals the games
// of any library and turns libraries into readable game files and back.
#include <cstring>
#include <string>

#include "check_command.h"
#include "commands.h"
#include "records_commands.h"
#include "rules_command.h"
#include "solve_commands.h"

namespace {

constexpr const char* kUsage =
    "usage: tarnik-tool list LIBRARY | deal LIBRARY GAME SEED [--save OUT.tkg] | "
    "play LIBRARY GAME SEED | play-saved SAVED.tkg LIBRARY | layout LIBRARY GAME SEED WIDTH HEIGHT | show SAVED.tkg LIBRARY | "
    "stats PLAYER.tkp LIBRARY | "
    "check LIBRARY | rules LIBRARY TEXTDIR OUTDIR | compile DIR LIBRARY | decompile LIBRARY DIR | "
    "solve LIBRARY GAME SEED [--budget SECONDS] | export-fcs LIBRARY GAME SEED";

struct Command {
  const char* name;
  int (*run)(const tarnik::tool::Args&);
};

constexpr Command kCommands[] = {
    {"list", tarnik::tool::List},           {"deal", tarnik::tool::Deal},
    {"play", tarnik::tool::Play},           {"play-saved", tarnik::tool::PlaySaved},
    {"layout", tarnik::tool::Layout},
    {"show", tarnik::tool::Show},           {"stats", tarnik::tool::Stats},
    {"check", tarnik::tool::Check},         {"rules", tarnik::tool::Rules},
    {"compile", tarnik::tool::Compile},
    {"decompile", tarnik::tool::Decompile}, {"solve", tarnik::tool::Solve},
    {"export-fcs", tarnik::tool::ExportFcs}};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return tarnik::tool::Refuse(kUsage);
  const tarnik::tool::Args args(argv + 2, argv + argc);
  for (const Command& c : kCommands)
    if (std::strcmp(argv[1], c.name) == 0) return c.run(args);
  return tarnik::tool::Refuse(std::string("unknown command '") + argv[1] + "'; " + kUsage);
}
