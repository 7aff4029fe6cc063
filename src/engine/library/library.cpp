#include "engine/library/library.h"

#include <bit>
#include <cstring>
#include <vector>

#include "engine/files/file_io.h"
#include "engine/library/name_order.h"

namespace tarnik {

namespace {

void PutWord(unsigned char*& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) *out++ = static_cast<unsigned char>(v >> (8 * i));
}

uint32_t GetWord(const unsigned char*& in) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= uint32_t{*in++} << (8 * i);
  return v;
}

template <typename E>
uint32_t Word(E e) {
  return static_cast<uint32_t>(static_cast<int32_t>(e));
}

template <typename E>
E FromWord(uint32_t w) {
  return static_cast<E>(static_cast<int32_t>(w));
}

// Records the file holds, ignoring a partial record at its end.
int64_t RecordsInFile(const std::string& path) {
  const auto size = FileSize(path);
  return size ? static_cast<int64_t>(*size / kGameRecordSize) : 0;
}

// The record "Add game" appends: one 52-card pile that deals into a stack.
GameDef EmptyGame() {
  GameDef game;
  std::strcpy(game.Name, "<empty>");
  game.Piles[0].InitialSize = 52;
  game.Piles[0].Direction = PileDirection::NoDirection;
  game.Piles[0].Flags = PileFlags::AutoFillSource;
  return game;
}

// Writes one whole record at its place in an open file.
bool WriteRecord(std::fstream& file, int64_t index, const GameDef& game) {
  unsigned char bytes[kGameRecordSize];
  EncodeGameDef(game, bytes);
  file.seekp(static_cast<std::streamoff>(index * kGameRecordSize));
  file.write(reinterpret_cast<const char*>(bytes), kGameRecordSize);
  return static_cast<bool>(file);
}

}  // namespace

void EncodeGameDef(const GameDef& game, unsigned char* out) {
  std::memcpy(out, game.Name, kNameSize);
  out += kNameSize;
  PutWord(out, game.Flags);
  for (const PileDef& p : game.Piles) {
    PutWord(out, static_cast<uint32_t>(p.Column));
    PutWord(out, static_cast<uint32_t>(p.Row));
    PutWord(out, static_cast<uint32_t>(p.InitialSize));
    PutWord(out, static_cast<uint32_t>(p.InitialFaceDown));
    PutWord(out, static_cast<uint32_t>(p.SizeLimit));
    PutWord(out, Word(p.Direction));
    PutWord(out, Word(p.Placement));
    PutWord(out, Word(p.RankBuild));
    PutWord(out, Word(p.SuitBuild));
    PutWord(out, Word(p.PileStart));
    PutWord(out, Word(p.Removal));
    PutWord(out, p.Flags);
  }
}

