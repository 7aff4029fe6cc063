// tarnik-tool play-saved: a saved game goes on exactly where "play" left
// it, with its history, and a game that deals only part of its deck is
// saved, shown and continued like any other.
#include <gtest/gtest.h>

#include "engine/files/file_io.h"
#include "engine/library/library.h"
#include "support/tool_run.h"

namespace tarnik {
namespace {

using testing::RunTool;
const std::string kLibrary = TARNIK_LIBRARY;

// The shipped library with Klondike's stock cut from 24 cards to 20.
std::string ShortKlondike(const testing::ScratchDir& dir) {
  const auto bytes = ReadWholeFile(kLibrary, 1u << 20);
  EXPECT_TRUE(bytes.has_value());
  std::vector<unsigned char> library = *bytes;
  GameDef klondike;
  DecodeGameDef(library.data(), klondike);
  EXPECT_STREQ(klondike.Name, "Klondike");
  EXPECT_EQ(klondike.Piles[11].InitialSize, 24);
  klondike.Piles[11].InitialSize = 20;
  EncodeGameDef(klondike, library.data());
  testing::WriteBytes(dir.File("short.tkl"), library);
  return dir.File("short.tkl");
}

TEST(PlaySavedTool, GoesOnWherePlayStoppedWithItsHistory) {
  testing::ScratchDir dir;
  const std::string shortLibrary = ShortKlondike(dir);
  // Actions before the save, and after it: the stock dealt, moves undone
  // into the saved history and made again.
  const std::string before = "click 11 -\nclick 11 -\nstep\nclick 11 -\n";
  const std::string after = "undo\nundo\nredo\nclick 11 -\nclick 11 -\n";
  for (const std::string& library : {kLibrary, shortLibrary}) {
    for (const char* seed : {"7", "3221225", "90210"}) {
      const std::string deal = std::string(" 0 ") + seed;
      const auto whole = RunTool(dir, "play " + library + deal, before + after);
      ASSERT_EQ(whole.status, 0) << whole.err;
      const auto first = RunTool(dir, "play " + library + deal + " --save " + dir.File("a.tkg"), before);
      ASSERT_EQ(first.status, 0) << first.err;
      // Shown as saved, and continued as if never saved.
      const auto shown = RunTool(dir, "show " + dir.File("a.tkg") + " " + library);
      EXPECT_EQ(shown.out + first.out.substr(first.out.rfind("score")), first.out);
      const auto rest = RunTool(
          dir, "play-saved " + dir.File("a.tkg") + " " + library + " --save " + dir.File("b.tkg"),
          after);
      ASSERT_EQ(rest.status, 0) << rest.err;
      EXPECT_EQ(rest.out, whole.out) << library << " seed " << seed;
      const auto again = RunTool(dir, "play-saved " + dir.File("b.tkg") + " " + library);
      EXPECT_EQ(again.out, whole.out);
    }
  }
  // A deal of the short game holds 48 cards: 36 + 13 + 96 + 1 bytes saved.
  ASSERT_EQ(RunTool(dir, "deal " + shortLibrary + " 0 5 --save " + dir.File("d.tkg")).status, 0);
  EXPECT_EQ(testing::ReadBytes(dir.File("d.tkg")).size(), 36u + 13u + 96u + 1u);
}

TEST(PlaySavedTool, RefusesLikeShow) {
  testing::ScratchDir dir;
  testing::WriteBytes(dir.File("bad.tkg"), {'<', 'T', 'A', 'R'});
  const struct {
    std::string arguments;
    int status;
  } cases[] = {{"play-saved " + dir.File("bad.tkg") + " " + kLibrary, 1},
               {"play-saved " + dir.File("none.tkg") + " " + kLibrary, 2},
               {"play-saved " + dir.File("bad.tkg"), 2},
               {"play-saved " + dir.File("bad.tkg") + " " + kLibrary + " --save", 2}};
  for (const auto& c : cases) {
    const auto run = RunTool(dir, c.arguments, "click 11 -\n");
    EXPECT_EQ(run.status, c.status) << c.arguments;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
  }
}

}  // namespace
}  // namespace tarnik
