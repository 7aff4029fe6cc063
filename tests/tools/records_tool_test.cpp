// tarnik-tool's record commands, run as a user runs them on the shipped
// library: a fresh deal saved and shown again, a refused file, statistics.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/game/player_records.h"
#include "engine/records/player_file.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

// Runs tarnik-tool with the arguments, capturing both outputs.
ToolRun Tool(const testing::ScratchDir& dir, const std::string& arguments) {
  const std::string errFile = dir.File("stderr.txt");
  const std::string command = std::string(TARNIK_TOOL) + " " + arguments + " 2>" + errFile;
  ToolRun run{};
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  run.status = WEXITSTATUS(pclose(pipe));
  const auto err = testing::ReadBytes(errFile);
  run.err.assign(err.begin(), err.end());
  return run;
}

const std::string kLibrary = TARNIK_LIBRARY;

TEST(RecordsTool, DealSavedAndShownGivesTheSameTable) {
  testing::ScratchDir dir;
  const ToolRun deal = Tool(dir, "deal " + kLibrary + " 0 77 --save " + dir.File("d.tkg"));
  ASSERT_EQ(deal.status, 0) << deal.err;
  // One position of Klondike: 13 piles and 52 cards.
  EXPECT_EQ(testing::ReadBytes(dir.File("d.tkg")).size(), 36u + 13u + 104u + 1u);
  const ToolRun show = Tool(dir, "show " + dir.File("d.tkg") + " " + kLibrary);
  EXPECT_EQ(show.status, 0) << show.err;
  EXPECT_EQ(show.out, deal.out);
  EXPECT_EQ(Tool(dir, "deal " + kLibrary + " 0 77 --save").status, 2);
}

TEST(RecordsTool, RefusedSavedGameSaysWhyAndExitsWith1) {
  testing::ScratchDir dir;
  testing::WriteBytes(dir.File("bad.tkg"), {'<', 'T', 'A', 'R'});
  const ToolRun show = Tool(dir, "show " + dir.File("bad.tkg") + " " + kLibrary);
  EXPECT_EQ(show.status, 1);
  EXPECT_EQ(show.out, "");
  EXPECT_NE(show.err.find("That file is not a saved game."), std::string::npos);
  EXPECT_EQ(Tool(dir, "show " + dir.File("none.tkg") + " " + kLibrary).status, 2);
}

TEST(RecordsTool, StatsListsGamesWithPlayedDeals) {
  testing::ScratchDir dir;
  auto records = std::make_unique<Records>();
  records->PlayerFile[1][0].Status = kWonRecord;
  records->PlayerFile[1][1].Status = kPlayedRecord;
  records->PlayerFile[1][2].Status = kPlayedRecord;
  records->PlayerFile[0][0].Status = kWonRecord;
  ASSERT_TRUE(WritePlayerFile(*records, dir.File("p.tkp")));
  const ToolRun stats = Tool(dir, "stats " + dir.File("p.tkp") + " " + kLibrary);
  EXPECT_EQ(stats.status, 0) << stats.err;
  // index, played, won, lost, percent and name, one game a line.
  EXPECT_EQ(stats.out.rfind("0 1 1 0 100 Klondike\n1 3 1 2 33 ", 0), 0u) << stats.out;
  EXPECT_EQ(std::count(stats.out.begin(), stats.out.end(), '\n'), 2);
}

}  // namespace
}  // namespace tarnik