// `v` brought into lo to hi.
static int32_t Within(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

void RepairPileNumbers(GameDef& game) {
  // Every later sum and pixel position of these numbers then stays far
  // inside 32 bits.
  for (PileDef& p : game.Piles) {
    p.Column = Within(p.Column, 0, kMaxGridCell);
    p.Row = Within(p.Row, 0, kMaxGridCell);
    p.InitialSize = Within(p.InitialSize, 0, kMaxCards);
    p.InitialFaceDown = Within(p.InitialFaceDown, 0, kMaxCards);
  }
}

void DecodeGameDef(const unsigned char* in, GameDef& game) {
  if constexpr (std::endian::native == std::endian::little) {
    // The record in memory has the file's layout word for word.
    std::memcpy(static_cast<void*>(&game), in, kGameRecordSize);
    RepairPileNumbers(game);
    return;
  }
  std::memcpy(game.Name, in, kNameSize);
  in += kNameSize;
  game.Flags = GetWord(in);
  for (PileDef& p : game.Piles) {
    p.Column = static_cast<int32_t>(GetWord(in));
    p.Row = static_cast<int32_t>(GetWord(in));
    p.InitialSize = static_cast<int32_t>(GetWord(in));
    p.InitialFaceDown = static_cast<int32_t>(GetWord(in));
    p.SizeLimit = static_cast<int32_t>(GetWord(in));
    p.Direction = FromWord<PileDirection>(GetWord(in));
    p.Placement = FromWord<CardPlacement>(GetWord(in));
    p.RankBuild = FromWord<RankBuild>(GetWord(in));
    p.SuitBuild = FromWord<SuitBuild>(GetWord(in));
    p.PileStart = FromWord<PileStart>(GetWord(in));
    p.Removal = FromWord<CardRemoval>(GetWord(in));
    p.Flags = GetWord(in);
  }
  RepairPileNumbers(game);
}

void CountGames(Library& library) {
  const int64_t records = RecordsInFile(library.Path);
  library.GameCount = static_cast<int32_t>(records < kMaxGames ? records : kMaxGames);
}

// Reads the first `count` records into the library's copy; a file that
// shrank since it was counted keeps only the records it still holds.
static void ReadRecords(Library& library, int64_t count) {
  const int64_t inFile = RecordsInFile(library.Path);
  if (count > inFile) count = inFile;
  library.Records.resize(size_t(count) * kGameRecordSize);
  if (!library.Records.empty() &&
      !ReadAt(library.Path, 0, library.Records.data(), library.Records.size()))
    library.Records.clear();
}

void LoadGameNames(Library& library) {
  ReadRecords(library, library.GameCount);
  library.GameCount = static_cast<int32_t>(library.Records.size() / kGameRecordSize);
  for (int32_t i = 0; i < library.GameCount; ++i) {
    const unsigned char* head = &library.Records[size_t(i) * kGameRecordSize];
    std::memcpy(library.GameNames[i], head, kNameSize);
    library.GameNames[i][kNameSize - 1] = '\0';  // a name always ends in the field
    const unsigned char* flags = head + kNameSize;
    library.GameFlagTable[i] = GetWord(flags);
  }
}

bool LoadGame(const Library& library, Pile* piles, uint32_t& flags, int32_t index) {
  static thread_local GameDef game;  // too large for a small stack, and reused
  const size_t offset = size_t(index) * kGameRecordSize;
  const bool ok = index >= 0 && index < library.GameCount &&
                  offset + kGameRecordSize <= library.Records.size();
  if (ok) DecodeGameDef(&library.Records[offset], game);
  else game = GameDef{};
  flags = game.Flags;
  for (int k = 0; k < kMaxPiles; ++k) static_cast<PileDef&>(piles[k]) = game.Piles[k];
  return ok;
}

void AppendEmptyGame(Library& library) {
  const int64_t records = RecordsInFile(library.Path);
  if (records >= kMaxGames) return;  // the tables hold no more games
  const GameDef game = EmptyGame();
  if (!EditFileSafely(library.Path, [&](std::fstream& f) { return WriteRecord(f, records, game); }))
    return;
  library.GameCount = static_cast<int32_t>(records + 1);
  ReadRecords(library, library.GameCount);
}

void SaveCurrentGame(Library& library, int32_t current, uint32_t flags, const Pile* piles) {
  if (current < 0 || current >= library.GameCount) return;
  GameDef game;
  std::memcpy(game.Name, library.GameNames[current], kNameSize);
  game.Flags = flags;
  for (int k = 0; k < kMaxPiles; ++k) game.Piles[k] = DefOf(piles[k]);
  EditFileSafely(library.Path, [&](std::fstream& f) { return WriteRecord(f, current, game); });
  LoadGameNames(library);
}

void SortLibrary(Library& library) {
  const int32_t n = library.GameCount;
  std::vector<unsigned char> bytes(size_t(n) * kGameRecordSize);
  if (n < 2 || !ReadAt(library.Path, 0, bytes.data(), bytes.size())) return;
  std::vector<GameDef> games(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) DecodeGameDef(&bytes[size_t(i) * kGameRecordSize], games[i]);
  // Exchange sort: every pair i < j, exchanged when name i sorts after name j.
  bool changed = false;
  for (int32_t i = 0; i + 1 < n; ++i)
    for (int32_t j = i + 1; j < n; ++j)
      if (CompareGameNames(games[i].Name, games[j].Name, kNameSize) > 0) {
        std::swap(games[i], games[j]);
        changed = true;
      }
  if (!changed) return;  // a sorted library is not written
  EditFileSafely(library.Path, [&](std::fstream& f) {
    for (int32_t i = 0; i < n; ++i)
      if (!WriteRecord(f, i, games[i])) return false;
    return true;
  });
  ReadRecords(library, n);
}

}  // namespace tarnik
