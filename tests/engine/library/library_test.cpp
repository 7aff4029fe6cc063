// The game library file: counting, reading, appending, rewriting and
// sorting records, and staying consistent with missing or damaged files;
// the order of game names is the way a desktop sorts words. Numbers of a
// damaged record or settings store that would overflow the arithmetic done
// on them are brought into range where they are read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/game/game.h"
#include "engine/library/library.h"
#include "engine/library/name_order.h"
#include "engine/cards/pile_ops.h"
#include "engine/records/memory_preferences.h"
#include "engine/records/preference_store.h"
#include "engine/table/layout.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

using namespace testing;  // the library file helpers
using Bytes = std::vector<unsigned char>;

// Reads a little-endian word out of a byte image.
uint32_t WordAt(const Bytes& b, size_t offset) {
  return b[offset] | b[offset + 1] << 8 | b[offset + 2] << 16 | uint32_t(b[offset + 3]) << 24;
}

// The 1,140 bytes of one game record.
Bytes Record(const GameDef& g) {
  Bytes bytes(kGameRecordSize);
  EncodeGameDef(g, bytes.data());
  return bytes;
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
  // Counts the games and loads their names; returns the count.
  int32_t Open() {
    CountGames(*lib);
    LoadGameNames(*lib);
    return lib->GameCount;
  }
};

// Only whole records count; names of garbage records are cut to their field.
TEST(CountGames, WholeRecordsOnlyAndNothingForAMissingFile) {
  LibraryBench b;
  EXPECT_EQ(b.Open(), 0);  // missing
  WriteLibrary(b.path, {NamedGame("A"), NamedGame("B")});
  Bytes partial = ReadBytes(b.path), garbage(2 * kGameRecordSize);
  partial.push_back(0xFF);
  for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<unsigned char>(i * 131 + 7) | 1;
  for (const auto& [bytes, count] : std::vector<std::pair<Bytes, int>>{{Bytes(2339, 7), 0}, {{}, 0}, {partial, 2}, {garbage, 2}}) {
    WriteBytes(b.path, bytes);
    EXPECT_EQ(b.Open(), count);
  }
  for (int i = 0; i < 2; ++i) EXPECT_LT(std::strlen(b.lib->GameNames[i]), size_t(kNameSize));
  EXPECT_EQ(b.lib->GameFlagTable[1], WordAt(garbage, kGameRecordSize + 32));
  b.lib->Path = b.dir.File("");  // a folder is no library
  EXPECT_EQ(b.Open(), 0);
}

TEST(CountGames, OversizedLibraryUsesTheFirst256) {
  LibraryBench b;
  std::vector<GameDef> games;
  for (int i = 0; i < 300; ++i) games.push_back(NamedGame(("Game " + std::to_string(i)).c_str(), i));
  WriteLibrary(b.path, games);
  EXPECT_EQ(b.Open(), 256);
  EXPECT_STREQ(b.lib->GameNames[255], "Game 255");
  EXPECT_EQ(b.lib->GameFlagTable[255], 255u);
  // No room for another game in the tables: appending does nothing.
  const auto before = ReadBytes(b.path);
  AppendEmptyGame(*b.lib);
  EXPECT_EQ(ReadBytes(b.path), before);
  EXPECT_EQ(b.lib->GameCount, 256);
}

TEST(LoadGame, ReadsFlagsAndAllPilesIntoTheGivenTable) {
  LibraryBench b;
  GameDef g = NamedGame("Two piles", GameFlags::TwoDeck | GameFlags::AcesHigh);
  PileDef& p = g.Piles[0];
  p.Column = 3, p.Row = 9, p.RankBuild = RankBuild::UpByFourWrapping, p.PileStart = PileStart::BlankSpace;
  p.Flags = 0x80000001u;
  g.Piles[1].Removal = static_cast<CardRemoval>(12345);  // unknown values survive
  g.Piles[1].Flags = PileFlags::WinGoal;
  WriteLibrary(b.path, {NamedGame("First"), g});
  b.Open();
  Pile piles[kMaxPiles];
  uint32_t flags = 0;
  ASSERT_TRUE(LoadGame(*b.lib, piles, flags, 1));
  GameDef back = NamedGame("Two piles", flags);  // every field of all 48 piles came back
  for (int k = 0; k < kMaxPiles; ++k) back.Piles[k] = piles[k];
  EXPECT_EQ(Record(back), Record(g));
  EXPECT_EQ(CountPiles(piles), 2);
  // A game outside the library loads as a game with no piles.
  EXPECT_FALSE(LoadGame(*b.lib, piles, flags, 2) || LoadGame(*b.lib, piles, flags, -1));
  EXPECT_EQ(flags, 0u);
  EXPECT_EQ(CountPiles(piles), 0);
}

