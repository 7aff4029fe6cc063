// The game library file: counting, reading, appending, rewriting and
// sorting records, and staying consistent with missing or damaged files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/library/library.h"
#include "engine/cards/pile_ops.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

using testing::NamedGame;
using testing::ReadBytes;
using testing::ScratchDir;
using testing::WriteBytes;
using testing::WriteLibrary;

// Reads a little-endian word out of a byte image.
uint32_t WordAt(const std::vector<unsigned char>& b, size_t offset) {
  return b[offset] | b[offset + 1] << 8 | b[offset + 2] << 16 | uint32_t(b[offset + 3]) << 24;
}

ino_t InodeOf(const std::string& path) {
  struct stat st {};
  stat(path.c_str(), &st);
  return st.st_ino;
}

struct LibraryBench {
  ScratchDir dir;
  std::unique_ptr<Library> lib = std::make_unique<Library>();
  std::string path = dir.File("Tarnik.tkl");
  LibraryBench() { lib->Path = path; }
  void Open() {
    CountGames(*lib);
    LoadGameNames(*lib);
  }
};

TEST(CountGames, WholeRecordsOnlyAndNothingForAMissingFile) {
  LibraryBench b;
  b.Open();
  EXPECT_EQ(b.lib->GameCount, 0);  // missing
  WriteBytes(b.path, std::vector<unsigned char>(2339, 7));
  b.Open();
  EXPECT_EQ(b.lib->GameCount, 0);
  WriteBytes(b.path, {});
  b.Open();
  EXPECT_EQ(b.lib->GameCount, 0);
  WriteLibrary(b.path, {NamedGame("A"), NamedGame("B")});
  b.Open();
  EXPECT_EQ(b.lib->GameCount, 2);
  auto bytes = ReadBytes(b.path);
  bytes.push_back(0xFF);
  WriteBytes(b.path, bytes);
  b.Open();
  EXPECT_EQ(b.lib->GameCount, 2);
  b.lib->Path = b.dir.File("");  // a folder is no library
  b.Open();
  EXPECT_EQ(b.lib->GameCount, 0);
}

TEST(CountGames, OversizedLibraryUsesTheFirst256) {
  LibraryBench b;
  std::vector<GameDef> games;
  for (int i = 0; i < 300; ++i) games.push_back(NamedGame(("Game " + std::to_string(i)).c_str(), i));
  WriteLibrary(b.path, games);
  b.Open();
  EXPECT_EQ(b.lib->GameCount, 256);
  EXPECT_STREQ(b.lib->GameNames[255], "Game 255");
  EXPECT_EQ(b.lib->GameFlagTable[255], 255u);
  // No room for another game in the tables: appending does nothing.
  const auto before = ReadBytes(b.path);
  AppendEmptyGame(*b.lib);
  EXPECT_EQ(ReadBytes(b.path), before);
  EXPECT_EQ(b.lib->GameCount, 256);
}

TEST(LoadGameNames, GarbageNamesAreCutToTheirField) {
  LibraryBench b;
  std::vector<unsigned char> garbage(2 * kGameRecordSize);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<unsigned char>(i * 131 + 7) | 1;
  WriteBytes(b.path, garbage);
  b.Open();
  ASSERT_EQ(b.lib->GameCount, 2);
  for (int i = 0; i < 2; ++i) EXPECT_LT(std::strlen(b.lib->GameNames[i]), size_t(kNameSize));
  EXPECT_EQ(b.lib->GameFlagTable[1], WordAt(garbage, kGameRecordSize + 32));
}

