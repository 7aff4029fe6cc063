// Runs tarnik-tool as a user does, standard input from a text, both outputs captured.
#pragma once

#include <string>

#include "support/library_files.h"

namespace tarnik::testing {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

// Runs TARNIK_TOOL with shell-word arguments and `input`; captures go to the scratch folder.
ToolRun RunTool(const ScratchDir& dir, const std::string& arguments, const std::string& input = "");

}  // namespace tarnik::testing