// Appending also starts a library that does not exist yet.
TEST(AppendEmptyGame, WritesTheEmptyRecordAndCountsItWithoutItsName) {
  LibraryBench b;
  b.Open();
  AppendEmptyGame(*b.lib);
  EXPECT_EQ(b.lib->GameCount, 1);
  EXPECT_EQ(ReadBytes(b.path).size(), size_t(kGameRecordSize));
  AppendEmptyGame(*b.lib);
  EXPECT_EQ(b.lib->GameCount, 2);
  EXPECT_STREQ(b.lib->GameNames[1], "");  // not loaded until the names are reloaded
  const auto bytes = ReadBytes(b.path);
  ASSERT_EQ(bytes.size(), 2u * kGameRecordSize);
  Bytes expected(kGameRecordSize, 0);
  std::memcpy(expected.data(), "<empty>", 7);
  expected[36 + 8] = 52;                                               // pile 0: InitialSize
  for (int i = 0; i < 4; ++i) expected[36 + 20 + i] = i ? 0xFF : 0xFE;  // Direction -2
  expected[36 + 44] = 1;                                               // AutoFillSource
  EXPECT_EQ(Bytes(bytes.begin() + kGameRecordSize, bytes.end()), expected);
  LoadGameNames(*b.lib);
  EXPECT_STREQ(b.lib->GameNames[1], "<empty>");
}

TEST(SaveCurrentGame, OverwritesOneRecordWithAll48PilesAndReloadsNames) {
  LibraryBench b;
  GameDef old = NamedGame("Old");
  for (PileDef& p : old.Piles) p.Column = 77, p.Flags = 9;
  WriteLibrary(b.path, {NamedGame("Zero"), old, NamedGame("Two")});
  b.Open();
  Pile piles[kMaxPiles];
  piles[0].Flags = PileFlags::AutoPlay, piles[0].InitialSize = 13;
  piles[1].Row = 4;  // a pile whose flags were cleared keeps its other fields
  std::strcpy(b.lib->GameNames[1], "Renamed");
  SaveCurrentGame(*b.lib, 1, GameFlags::FourRank, piles);
  const auto bytes = ReadBytes(b.path);
  ASSERT_EQ(bytes.size(), 3u * kGameRecordSize);
  GameDef want = NamedGame("Renamed", GameFlags::FourRank);  // all 48 piles as they are
  for (int k = 0; k < kMaxPiles; ++k) want.Piles[k] = piles[k];
  auto at = [&](int i) { return std::vector(bytes.begin() + i * kGameRecordSize, bytes.begin() + (i + 1) * kGameRecordSize); };
  EXPECT_EQ(at(1), Record(want));
  EXPECT_EQ(at(2), Record(NamedGame("Two")));
  EXPECT_EQ(WordAt(bytes, kGameRecordSize + 36 + 48 + 4), 4u);
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
  const std::pair<std::string, uint32_t> expected[] = {{"aces up", 2}, {"Aces Up", 4}, {"FreeCell", 5}, {"Klondike", 3}, {"Spider", 1}};
  for (int i = 0; i < 5; ++i)  // whole records move
    EXPECT_EQ(std::pair(std::string(b.lib->GameNames[i]), b.lib->GameFlagTable[i]), expected[i]);
  const ino_t inode = InodeOf(b.path);
  const auto bytes = ReadBytes(b.path);
  SortLibrary(*b.lib);
  EXPECT_EQ(InodeOf(b.path), inode);  // not rewritten
  EXPECT_EQ(ReadBytes(b.path), bytes);
}

TEST(Library, ReadOnlyFileIsNeverChangedAndTablesStayConsistent) {
  LibraryBench b;
  WriteLibrary(b.path, {NamedGame("Zebra"), NamedGame("Apple")});
  std::filesystem::permissions(b.path, std::filesystem::perms(0444));
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
  for (int k = 0; k < kMaxPiles; ++k)  // columns within the range that reading keeps
    g.Piles[k].Column = kMaxGridCell - k, g.Piles[k].SizeLimit = k * 1000, g.Piles[k].Flags = 0xFFFFFFFFu - k;
  const auto bytes = Record(g);
  EXPECT_EQ(WordAt(bytes, 32), 0xDEADBEEFu);
  EXPECT_EQ(WordAt(bytes, 36 + 48 * 5), static_cast<uint32_t>(kMaxGridCell - 5));
  GameDef back;
  DecodeGameDef(bytes.data(), back);
  EXPECT_EQ(Record(back), bytes);
  EXPECT_EQ(back.Name[20], 'x');
}

int Cmp(const std::string& a, const std::string& b) {
  char x[32] = {}, y[32] = {};
  a.copy(x, 31);
  b.copy(y, 31);
  return CompareGameNames(x, y, 32);
}