TEST(LoadGame, ReadsFlagsAndAllPilesIntoTheGivenTable) {
  LibraryBench b;
  GameDef g = NamedGame("Two piles", GameFlags::TwoDeck | GameFlags::AcesHigh);
  g.Piles[0].Column = 3;
  g.Piles[0].Row = 9;
  g.Piles[0].RankBuild = RankBuild::UpByFourWrapping;
  g.Piles[0].PileStart = PileStart::BlankSpace;
  g.Piles[0].Flags = 0x80000001u;
  g.Piles[1].Removal = static_cast<CardRemoval>(12345);  // unknown values survive
  g.Piles[1].Flags = PileFlags::WinGoal;
  WriteLibrary(b.path, {NamedGame("First"), g});
  b.Open();
  Pile piles[kMaxPiles];
  uint32_t flags = 0;
  ASSERT_TRUE(LoadGame(*b.lib, piles, flags, 1));
  EXPECT_EQ(flags, GameFlags::TwoDeck | GameFlags::AcesHigh);
  EXPECT_EQ(piles[0].Column, 3);
  EXPECT_EQ(piles[0].Row, 9);
  EXPECT_EQ(piles[0].RankBuild, RankBuild::UpByFourWrapping);
  EXPECT_EQ(piles[0].PileStart, PileStart::BlankSpace);
  EXPECT_EQ(piles[0].Flags, 0x80000001u);
  EXPECT_EQ(static_cast<int32_t>(piles[1].Removal), 12345);
  EXPECT_EQ(CountPiles(piles), 2);
  // A game outside the library loads as a game with no piles.
  EXPECT_FALSE(LoadGame(*b.lib, piles, flags, 2));
  EXPECT_FALSE(LoadGame(*b.lib, piles, flags, -1));
  EXPECT_EQ(flags, 0u);
  EXPECT_EQ(CountPiles(piles), 0);
}

TEST(AppendEmptyGame, WritesTheEmptyRecordAndCountsItWithoutItsName) {
  LibraryBench b;
  WriteLibrary(b.path, {NamedGame("Klondike")});
  b.Open();
  AppendEmptyGame(*b.lib);
  EXPECT_EQ(b.lib->GameCount, 2);
  EXPECT_STREQ(b.lib->GameNames[1], "");  // not loaded until the names are reloaded
  const auto bytes = ReadBytes(b.path);
  ASSERT_EQ(bytes.size(), 2u * kGameRecordSize);
  std::vector<unsigned char> expected(kGameRecordSize, 0);
  std::memcpy(expected.data(), "<empty>", 7);
  const size_t pile0 = 36;
  expected[pile0 + 8] = 52;                                      // InitialSize
  for (int i = 0; i < 4; ++i) expected[pile0 + 20 + i] = i ? 0xFF : 0xFE;  // Direction -2
  expected[pile0 + 44] = 1;                                      // AutoFillSource
  EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + kGameRecordSize, bytes.end()), expected);
  LoadGameNames(*b.lib);
  EXPECT_STREQ(b.lib->GameNames[1], "<empty>");
}

TEST(AppendEmptyGame, StartsALibraryThatDoesNotExistYet) {
  LibraryBench b;
  b.Open();
  AppendEmptyGame(*b.lib);
  EXPECT_EQ(b.lib->GameCount, 1);
  EXPECT_EQ(ReadBytes(b.path).size(), size_t(kGameRecordSize));
}

TEST(SaveCurrentGame, OverwritesOneRecordWithAll48PilesAndReloadsNames) {
  LibraryBench b;
  GameDef old = NamedGame("Old");
  for (PileDef& p : old.Piles) p.Column = 77, p.Flags = 9;
  WriteLibrary(b.path, {NamedGame("Zero"), old, NamedGame("Two")});
  b.Open();
  Pile piles[kMaxPiles];
  piles[0].Flags = PileFlags::AutoPlay;
  piles[0].InitialSize = 13;
  piles[1].Row = 4;  // a pile whose flags were cleared keeps its other fields
  std::strcpy(b.lib->GameNames[1], "Renamed");
  SaveCurrentGame(*b.lib, 1, GameFlags::FourRank, piles);
  const auto bytes = ReadBytes(b.path);
  ASSERT_EQ(bytes.size(), 3u * kGameRecordSize);
  const size_t r = kGameRecordSize;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[r])), "Renamed");
  EXPECT_EQ(WordAt(bytes, r + 32), GameFlags::FourRank);
  EXPECT_EQ(WordAt(bytes, r + 36 + 8), 13u);
  EXPECT_EQ(WordAt(bytes, r + 36 + 48 + 4), 4u);
  EXPECT_EQ(WordAt(bytes, r + 36 + 48 + 44), 0u);
  for (int k = 2; k < kMaxPiles; ++k) {
    EXPECT_EQ(WordAt(bytes, r + 36 + 48 * k), 0u) << "pile " << k;
    EXPECT_EQ(WordAt(bytes, r + 36 + 48 * k + 44), 0u) << "pile " << k;
  }
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[2 * r])), "Two");
  EXPECT_EQ(b.lib->GameFlagTable[1], GameFlags::FourRank);
  // A game index outside the library writes nothing.
  SaveCurrentGame(*b.lib, 3, 0, piles);
  EXPECT_EQ(ReadBytes(b.path), bytes);
}

