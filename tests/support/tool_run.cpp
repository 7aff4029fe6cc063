#include "support/tool_run.h"

#include <sys/wait.h>

#include <cstdio>
#include <fstream>

namespace tarnik::testing {

ToolRun RunTool(const ScratchDir& dir, const std::string& arguments, const std::string& input) {
  const std::string inFile = dir.File("stdin.txt"), errFile = dir.File("stderr.txt");
  std::ofstream(inFile, std::ios::binary) << input;
  const std::string command =
      std::string(TARNIK_TOOL) + " " + arguments + " <" + inFile + " 2>" + errFile;
  ToolRun run{};
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  run.status = WEXITSTATUS(pclose(pipe));
  const auto err = ReadBytes(errFile);
  run.err.assign(err.begin(), err.end());
  return run;
}

}  // namespace tarnik::testing
