// tarnik-tool's record commands, run as a user runs them: a saved game goes
// on with play-saved exactly where "play" left it, with its history, also
// for a game that deals only part of its deck; show and play-saved refuse a
// damaged file alike; stats lists the played games.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/files/file_io.h"
#include "engine/library/library.h"
#include "engine/records/player_file.h"
#include "support/tool_run.h"

namespace tarnik {
namespace {

using testing::RunTool;
const std::string kLibrary = TARNIK_LIBRARY;

// The shipped library with Klondike's stock cut from 24 cards to 20.
std::string ShortKlondike(const testing::ScratchDir& dir) {
  std::vector<unsigned char> library = ReadWholeFile(kLibrary, 1u << 20).value();
  GameDef klondike;
  DecodeGameDef(library.data(), klondike);
  EXPECT_EQ(std::string(klondike.Name) + " " + std::to_string(klondike.Piles[11].InitialSize),
            "Klondike 24");
  klondike.Piles[11].InitialSize = 20;
  EncodeGameDef(klondike, library.data());
  testing::WriteBytes(dir.File("short.tkl"), library);
  return dir.File("short.tkl");
}

// Played in one run, or saved, shown as saved and continued: the same.
TEST(PlaySavedTool, GoesOnWherePlayStoppedWithItsHistory) {
  testing::ScratchDir dir;
  const std::string shortLibrary = ShortKlondike(dir);
  // Actions before the save, and after it: the stock dealt, moves undone
  // into the saved history and made again.
  const std::string before = "click 11 -\nclick 11 -\nstep\nclick 11 -\n";
  const std::string after = "undo\nundo\nredo\nclick 11 -\nclick 11 -\n";
  for (const std::string& library : {kLibrary, shortLibrary})
    for (const char* seed : {"7", "3221225", "90210"}) {
      const std::string deal = std::string(" 0 ") + seed, a = dir.File("a.tkg");
      const auto whole = RunTool(dir, "play " + library + deal, before + after);
      const auto first = RunTool(dir, "play " + library + deal + " --save " + a, before);
      ASSERT_TRUE(whole.status == 0 && first.status == 0) << whole.err << first.err;
      const auto shown = RunTool(dir, "show " + a + " " + library);
      EXPECT_EQ(shown.out + first.out.substr(first.out.rfind("score")), first.out);
      const auto rest =
          RunTool(dir, "play-saved " + a + " " + library + " --save " + dir.File("b.tkg"), after);
      ASSERT_EQ(rest.status, 0) << rest.err;
      EXPECT_EQ(rest.out, whole.out) << library << " seed " << seed;
      EXPECT_EQ(RunTool(dir, "play-saved " + dir.File("b.tkg") + " " + library).out, whole.out);
    }
  // A fresh deal saved holds one position: 36 + piles + 2 × cards + 1 bytes.
  for (const auto& [library, piles, cards] :
       {std::tuple{kLibrary, 13u, 52u}, {shortLibrary, 13u, 48u}}) {
    const auto deal = RunTool(dir, "deal " + library + " 0 5 --save " + dir.File("d.tkg"));
    ASSERT_EQ(deal.status, 0) << deal.err;
    EXPECT_EQ(testing::ReadBytes(dir.File("d.tkg")).size(), 36u + piles + 2 * cards + 1u);
    EXPECT_EQ(RunTool(dir, "show " + dir.File("d.tkg") + " " + library).out, deal.out);
  }
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