// Letters decide before case, then lower case first (not byte order); spaces
// before digits before letters; hyphens and apostrophes skipped, fewer first.
TEST(NameOrder, PairsCompareAsAPersonReadsThem) {
  const struct { const char *a, *b; int sign; } cases[] = {
      {"aces up", "Aces Up", -1}, {"Aces Up", "aces up", 1}, {"Aces Up", "aces upx", -1},
      {"Freecell", "FreeCell", -1}, {"FreeCell", "Golf", -1}, {"bisley", "Canfield", -1},
      {"Spider", "Spider", 0}, {"Black Hole", "Blackjack", -1}, {"40 Thieves", "Aces Up", -1},
      {"Forty Thieves", "Forty-Nine", -1}, {"Baker's Dozen", "Bakers Game", -1},
      {"Coop", "Co-op", -1}, {"Co-op", "Coop", 1}};
  for (const auto& c : cases) {
    const int r = Cmp(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " / " << c.b;
  }
}

TEST(NameOrder, SortsALibraryAsAPersonReadsIt) {
  std::vector<std::string> names = {"Yukon", "spider", "Spider", "Klondike (draw 3)", "Klondike", "Golf",
                                    "FreeCell", "Baker's Dozen", "Bakers Game", "Aces Up", "Forty Thieves"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return Cmp(a, b) < 0; });
  EXPECT_EQ(names, (std::vector<std::string>{"Aces Up", "Baker's Dozen", "Bakers Game", "Forty Thieves", "FreeCell",
                                             "Golf", "Klondike", "Klondike (draw 3)", "spider", "Spider", "Yukon"}));
}

TEST(NameOrder, NameFillingItsWholeFieldIsReadNoFurther) {
  char a[32], b[32];
  std::fill(a, a + 32, 'a'), std::fill(b, b + 32, 'a');
  EXPECT_EQ(CompareGameNames(a, b, 32), 0);
  b[31] = 'b';
  EXPECT_LT(CompareGameNames(a, b, 32), 0);
}

TEST(DamagedNumbers, PileNumbersAreBroughtIntoRangeWhenARecordIsRead) {
  // Column, row, initial size and face-down count as stored, then as read.
  const struct { int32_t column, row, initial, faceDown, wantColumn, wantRow, wantInitial, wantFaceDown; } cases[] = {
      {3, 2, 7, 6, 3, 2, 7, 6},  // a sound record reads as written
      {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, kMaxGridCell, 0, kMaxCards, 0},
      {-1, 1024, -52, 209, 0, kMaxGridCell, 0, kMaxCards},
  };
  for (const auto& c : cases) {
    GameDef def = NamedGame("Damaged"), read;
    for (PileDef& p : def.Piles)
      p.Column = c.column, p.Row = c.row, p.InitialSize = c.initial, p.InitialFaceDown = c.faceDown, p.Flags = 1;
    DecodeGameDef(Record(def).data(), read);
    Pile piles[kMaxPiles];
    for (int i = 0; i < kMaxPiles; ++i) {
      const PileDef& p = read.Piles[i];
      EXPECT_EQ(std::vector({p.Column, p.Row, p.InitialSize, p.InitialFaceDown}),
                std::vector({c.wantColumn, c.wantRow, c.wantInitial, c.wantFaceDown}));
      static_cast<PileDef&>(piles[i]) = p;
    }
    // The sums and pixel edges made of them stay inside 32 bits.
    EXPECT_EQ(TotalInitialSize(piles), kMaxPiles * c.wantInitial);
    ResetTable(piles, {800, 526});
    EXPECT_LT(int64_t{piles[0].Left} + piles[0].Width, INT32_MAX / 2);
    EXPECT_GT(int64_t{piles[0].Top}, INT32_MIN / 2);
  }
}

TEST(DamagedNumbers, AWindowRectangleBeyondAnyScreenFallsBackToTheDefault) {
  const WindowRect kDefault{};
  const struct { WindowRect stored; bool kept; } cases[] = {
      {{100, 50, 1100, 850}, true},
      {{-3000, -20, 900, -10}, true},  // odd but harmless: the window keeps 800 × 600 at least
      {{INT32_MIN, 0, INT32_MAX, 600}, false},
      {{0, 0, 800, 40000}, false},
      {{-32768, 0, 800, 600}, false},
  };
  for (const auto& c : cases) {
    MemoryPreferenceStore store;
    const int32_t sides[] = {c.stored.Left, c.stored.Top, c.stored.Right, c.stored.Bottom};
    const char* names[] = {"WindowLeft", "WindowTop", "WindowRight", "WindowBottom"};
    for (int i = 0; i < 4; ++i) store.Put(names[i], static_cast<uint32_t>(sides[i]));
    auto game = std::make_unique<Game>();
    const auto r = LoadPreferences(*game, store);
    ASSERT_TRUE(r.has_value());
    const WindowRect want = c.kept ? c.stored : kDefault;
    EXPECT_EQ(std::vector({r->Left, r->Top, r->Right, r->Bottom}),
              std::vector({want.Left, want.Top, want.Right, want.Bottom}));
    // What is written back at exit is the repaired rectangle.
    EXPECT_EQ(game->prefs.WindowRight - game->prefs.WindowLeft, want.Right - want.Left);
  }
}

}  // namespace
}  // namespace tarnik
