// Runs tarnik-tool as a user runs it, with standard input from a text and
// both outputs captured.
#pragma once

#include <string>

#include "support/library_files.h"

namespace tarnik::testing {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

// Runs TARNIK_TOOL with the arguments (shell words) and `input` on standard
// input; the scratch folder holds the captured files.
ToolRun RunTool(const ScratchDir& dir, const std::string& arguments, const std::string& input = "");

}  // namespace tarnik::testing