TEST(SortLibrary, OrdersRecordsByNameAndLeavesASortedFileUntouched) {
  LibraryBench b;
  WriteLibrary(b.path, {NamedGame("Spider", 1), NamedGame("aces up", 2), NamedGame("Klondike", 3),
                        NamedGame("Aces Up", 4), NamedGame("FreeCell", 5)});
  b.Open();
  SortLibrary(*b.lib);
  LoadGameNames(*b.lib);
  const char* expected[] = {"aces up", "Aces Up", "FreeCell", "Klondike", "Spider"};
  const uint32_t flags[] = {2, 4, 5, 3, 1};
  for (int i = 0; i < 5; ++i) {
    EXPECT_STREQ(b.lib->GameNames[i], expected[i]);
    EXPECT_EQ(b.lib->GameFlagTable[i], flags[i]);  // whole records move
  }
  const ino_t inode = InodeOf(b.path);
  const auto bytes = ReadBytes(b.path);
  SortLibrary(*b.lib);
  EXPECT_EQ(InodeOf(b.path), inode);  // not rewritten
  EXPECT_EQ(ReadBytes(b.path), bytes);
}

TEST(Library, ReadOnlyFileIsNeverChangedAndTablesStayConsistent) {
  LibraryBench b;
  WriteLibrary(b.path, {NamedGame("Zebra"), NamedGame("Apple")});
  std::filesystem::permissions(b.path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  b.Open();
  const auto bytes = ReadBytes(b.path);
  Pile piles[kMaxPiles];
  piles[0].Flags = 1;
  SaveCurrentGame(*b.lib, 0, 0, piles);
  AppendEmptyGame(*b.lib);
  SortLibrary(*b.lib);
  EXPECT_EQ(ReadBytes(b.path), bytes);
  EXPECT_EQ(b.lib->GameCount, 2);
  EXPECT_STREQ(b.lib->GameNames[0], "Zebra");
  EXPECT_FALSE(std::filesystem::exists(b.path + ".new"));
}

TEST(GameRecord, EncodeDecodeIsLittleEndianAndLossless) {
  GameDef g = NamedGame("Round trip", 0xDEADBEEF);
  g.Name[20] = 'x';  // bytes behind the terminator survive
  for (int k = 0; k < kMaxPiles; ++k) {
    g.Piles[k].Column = kMaxGridCell - k;  // within the range that reading keeps
    g.Piles[k].SizeLimit = k * 1000;
    g.Piles[k].Flags = 0xFFFFFFFFu - k;
  }
  std::vector<unsigned char> bytes(kGameRecordSize);
  EncodeGameDef(g, bytes.data());
  EXPECT_EQ(WordAt(bytes, 32), 0xDEADBEEFu);
  EXPECT_EQ(WordAt(bytes, 36 + 48 * 5), static_cast<uint32_t>(kMaxGridCell - 5));
  GameDef back;
  DecodeGameDef(bytes.data(), back);
  std::vector<unsigned char> again(kGameRecordSize);
  EncodeGameDef(back, again.data());
  EXPECT_EQ(again, bytes);
  EXPECT_EQ(back.Name[20], 'x');
}

}  // namespace
}  // namespace tarnik
