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
  struct Case {
    std::string path;
    bool read;
  };
  const Case cases[] = {
      {help + "/Tarnik.html", true},
      {help + "/Rules/../Tarnik.html", true},
      {help + "/Rules/link.html", true},  // a link that stays inside
      {help + "/../outside.html", false},
      {dir.File("outside.html"), false},
      {help + "/zero.png", false},  // a device: never read
      {help + "/pipe.html", false},
      {help + "/Rules", false},
      {help + "/big.png", false},
      {help + "/missing.html", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReadHelpFile(help, c.path).has_value(), c.read) << c.path;
  EXPECT_EQ(ReadHelpFile(help, help + "/Tarnik.html")->size(), 15u);
}

TEST(HelpFile, NestingDepthCountsOnlyContainers) {
  std::string deep;
  for (int i = 0; i < 100000; ++i) deep += "<ul><li>";
  struct Case {
    std::string html;
    int depth;
  };
  const Case cases[] = {
      {"<p>plain <b>text</b></p>", 0},
      {"<ul><li>a<ul><li>b</li></ul></li></ul><ol><li>c</ol>", 2},
      {"<TABLE><tr><td><DIV>x</DIV></td></tr></TABLE>", 2},
      {"<ul></ul></ul></ul><ul>", 1},  // stray end tags never go below 0
      {deep, 100000},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpNestingDepth(c.html), c.depth);
}

}  // namespace
}  // namespace tarnik
