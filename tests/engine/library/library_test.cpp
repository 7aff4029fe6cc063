// The game library file and its records, the order of names, merging a newer
// shipped library, and the readable game files.
#include "engine/library/library.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <memory>

#include "engine/cards/pile_ops.h"
#include "engine/files/little_endian.h"
#include "engine/library/game_text.h"
#include "engine/library/library_merge.h"
#include "engine/library/name_order.h"
#include "engine/table/layout.h"
#include "support/library_files.h"

namespace tarnik {
namespace {

using namespace testing;  // the library file helpers
using Bytes = std::vector<unsigned char>;

// The 2340 bytes of one game record.
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

// Whole records count, at most 256 (no more appended); a missing file or a
// folder holds none, and appending starts a missing library.
TEST(CountGames, WholeRecordsOnlyAtMost256) {
  LibraryBench b;
  EXPECT_EQ(b.Open(), 0);  // missing
  AppendEmptyGame(*b.lib);
  EXPECT_EQ(std::pair(b.lib->GameCount, ReadBytes(b.path).size()),
            std::pair(1, size_t(kGameRecordSize)));
  std::vector<GameDef> games;
  for (int i = 0; i < 300; ++i)
    games.push_back(NamedGame(("Game " + std::to_string(i)).c_str(), i));
  WriteLibrary(b.path, games);
  Bytes partial = ReadBytes(b.path);
  partial.resize(2 * kGameRecordSize + 1);
  for (const auto& [bytes, count] :
       std::vector<std::pair<Bytes, int>>{{Bytes(2339, 7), 0}, {{}, 0}, {partial, 2}}) {
    WriteBytes(b.path, bytes);
    EXPECT_EQ(b.Open(), count);
  }
  b.lib->Path = b.dir.File("");  // a folder is no library
  EXPECT_EQ(b.Open(), 0);
  b.lib->Path = b.path;
  WriteLibrary(b.path, games);
  EXPECT_EQ(b.Open(), 256);
  EXPECT_EQ(std::pair(std::string(b.lib->GameNames[255]), b.lib->GameFlagTable[255]),
            std::pair(std::string("Game 255"), 255u));
  AppendEmptyGame(*b.lib);
  EXPECT_EQ(std::pair(ReadBytes(b.path).size(), b.lib->GameCount),
            std::pair(size_t(300) * kGameRecordSize, 256));
}

// Whole records of 48 piles load and save (unknown values too), "<empty>"
// appends, sorting moves records by name and leaves a sorted file untouched.
TEST(Library, WholeRecordsAreLoadedSavedAppendedAndSorted) {
  LibraryBench b;
  GameDef g = NamedGame("Two piles", GameFlags::TwoDeck | GameFlags::AcesHigh);
  for (PileDef& p : g.Piles) p.Column = 77;
  PileDef& p = g.Piles[0];
  p.Row = 9, p.RankBuild = RankBuild::UpByFourWrapping, p.PileStart = PileStart::BlankSpace,
  p.Flags = 0x80000001u;
  g.Piles[1].Removal = static_cast<CardRemoval>(12345), g.Piles[1].Flags = PileFlags::WinGoal;
  WriteLibrary(b.path, {NamedGame("Zero", 5), g, NamedGame("Apple", 2)});
  b.Open();
  Pile piles[kMaxPiles];
  uint32_t flags = 0;
  ASSERT_TRUE(LoadGame(*b.lib, piles, flags, 1));
  GameDef back = NamedGame("Two piles", flags);
  for (int k = 0; k < kMaxPiles; ++k) back.Piles[k] = piles[k];
  EXPECT_EQ(Record(back), Record(g));
  EXPECT_EQ(CountPiles(piles), 2);

  for (Pile& pile : piles) pile.Column = 5;
  piles[1].Flags = 0, piles[1].Row = 4;  // a pile taken out keeps its other fields
  std::strncpy(b.lib->GameNames[1], "Renamed", kNameSize);
  SaveCurrentGame(*b.lib, 1, GameFlags::FourRank, piles);
  GameDef want = NamedGame("Renamed", GameFlags::FourRank);
  for (int k = 0; k < kMaxPiles; ++k) want.Piles[k] = piles[k];
  Bytes bytes = ReadBytes(b.path);
  ASSERT_EQ(bytes.size(), 3u * kGameRecordSize);
  EXPECT_EQ(Bytes(bytes.begin() + kGameRecordSize, bytes.begin() + 2 * kGameRecordSize),
            Record(want));
  EXPECT_EQ(GetLittle32(&bytes[kGameRecordSize + 36 + 48 + 4]), 4u);  // pile 1's row
  EXPECT_EQ(b.lib->GameFlagTable[1], GameFlags::FourRank);     // the names reloaded
  SaveCurrentGame(*b.lib, 3, 0, piles);                         // no such game: nothing written
  EXPECT_EQ(ReadBytes(b.path), bytes);

  AppendEmptyGame(*b.lib);
  EXPECT_EQ(std::pair(b.lib->GameCount, std::string(b.lib->GameNames[3])),
            std::pair(4, std::string()));
  Bytes empty(kGameRecordSize, 0);  // one pile of 52 cards, squared up, filled by itself
  std::memcpy(empty.data(), "<empty>", 7);
  empty[36 + 8] = 52;                                               // InitialSize
  for (int i = 0; i < 4; ++i) empty[36 + 20 + i] = i ? 0xFF : 0xFE;  // Direction -2
  empty[36 + 44] = 1;                                               // AutoFillSource
  bytes = ReadBytes(b.path);
  EXPECT_EQ(Bytes(bytes.begin() + 3 * kGameRecordSize, bytes.end()), empty);

  SortLibrary(*b.lib);
  LoadGameNames(*b.lib);
  const std::pair<std::string, uint32_t> sorted[] = {
      {"<empty>", 0}, {"Apple", 2}, {"Renamed", GameFlags::FourRank}, {"Zero", 5}};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(std::pair(std::string(b.lib->GameNames[i]), b.lib->GameFlagTable[i]), sorted[i]);
  const ino_t inode = InodeOf(b.path);
  bytes = ReadBytes(b.path);
  SortLibrary(*b.lib);
  EXPECT_EQ(InodeOf(b.path), inode);  // not rewritten
  EXPECT_EQ(ReadBytes(b.path), bytes);
}

// A read-only library is never changed, and its tables stay as the file is.
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
  EXPECT_EQ(std::pair(b.lib->GameCount, std::string(b.lib->GameNames[0])),
            std::pair(2, std::string("Zebra")));
  EXPECT_FALSE(std::filesystem::exists(b.path + ".new"));
}

// Letters before case, lower case first; spaces, digits, letters; hyphens and
// apostrophes skipped, fewer first; a full field is read no further.
TEST(NameOrder, PairsCompareAsAPersonReadsThem) {
  const struct { const char *a, *b; int sign; } cases[] = {
      {"aces up", "Aces Up", -1}, {"Aces Up", "aces up", 1}, {"Aces Up", "aces upx", -1},
      {"Freecell", "FreeCell", -1}, {"FreeCell", "Golf", -1}, {"bisley", "Canfield", -1},
      {"Spider", "Spider", 0}, {"Black Hole", "Blackjack", -1}, {"40 Thieves", "Aces Up", -1},
      {"Forty Thieves", "Forty-Nine", -1}, {"Baker's Dozen", "Bakers Game", -1},
      {"Coop", "Co-op", -1}, {"Co-op", "Coop", 1}};
  for (const auto& c : cases) {
    char a[32] = {}, b[32] = {};
    std::strcpy(a, c.a), std::strcpy(b, c.b);
    const int r = CompareGameNames(a, b, 32);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " / " << c.b;
  }
  char a[32], b[32];
  std::memset(a, 'a', 32), std::memset(b, 'a', 32);
  EXPECT_EQ(CompareGameNames(a, b, 32), 0);
  b[31] = 'b';
  EXPECT_LT(CompareGameNames(a, b, 32), 0);
}

// A sound record survives its little-endian image whole; a damaged one's pile
// numbers come into range, so sums and pixel edges stay inside 32 bits.
TEST(GameRecord, LosslessAndDamagedPileNumbersAreBroughtIntoRange) {
  // Column, row, initial size and face-down count as stored, then as read.
  const struct { int32_t column, row, initial, faceDown, wantColumn, wantRow, wantInitial,
                 wantFaceDown; } cases[] = {
      {3, 2, 7, 6, 3, 2, 7, 6},  // a sound record reads as written
      {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, kMaxGridCell, 0, kMaxCards, 0},
      {-1, 1024, -52, 209, 0, kMaxGridCell, 0, kMaxCards},
  };
  for (const auto& c : cases) {
    GameDef def = NamedGame("Damaged", 0xDEADBEEF), read;
    def.Name[20] = 'x';
    for (PileDef& p : def.Piles)
      p.Column = c.column, p.Row = c.row, p.InitialSize = c.initial, p.InitialFaceDown = c.faceDown,
      p.Flags = 1;
    def.Piles[5].SizeLimit = 5000, def.Piles[5].Flags = 0xFFFFFFFAu;
    const Bytes bytes = Record(def);
    const size_t pile5 = 36 + 48 * 5;  // flags at 32, then 48 bytes a pile, its flags last
    EXPECT_EQ(std::vector({GetLittle32(&bytes[32]), GetLittle32(&bytes[pile5]),
                           GetLittle32(&bytes[pile5 + 44])}),
              std::vector({0xDEADBEEFu, uint32_t(c.column), 0xFFFFFFFAu}));
    DecodeGameDef(bytes.data(), read);
    EXPECT_TRUE(c.column != c.wantColumn || Record(read) == bytes);  // the sound record whole
    Pile piles[kMaxPiles];
    for (int i = 0; i < kMaxPiles; ++i) {
      const PileDef& p = read.Piles[i];
      EXPECT_EQ(std::vector({p.Column, p.Row, p.InitialSize, p.InitialFaceDown}),
                std::vector({c.wantColumn, c.wantRow, c.wantInitial, c.wantFaceDown}));
      static_cast<PileDef&>(piles[i]) = p;
    }
    EXPECT_EQ(TotalInitialSize(piles), kMaxPiles * c.wantInitial);
    ResetTable(piles, {800, 526});
    EXPECT_LT(int64_t{piles[0].Left} + piles[0].Width, INT32_MAX / 2);
    EXPECT_GT(int64_t{piles[0].Top}, INT32_MIN / 2);
  }
}

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

// The player's games stay, the program's take their newer definition, new
// games go to the end; no game moves.
TEST(LibraryMerge, KeepsEveryPlaceAndThePlayersGames) {
  using Names = std::vector<std::string>;
  const struct {
    const char* what;
    std::optional<Names> oldShipped;
    Names newShipped, player, expected;
    std::vector<int> updated, added;
  } cases[] = {
      {"an unedited game takes the newer rules; new games follow the player's own",
       {{"A:1", "B:1", "C:1"}}, {"A:1", "B:2", "C:1", "D:1", "E:1"}, {"A:1", "B:1", "C:1", "Mine:5"},
       {"A:1", "B:2", "C:1", "Mine:5", "D:1", "E:1"}, {1}, {4, 5}},
      {"a game the player edited stays as it is",
       {{"A:1", "B:1"}}, {"A:1", "B:2", "D:1"}, {"A:1", "B:7"}, {"A:1", "B:7", "D:1"}, {}, {2}},
      {"a sorted library: games are known by name in their own places",
       {{"A:1", "B:1", "C:1"}}, {"A:2", "B:1", "C:2"}, {"C:1", "B:1", "A:1"}, {"C:2", "B:1", "A:2"},
       {0, 2}, {}},
      {"a shipped game the player renamed is not brought back",
       {{"A:1", "B:1"}}, {"A:1", "B:1"}, {"A:1", "Bee:1"}, {"A:1", "Bee:1"}, {}, {}},
      {"a folder with no record of its version: nothing is changed, missing names added",
       std::nullopt, {"A:2", "B:1", "D:1"}, {"A:1", "B:1"}, {"A:1", "B:1", "D:1"}, {}, {2}},
      {"a new game named as one of the player's own is not added",
       {{"A:1"}}, {"A:1", "Mine:1"}, {"A:1", "Mine:5"}, {"A:1", "Mine:5"}, {}, {}},
      {"a game the new version no longer ships stays",
       {{"A:1", "B:1"}}, {"A:1"}, {"A:1", "B:1"}, {"A:1", "B:1"}, {}, {}},
      {"bytes after the name's end are no edit", {{"A:1"}}, {"A:2"}, {"A*:1"}, {"A:2"}, {0}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto old = c.oldShipped ? std::optional(Image(*c.oldShipped)) : std::nullopt;
    const auto merge = MergeLibrary(old, Image(c.newShipped), Image(c.player));
    EXPECT_EQ(std::tuple(merge.Records, merge.Updated, merge.Added, merge.LeftOut.size()),
              std::tuple(Image(c.expected), c.updated, c.added, size_t(0)));
  }
}

TEST(LibraryMerge, StopsAt256GamesAndDropsAPartialRecord) {
  std::vector<std::string> games;
  for (int i = 0; i < kMaxGames - 1; ++i) games.push_back("G" + std::to_string(i) + ":1");
  LibraryImage player = Image(games);
  player.resize(player.size() + 100, 0x55);  // a damaged end: no game
  const auto merge = MergeLibrary(Image({"G0:1"}), Image({"G0:1", "N1:1", "N2:1"}), player);
  ASSERT_EQ(merge.Records.size(), size_t(kMaxGames) * kGameRecordSize);
  EXPECT_EQ(LibraryImage(merge.Records.end() - kGameRecordSize, merge.Records.end()),
            Image({"N1:1"}));
  EXPECT_EQ(merge.Added, std::vector<int>{255});
  EXPECT_EQ(merge.LeftOut, std::vector<std::string>{"N2"});
  EXPECT_TRUE(std::equal(player.begin(), player.begin() + 255 * kGameRecordSize,
                         merge.Records.begin()));
}

// The game a text reads as, and its error ("" when it is taken).
std::pair<GameDef, std::string> Read(const std::string& text) {
  std::pair<GameDef, std::string> read;
  if (GameFromText(text, read.first, read.second)) read.second.clear();
  else EXPECT_FALSE(read.second.empty()) << text;
  return read;
}

constexpr const char* kPile =
    "[Pile 0]\nColumn = 2\nRow = 1\nInitialSize = 24\nInitialFaceDown = 23\nSizeLimit = 3\n"
    "Direction = Size\nPlacement = OneCard\nRankBuild = UpByThreeWrapping\n"
    "SuitBuild = DiffSuit\nPileStart = Queen of Hearts\nRemoval = AnyInAnySuit\n"
    "Flags = ManualFillSource Redeal # the stock\n";

// Every field is read and written by its name; "#" starts a comment outside quotes.
TEST(GameText, ReadsEveryFieldByName) {
  const auto [g, error] = Read(std::string("# a comment\nName = \"Test # not a comment\"\n"
                                           "Flags = TwoDeck FourRank\n\n") + kPile);
  EXPECT_EQ(error, "");
  GameDef want = NamedGame("Test # not a comment", GameFlags::TwoDeck | GameFlags::FourRank);
  want.Piles[0] = {2, 1, 24, 23, 3, PileDirection::Size, CardPlacement::OneCard,
                   RankBuild::UpByThreeWrapping, SuitBuild::DiffSuit,
                   static_cast<PileStart>(11 * 4 + 2), CardRemoval::AnyInAnySuit,
                   PileFlags::ManualFillSource | PileFlags::Redeal};
  EXPECT_EQ(Record(g), Record(want));
  const std::string pile(kPile);  // and is written back by the same names
  EXPECT_NE(GameToText(want).find(pile.substr(0, pile.find(" #"))), std::string::npos);
}

// Odd names, bytes behind the name's end, unknown values and every flag
// survive; a plain name is written as a quoted text.
TEST(GameText, AnyRecordSurvivesTextAndBackByteForByte) {
  GameDef g, plain;
  std::memcpy(g.Name, "Odd \"name\" \\ \x01\xE9", 16);
  g.Name[25] = 'z';
  g.Flags = 0xFFFFFFFFu;
  g.Piles[3].Row = -7;                                    // a gap before it, zero flags
  g.Piles[3].PileStart = static_cast<PileStart>(99);      // unknown values
  g.Piles[3].Direction = static_cast<PileDirection>(-1);  // Unsupported
  g.Piles[47].Flags = 0xFFFFFFFFu;
  g.Piles[47].Removal = static_cast<CardRemoval>(-2147483647 - 1);
  g.Piles[47].PileStart = static_cast<PileStart>(0);  // Ace of Spades
  std::strcpy(plain.Name, "Klondike");
  for (const GameDef& game : {g, plain})
    EXPECT_EQ(Record(Read(GameToText(game)).first), Record(game));
  EXPECT_NE(GameToText(plain).find("Name = \"Klondike\""), std::string::npos);
}

TEST(GameText, MistakesAreRefusedWithTheirLine) {
  const std::string head = "Name = \"G\"\nFlags = 0\n",
                    longName = "\"abcdefghijklmnopqrstuvwxyz012345\"";
  const std::pair<std::string, std::string> cases[] = {
      {"Flags = 0\n", "line 1: the game has no Name"},
      {"Name = \"G\"\n", "line 1: the game has no Flags"},
      {head + "Colour = red\n", "line 3: unknown game field Colour"},
      {head + "[Pile 48]\n", "line 3: expected a section [Pile N] with N from 0 to 47"},
      {head + "[Pile 0]\nColumn = 1\n", "line 4: pile 0 has no Row"},
      {head + kPile + "[Pile 0]\n", "line 16: pile 0 is defined twice"},
      {head + "[Pile 0]\nRankBuild = Sideways\n", "line 4: bad value for RankBuild: Sideways"},
      {head + "[Pile 0]\nColumn = 99999999999\n", "line 4: bad value for Column: 99999999999"},
      {head + "Flags = 0\n", "line 3: Flags is given twice"},
      {"Name = " + longName + "\nFlags = 0\n",
       "line 1: bad name (a quoted text of at most 31 bytes): " + longName},
      {"just words\n", "line 1: expected Key = value"},
  };
  for (const auto& [text, error] : cases) EXPECT_EQ(Read(text).second, error);
  EXPECT_EQ(Read("Name = Unquoted\n").second.substr(0, 15), "line 1: bad nam");
  // Garbage and broken escapes are refused, never crash.
  std::string junk;
  for (int i = 0; i < 4000; ++i) junk += static_cast<char>((i * 7919) % 251 + 1);
  for (const std::string& text : {junk, std::string("Name = \"\\x\"\nFlags = 0\n"),
                                  std::string("Name = \"a\\\"\nFlags = 0\n")})
    EXPECT_NE(Read(text).second, "");
}

}  // namespace
}  // namespace tarnik
