#include "engine/records/saved_game.h"

#include "engine/play/history.h"

#include <algorithm>
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

// What every stored position of the named game must hold.
struct PositionShape {
  int32_t Piles;
  int32_t DeckSize;
  uint32_t Flags;  // the game's flags, which say how often the deck holds each card
};

// Every checked position holds the whole deck, so all have this length.
size_t PositionLength(PositionShape shape) {
  return size_t(shape.Piles) + 2 * size_t(shape.DeckSize) + 1;
}

// Checks one stored position at `at`: its card counts fit in the record,
// add up to the deck and hold each card of the deck as often as the deck
// does. Returns the position's length in the file, or 0 when it does not fit.
size_t CheckPosition(const unsigned char* in, size_t size, size_t at, PositionShape shape) {
  int32_t copies[52] = {};
  const size_t start = at;
  int32_t cards = 0;
  for (int32_t p = 0; p < shape.Piles; ++p) {
    if (at >= size) return 0;
    const int32_t count = in[at++];
    cards += count;
    if (at - start + 2 * size_t(count) > kUsedLimit || size - at < 2 * size_t(count)) return 0;
    for (int32_t c = 0; c < count; ++c, at += 2) {
      if (in[at] >= 52 || in[at + 1] > Marked) return 0;
      ++copies[in[at]];
    }
  }
  if (at >= size || cards != shape.DeckSize) return 0;
  for (int32_t v = 0; v < 52; ++v)
    if (copies[v] != CopiesInDeck(shape.Flags, v)) return 0;
  return at + 1 - start;  // and the byte of RedealsLeft
}

// Copies a checked position into a history record.
void StorePosition(const unsigned char* in, size_t length, PositionRecord& record) {
  std::memset(record.Bytes, 0, kPositionSize);
  std::memcpy(record.Bytes, in, length - 1);
  record.Bytes[kRedealsOffset] = in[length - 1];
}

// Puts the checked file into the game state and shows its current position.
void InstallSavedGame(Game& game, const SavedHeader& h, const unsigned char* positions,
                      PositionShape shape) {
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
  const size_t length = PositionLength(shape);
  for (int32_t i = 0; i < h.PositionCount; ++i)
    StorePosition(positions + size_t(i) * length, length, history.PositionBuffer[i]);
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

// Where the checked positions of a saved game begin, or null when its bytes
// are not a saved game that fits the library; `damaged` tells which.
static const unsigned char* CheckSavedGame(const Library& library, const unsigned char* bytes,
                                           size_t size, SavedHeader& header, PositionShape& shape,
                                           bool& damaged) {
  damaged = false;
  if (size < kMagicSize || std::memcmp(bytes, kSavedGameMagic, kMagicSize) != 0) return nullptr;
  damaged = true;
  if (size < kSavedGameHeaderSize) return nullptr;
  header = ParseHeader(bytes);
  if (!HeaderFits(header, library)) return nullptr;
  Pile piles[kMaxPiles];
  uint32_t flags = 0;
  LoadGame(library, piles, flags, header.CurrentGame);
  shape = PositionShape{CountPiles(piles), DeckSize(flags), flags};
  const unsigned char* positions = bytes + kSavedGameHeaderSize;
  const size_t available = size - kSavedGameHeaderSize;
  size_t at = 0;
  for (int32_t i = 0; i < header.PositionCount; ++i) {
    const size_t length = CheckPosition(positions, available, at, shape);
    if (length == 0) return nullptr;
    at += length;
  }
  return positions;
}

bool SavedGameFits(const Library& library, const unsigned char* bytes, size_t size) {
  SavedHeader header;
  PositionShape shape;
  bool damaged;
  return CheckSavedGame(library, bytes, size, header, shape, damaged) != nullptr;
}

int LoadSavedGame(Game& game, const unsigned char* bytes, size_t size, bool keepPrevious) {
  SavedHeader header;
  PositionShape shape;
  bool damaged;
  const unsigned char* positions =
      CheckSavedGame(game.library, bytes, size, header, shape, damaged);
  if (!positions) {
    if (damaged)
      game.display->ShowMessage(kDamagedSavedGameText, kDamagedSavedGameCaption,
                                MessageIcon::Exclamation);
    else
      game.display->ShowMessage(kNotSavedGameText, kNotSavedGameCaption, MessageIcon::Exclamation);
    return 0;
  }
  if (keepPrevious) KeepPreviousGame(game);
  InstallSavedGame(game, header, positions, shape);
  return 1;
}

int ReadSavedGame(Game& game, const std::string& path) {
  const auto size = FileSize(path);
  if (!size) return 0;
  std::vector<unsigned char> bytes(std::min<uint64_t>(*size, kMaxSavedGameSize));
  if (!bytes.empty() && !ReadAt(path, 0, bytes.data(), bytes.size())) return 0;
  return LoadSavedGame(game, bytes.data(), bytes.size());
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
