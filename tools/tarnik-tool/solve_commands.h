// tarnik-tool solve and export-fcs: the solver's verdict and winning line
// for a deal, and a FreeCell deal as a board for the Freecell Solver program.
#pragma once

#include "commands.h"

namespace tarnik::tool {

// solve LIBRARY GAME SEED [--budget SECONDS]: "won", "lost" or "unknown",
// then the winning actions one per line.
int Solve(const Args& args);
// export-fcs LIBRARY GAME SEED: the deal as an fc-solve board.
int ExportFcs(const Args& args);

}  // namespace tarnik::tool
