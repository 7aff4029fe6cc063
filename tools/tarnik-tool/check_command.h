// tarnik-tool check: the promises every game of a shipped library keeps.
#pragma once

#include "commands.h"

namespace tarnik::tool {

// check LIBRARY: one line per problem (game index, name, what is wrong,
// separated by tabs); exit 0 when there is none, 1 when there are some.
int Check(const Args& args);

}  // namespace tarnik::tool
