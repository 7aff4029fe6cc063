// Every file written reaches the disk before it replaces the old one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/tool_run.h"

namespace tarnik {
namespace {

const std::string kLibrary = TARNIK_LIBRARY;

// tarnik-tool syncs the new copy, renames it over the file, then syncs the folder.
TEST(DurableWrite, NewCopyIsSyncedBeforeTheRenameAndTheFolderAfter) {
  testing::ScratchDir dir;
  const std::string folder = std::filesystem::canonical(dir.File("")).string();
  const std::string trace = dir.File("trace.txt");
  setenv("LD_PRELOAD", SYNC_TRACE_LIBRARY, 1);
  setenv("SYNC_TRACE_LOG", trace.c_str(), 1);
  setenv("ASAN_OPTIONS", "verify_asan_link_order=0", 1);
  const auto run = testing::RunTool(dir, "deal " + kLibrary + " 0 5 --save " + folder + "/x.tkg");
  unsetenv("LD_PRELOAD");
  unsetenv("SYNC_TRACE_LOG");
  ASSERT_EQ(run.status, 0) << run.err;
  const auto bytes = testing::ReadBytes(trace);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
            "fsync " + folder + "/x.tkg.new\n" + "rename " + folder + "/x.tkg.new " + folder +
                "/x.tkg\n" + "fsync " + folder + "\n");
}

}  // namespace
}  // namespace tarnik
