// The commands of tarnik-tool, each taking its own arguments (after the
// command word) and returning the exit status: 0 done, 2 refused.
#pragma once

#include <string>
#include <vector>

namespace tarnik::tool {

using Args = std::vector<std::string>;

int List(const Args& args);
int Deal(const Args& args);
int Play(const Args& args);
// play-saved SAVED.tkg LIBRARY [--save OUT.tkg]: "play" from a saved game.
int PlaySaved(const Args& args);
int Layout(const Args& args);
int Compile(const Args& args);
int Decompile(const Args& args);

// Prints one line on standard error and returns the refusal status 2.
int Refuse(const std::string& message);

}  // namespace tarnik::tool
