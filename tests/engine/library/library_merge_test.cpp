// Merging a newer shipped library into the player's: no game moves, the
// player's games stay as they are, the program's take their newer
// definition, new games go to the end, at most 256 games.
#include "engine/library/library_merge.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/library/library.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

// A library of records from "Name:flags"; a trailing "*" on a name leaves
// bytes after its NUL, which carry no meaning.
LibraryImage Image(const std::vector<std::string>& entries) {
  LibraryImage library;
  for (const auto& entry : entries) {
    std::string name = entry.substr(0, entry.find(':'));
    const bool junk = name.ends_with('*');
    if (junk) name.pop_back();
    GameDef game = testing::NamedGame(name.c_str(), std::stoul(entry.substr(entry.find(':') + 1)));
    if (junk) std::memset(game.Name + name.size() + 1, 'x', 5);
    library.resize(library.size() + kGameRecordSize);
    EncodeGameDef(game, &library[library.size() - kGameRecordSize]);
  }
  return library;
}

// The library as "Name:flags" again, to compare with the expected games.
std::vector<std::string> Entries(const LibraryImage& library) {
  std::vector<std::string> entries;
  for (size_t at = 0; at + kGameRecordSize <= library.size(); at += kGameRecordSize) {
    GameDef game;
    DecodeGameDef(library.data() + at, game);
    entries.push_back(std::string(game.Name) + ":" + std::to_string(game.Flags));
  }
  return entries;
}

struct MergeCase {
  const char* what;
  std::optional<std::vector<std::string>> oldShipped;
  std::vector<std::string> newShipped, player, expected;
  std::vector<int> updated, added;
};

TEST(LibraryMerge, KeepsEveryPlaceAndThePlayersGames) {
  const std::vector<MergeCase> cases = {
      {"an unedited game takes the newer rules; new games follow the player's own", {{"A:1", "B:1", "C:1"}},
       {"A:1", "B:2", "C:1", "D:1", "E:1"}, {"A:1", "B:1", "C:1", "Mine:5"}, {"A:1", "B:2", "C:1", "Mine:5", "D:1", "E:1"}, {1}, {4, 5}},
      {"a game the player edited stays as it is", {{"A:1", "B:1"}}, {"A:1", "B:2", "D:1"}, {"A:1", "B:7"}, {"A:1", "B:7", "D:1"}, {}, {2}},
      {"a sorted library: games are known by name in their own places", {{"A:1", "B:1", "C:1"}}, {"A:2", "B:1", "C:2"},
       {"C:1", "B:1", "A:1"}, {"C:2", "B:1", "A:2"}, {0, 2}, {}},
      {"a shipped game the player renamed is not brought back", {{"A:1", "B:1"}}, {"A:1", "B:1"}, {"A:1", "Bee:1"}, {"A:1", "Bee:1"}, {}, {}},
      {"a folder with no record of its version: nothing is changed, missing names added", std::nullopt, {"A:2", "B:1", "D:1"},
       {"A:1", "B:1"}, {"A:1", "B:1", "D:1"}, {}, {2}},
      {"a new game named as one of the player's own is not added", {{"A:1"}}, {"A:1", "Mine:1"}, {"A:1", "Mine:5"}, {"A:1", "Mine:5"}, {}, {}},
      {"a game the new version no longer ships stays", {{"A:1", "B:1"}}, {"A:1"}, {"A:1", "B:1"}, {"A:1", "B:1"}, {}, {}},
      {"bytes after the name's end are no edit", {{"A:1"}}, {"A:2"}, {"A*:1"}, {"A:2"}, {0}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto old = c.oldShipped ? std::optional(Image(*c.oldShipped)) : std::nullopt;
    const auto merge = MergeLibrary(old, Image(c.newShipped), Image(c.player));
    EXPECT_EQ(Entries(merge.Records), c.expected);
    EXPECT_EQ(merge.Updated, c.updated);
    EXPECT_EQ(merge.Added, c.added);
    EXPECT_TRUE(merge.LeftOut.empty());
  }
}

TEST(LibraryMerge, StopsAt256GamesAndDropsAPartialRecord) {
  std::vector<std::string> games;
  for (int i = 0; i < kMaxGames - 1; ++i) games.push_back("G" + std::to_string(i) + ":1");
  LibraryImage player = Image(games);
  player.resize(player.size() + 100, 0x55);  // a damaged end: no game
  const auto merge = MergeLibrary(Image({"G0:1"}), Image({"G0:1", "N1:1", "N2:1"}), player);
  ASSERT_EQ(merge.Records.size(), size_t(kMaxGames) * kGameRecordSize);
  EXPECT_EQ(Entries(merge.Records).back(), "N1:1");
  EXPECT_EQ(merge.Added, std::vector<int>{255});
  EXPECT_EQ(merge.LeftOut, std::vector<std::string>{"N2"});
  EXPECT_TRUE(std::equal(player.begin(), player.begin() + 255 * kGameRecordSize,
                         merge.Records.begin()));
}

}  // namespace
}  // namespace tarnik
