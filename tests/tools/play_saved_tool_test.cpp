// tarnik-tool's record commands (play-saved, show, stats) as a user runs them.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/records/player_file.h"
#include "support/tool_run.h"

namespace tarnik {
namespace {

using testing::RunTool;
const std::string kLibrary = TARNIK_LIBRARY;

// Played in one run, or saved, shown as saved and continued: the same (a
// game dealing part of its deck reads back as the engine's fit tests hold).
TEST(PlaySavedTool, GoesOnWherePlayStoppedWithItsHistory) {
  testing::ScratchDir dir;
  // Actions before the save, and after it: the stock dealt, moves undone
  // into the saved history and made again.
  const std::string before = "click 11 -\nclick 11 -\nstep\nclick 11 -\n";
  const std::string after = "undo\nundo\nredo\nclick 11 -\nclick 11 -\n";
  const std::string a = dir.File("a.tkg"), b = dir.File("b.tkg");
  for (const char* seed : {"7", "3221225", "90210"}) {
    const std::string deal = kLibrary + " 0 " + seed;
    const auto whole = RunTool(dir, "play " + deal, before + after);
    const auto first = RunTool(dir, "play " + deal + " --save " + a, before);
    ASSERT_TRUE(whole.status == 0 && first.status == 0) << whole.err << first.err;
    const auto shown = RunTool(dir, "show " + a + " " + kLibrary);
    EXPECT_EQ(shown.out + first.out.substr(first.out.rfind("score")), first.out);
    const auto rest = RunTool(dir, "play-saved " + a + " " + kLibrary + " --save " + b, after);
    EXPECT_EQ(std::pair(rest.status, rest.out), std::pair(0, whole.out)) << seed << rest.err;
    EXPECT_EQ(RunTool(dir, "play-saved " + b + " " + kLibrary).out, whole.out);
  }
  // A fresh deal saved holds one position: 36 + 13 piles + 2 × 52 cards + 1 bytes.
  const auto dealt = RunTool(dir, "deal " + kLibrary + " 0 5 --save " + a);
  ASSERT_EQ(dealt.status, 0) << dealt.err;
  EXPECT_EQ(testing::ReadBytes(a).size(), 36u + 13u + 2 * 52u + 1u);
  EXPECT_EQ(RunTool(dir, "show " + a + " " + kLibrary).out, dealt.out);
}

// A damaged file: exit 1 with the reason; a missing file or bad words: exit
// 2; always nothing on standard output and one line on standard error.
TEST(PlaySavedTool, RefusesLikeShow) {
  testing::ScratchDir dir;
  const std::string bad = dir.File("bad.tkg");
  testing::WriteBytes(bad, {'<', 'T', 'A', 'R'});
  const std::string none = dir.File("none.tkg");
  const std::pair<std::string, int> cases[] = {
      {"play-saved " + bad + " " + kLibrary, 1}, {"show " + bad + " " + kLibrary, 1},
      {"play-saved " + none + " " + kLibrary, 2}, {"show " + none + " " + kLibrary, 2},
      {"play-saved " + bad, 2}, {"play-saved " + bad + " " + kLibrary + " --save", 2},
      {"deal " + kLibrary + " 0 77 --save", 2}};
  for (const auto& [arguments, status] : cases) {
    const auto run = RunTool(dir, arguments, "click 11 -\n");
    EXPECT_EQ(std::pair(run.status, run.out), std::pair(status, std::string())) << arguments;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.err.find("That file is not a saved game.") != std::string::npos, status == 1);
  }
}

// Index, played, won, lost, percent and name, one played game a line.
TEST(RecordsTool, StatsListsGamesWithPlayedDeals) {
  testing::ScratchDir dir;
  auto records = std::make_unique<Records>();
  records->PlayerFile[1][0].Status = records->PlayerFile[0][0].Status = kWonRecord;
  records->PlayerFile[1][1].Status = records->PlayerFile[1][2].Status = kPlayedRecord;
  ASSERT_TRUE(WritePlayerFile(*records, dir.File("p.tkp")));
  const auto stats = RunTool(dir, "stats " + dir.File("p.tkp") + " " + kLibrary);
  EXPECT_EQ(stats.status, 0) << stats.err;
  EXPECT_EQ(stats.out.rfind("0 1 1 0 100 Klondike\n1 3 1 2 33 ", 0), 0u) << stats.out;
  EXPECT_EQ(std::count(stats.out.begin(), stats.out.end(), '\n'), 2);
}

}  // namespace
}  // namespace tarnik
