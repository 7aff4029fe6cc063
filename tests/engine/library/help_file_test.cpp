// The help folder is read safely: only regular files inside it within the
// size limit, and pages whose containers nest no deeper than the limit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/library/help_file.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

namespace fs = std::filesystem;

TEST(HelpFile, OnlyRegularFilesInsideTheHelpFolderWithinTheLimit) {
  testing::ScratchDir dir;
  const std::string help = dir.File("Help");
  fs::create_directories(help + "/Rules");
  std::ofstream(help + "/Tarnik.html") << "<p>Contents</p>";
  std::ofstream(dir.File("outside.html")) << "<p>Elsewhere</p>";
  std::ofstream(help + "/big.png").put('x');
  fs::resize_file(help + "/big.png", kHelpFileLimit + 1);
  fs::create_symlink("/dev/zero", help + "/zero.png");
  fs::create_symlink(help + "/Tarnik.html", help + "/Rules/link.html");
  ASSERT_EQ(mkfifo((help + "/pipe.html").c_str(), 0600), 0);
  // Read: the page, through "..", through a link that stays inside. Never
  // read: outside, a device, a pipe, a folder, too big, missing.
  for (const char* path : {"/Tarnik.html", "/Rules/../Tarnik.html", "/Rules/link.html"})
    EXPECT_TRUE(ReadHelpFile(help, help + path).has_value()) << path;
  for (const std::string& path : {help + "/../outside.html", dir.File("outside.html"), help + "/zero.png",
                                  help + "/pipe.html", help + "/Rules", help + "/big.png", help + "/missing.html"})
    EXPECT_FALSE(ReadHelpFile(help, path).has_value()) << path;
  EXPECT_EQ(ReadHelpFile(help, help + "/Tarnik.html")->size(), 15u);
}

TEST(HelpFile, NestingDepthCountsOnlyContainers) {
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<ul><li>";
  const std::pair<std::string, int> cases[] = {
      {"<p>plain <b>text</b></p>", 0},
      {"<ul><li>a<ul><li>b</li></ul></li></ul><ol><li>c</ol>", 2},
      {"<TABLE><tr><td><DIV>x</DIV></td></tr></TABLE>", 2},
      {"<ul></ul></ul></ul><ul><ul>", 2},  // stray end tags never go below 0
      {deep, 100000},
  };
  for (const auto& [html, depth] : cases) EXPECT_EQ(HelpNestingDepth(html), depth);
}

}  // namespace
}  // namespace tarnik
