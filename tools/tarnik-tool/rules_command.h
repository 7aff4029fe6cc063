// tarnik-tool rules: the rules pages of a library's games.
#pragma once

#include "commands.h"

namespace tarnik::tool {

// rules LIBRARY TEXTDIR OUTDIR: writes OUTDIR/Rules/<page>.html for every
// game, joining the written text TEXTDIR/<page>.html with the layout and
// pile rules read off the definition, and OUTDIR/Rules/index.html listing
// them all. Exit 1 when a game has no written text (each one is named),
// 2 when the arguments or files cannot be used.
int Rules(const Args& args);

}  // namespace tarnik::tool
