#include "engine/records/saved_game.h"

#include "engine/play/history.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "engine/cards/pile_ops.h"
#include "engine/files/file_io.h"
#include "engine/files/little_endian.h"
#include "engine/records/player_log.h"
#include "engine/records/previous_game.h"
#include "engine/table/layout.h"
#include "engine/table/sounds.h"

namespace tarnik {

namespace {

constexpr int kMagicSize = 8;
constexpr int kUsedLimit = kRedealsOffset;  // the piles' part ends before byte 511

// The header fields after the magic, in file order.
struct SavedHeader {
  int32_t CurrentGame, UndoPosition, PositionCount, SnapshotPosition, RankOffset;
  uint32_t CurrentSeed;
};

// The number of bytes of a stored position that hold its piles.
size_t UsedPart(const PositionRecord& record, int32_t piles) {
  size_t at = 0;
  for (int32_t p = 0; p < piles && at < kUsedLimit; ++p) at += 1 + 2 * size_t{record.Bytes[at]};
  return std::min<size_t>(at, kUsedLimit);
}

// The header fields as stored, before any of them is checked.
SavedHeader ParseHeader(const unsigned char* in) {
  SavedHeader h;
  h.CurrentGame = static_cast<int32_t>(GetLittle32(in + 8));
  h.CurrentSeed = GetLittle32(in + 12);
  h.UndoPosition = static_cast<int32_t>(GetLittle32(in + 16));
  h.PositionCount = static_cast<int32_t>(GetLittle32(in + 20));
  h.SnapshotPosition = static_cast<int32_t>(GetLittle32(in + 24));
  h.RankOffset = static_cast<int32_t>(GetLittle32(in + 28));
  return h;
}

// Whether the counters lie inside the history and the game is in the library.
bool HeaderFits(const SavedHeader& h, const Library& library) {
  const auto inHistory = [&](int32_t n) { return n >= 1 && n <= h.PositionCount; };
  return h.PositionCount >= 1 && h.PositionCount <= kMaxPositions && inHistory(h.UndoPosition) &&
         inHistory(h.SnapshotPosition) && h.CurrentGame >= 0 && h.CurrentGame < library.GameCount &&
         h.RankOffset >= 0 && h.RankOffset <= 12;
}

// How often each card value lies in one stored position.
using CardCounts = std::array<int32_t, 52>;

// One stored position in the file: where it starts and how long it is, its
// byte of RedealsLeft included.
struct PositionSpan {
  size_t At;
  size_t Length;
};

// Reads one stored position of `piles` piles at `at`: its card counts must
// fit in the record and in the file, and every card and face must be a real
// one. Counts its cards into `counts` and returns its length, or 0 when it
// does not fit.
size_t ParsePosition(const unsigned char* in, size_t size, size_t at, int32_t piles,
                     CardCounts& counts) {
  const size_t start = at;
  for (int32_t p = 0; p < piles; ++p) {
    if (at >= size) return 0;
    const int32_t count = in[at++];
    if (at - start + 2 * size_t(count) > kUsedLimit || size - at < 2 * size_t(count)) return 0;
    for (int32_t c = 0; c < count; ++c, at += 2) {
      if (in[at] >= 52 || in[at + 1] > Marked) return 0;
      ++counts[in[at]];
    }
  }
  if (at >= size) return 0;
  return at + 1 - start;  // and the byte of RedealsLeft
}

// Finds every stored position of the file. The first may hold each card at
// most as often as the game's deck does (a game may deal fewer cards than
// its deck holds, and a deck of one or two suits holds some cards more
// often than others); every later one must hold exactly the cards of the
// first, as play only moves cards between piles. Empty when a position does
// not fit.
std::vector<PositionSpan> FindPositions(const unsigned char* in, size_t size, int32_t count,
                                        int32_t piles, uint32_t flags) {
  std::vector<PositionSpan> spans;
  CardCounts first{};
  size_t at = 0;
  for (int32_t i = 0; i < count; ++i) {
    CardCounts cards{};
    const size_t length = ParsePosition(in, size, at, piles, cards);
    if (length == 0) return {};
    if (i == 0) {
      for (int32_t v = 0; v < 52; ++v)
        if (cards[v] > CopiesInDeck(flags, v)) return {};
      first = cards;
    } else if (cards != first) {
      return {};
    }
    spans.push_back({at, length});
    at += length;
  }
  return spans;
}

// Copies a checked position into a history record.
void StorePosition(const unsigned char* in, size_t length, PositionRecord& record) {
  std::memset(record.Bytes, 0, kPositionSize);
  std::memcpy(record.Bytes, in, length - 1);
  record.Bytes[kRedealsOffset] = in[length - 1];
}

// Puts the checked file into the game state and shows its current position.
void InstallSavedGame(Game& game, const SavedHeader& h, const unsigned char* positions,
                      const std::vector<PositionSpan>& spans) {
  game.CurrentGame = h.CurrentGame;
  game.CurrentSeed = h.CurrentSeed;
  game.RankOffset = h.RankOffset;
  game.RandomState = h.CurrentSeed;
  History& history = game.history;
  history.UndoPosition = h.UndoPosition;
  history.PositionCount = h.PositionCount;
  history.SnapshotPosition = h.SnapshotPosition;
  history.DealtGame = h.CurrentGame;
  history.DealtSeed = h.CurrentSeed;
  LoadGame(game.library, game.PileTable, game.CurrentFlags, game.CurrentGame);
  ResetTable(game.PileTable, game.client);
  for (size_t i = 0; i < spans.size(); ++i)
    StorePosition(positions + spans[i].At, spans[i].Length, history.PositionBuffer[i]);
  PlaySoundNamed(game, "Shuffle");  // only while sounds are enabled
  game.CurrentLogRecord = FindLogRecord(game);
  RestorePosition(game);
}

}  // namespace

std::vector<unsigned char> EncodeSavedGame(const Game& game) {
  return EncodeSavedGame(game, game.CurrentGame, game.CurrentSeed, CountPiles(game.PileTable));
}

std::vector<unsigned char> EncodeSavedGame(const Game& game, int32_t gameIndex, uint32_t seed,
                                           int32_t piles) {
  const History& history = game.history;
  const int32_t count = std::clamp(history.PositionCount, 0, kMaxPositions);
  std::vector<unsigned char> out(kSavedGameHeaderSize);
  std::memcpy(out.data(), kSavedGameMagic, kMagicSize);
  PutLittle32(&out[8], static_cast<uint32_t>(gameIndex));
  PutLittle32(&out[12], seed);
  PutLittle32(&out[16], static_cast<uint32_t>(history.UndoPosition));
  PutLittle32(&out[20], static_cast<uint32_t>(count));
  PutLittle32(&out[24], static_cast<uint32_t>(history.SnapshotPosition));
  PutLittle32(&out[28], static_cast<uint32_t>(game.RankOffset));
  for (int32_t i = 0; i < count; ++i) {
    const PositionRecord& record = history.PositionBuffer[i];
    out.insert(out.end(), record.Bytes, record.Bytes + UsedPart(record, piles));
    out.push_back(record.Bytes[kRedealsOffset]);
  }
  return out;
}

bool WriteSavedGame(const Game& game, const std::string& path) {
  if (game.history.PositionCount < 1) return false;
  const std::vector<unsigned char> bytes = EncodeSavedGame(game);
  return WriteFileSafely(path, bytes.data(), bytes.size());
}

namespace {

// Checks the bytes of a saved game against the library: the header and where
// each stored position lies, or why the bytes are refused.
SavedGameRead CheckSavedGame(const Library& library, const unsigned char* bytes, size_t size,
                             SavedHeader& header, std::vector<PositionSpan>& spans) {
  if (size < kMagicSize || std::memcmp(bytes, kSavedGameMagic, kMagicSize) != 0)
    return SavedGameRead::NotSavedGame;
  if (size < kSavedGameHeaderSize) return SavedGameRead::Damaged;
  header = ParseHeader(bytes);
  if (!HeaderFits(header, library)) return SavedGameRead::Damaged;
  Pile piles[kMaxPiles];
  uint32_t flags = 0;
  LoadGame(library, piles, flags, header.CurrentGame);
  spans = FindPositions(bytes + kSavedGameHeaderSize, size - kSavedGameHeaderSize,
                        header.PositionCount, CountPiles(piles), flags);
  return spans.empty() ? SavedGameRead::Damaged : SavedGameRead::Loaded;
}

// Checks the bytes of a saved game and, when they fit, loads them, keeping
// the game they replace as the previous game when told to.
SavedGameRead LoadQuietly(Game& game, const unsigned char* bytes, size_t size, bool keepPrevious) {
  SavedHeader header;
  std::vector<PositionSpan> spans;
  const SavedGameRead read = CheckSavedGame(game.library, bytes, size, header, spans);
  if (read != SavedGameRead::Loaded) return read;
  if (keepPrevious) KeepPreviousGame(game);
  InstallSavedGame(game, header, bytes + kSavedGameHeaderSize, spans);
  return SavedGameRead::Loaded;
}

}  // namespace

bool SavedGameFits(const Library& library, const unsigned char* bytes, size_t size) {
  SavedHeader header;
  std::vector<PositionSpan> spans;
  return CheckSavedGame(library, bytes, size, header, spans) == SavedGameRead::Loaded;
}

void ShowSavedGameRefusal(Game& game, SavedGameRead why, const std::string& addition) {
  if (why != SavedGameRead::NotSavedGame && why != SavedGameRead::Damaged) return;
  const bool notSaved = why == SavedGameRead::NotSavedGame;
  std::string text = notSaved ? kNotSavedGameText : kDamagedSavedGameText;
  if (!addition.empty()) text += "\n\n" + addition;
  game.display->ShowMessage(text.c_str(), notSaved ? kNotSavedGameCaption : kDamagedSavedGameCaption,
                            MessageIcon::Exclamation);
}

int LoadSavedGame(Game& game, const unsigned char* bytes, size_t size, bool keepPrevious) {
  const SavedGameRead read = LoadQuietly(game, bytes, size, keepPrevious);
  ShowSavedGameRefusal(game, read);
  return read == SavedGameRead::Loaded ? 1 : 0;
}

SavedGameRead ReadSavedGameQuietly(Game& game, const std::string& path) {
  const auto size = FileSize(path);
  if (!size) return SavedGameRead::Unreadable;
  std::vector<unsigned char> bytes(std::min<uint64_t>(*size, kMaxSavedGameSize));
  if (!bytes.empty() && !ReadAt(path, 0, bytes.data(), bytes.size()))
    return SavedGameRead::Unreadable;
  return LoadQuietly(game, bytes.data(), bytes.size(), true);
}

int ReadSavedGame(Game& game, const std::string& path) {
  const SavedGameRead read = ReadSavedGameQuietly(game, path);
  ShowSavedGameRefusal(game, read);
  return read == SavedGameRead::Loaded ? 1 : 0;
}

SaveOutcome SaveGameCommand(Game& game) {
  const char* path = game.records.SavedGamePath;
  if (path[0] == '\0') return SaveOutcome::NeedsPath;
  const MessageAnswer answer =
      game.display->ShowMessage("Save over this game?", "ARE YOU SURE?", MessageIcon::Question);
  if (answer != MessageAnswer::Yes) return SaveOutcome::Declined;
  WriteSavedGame(game, path);
  return SaveOutcome::Saved;
}

}  // namespace tarnik
