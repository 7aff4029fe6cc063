#include "engine/records/previous_game.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/cards/pile_ops.h"
#include "engine/files/file_io.h"
#include "engine/files/little_endian.h"
#include "engine/records/saved_game.h"

namespace tarnik {

namespace {

constexpr int kGameField = 8;  // where a saved game names its library game

std::string KeptPath(const Game& game) {
  const char* path = game.records.PreviousGamePath;
  return std::string(path, strnlen(path, kPathSize));
}

// FNV-1a over the bytes: tells a game already kept from a changed one.
uint64_t Digest(const std::vector<unsigned char>& bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char b : bytes) hash = (hash ^ b) * 1099511628211ull;
  return hash;
}

// The saved form of the history in play, named by the deal it was dealt
// from and read with that library game's piles (an edit in progress may
// have changed the piles on the table). Empty when it holds fewer than
// `positions` positions or would not open again.
std::vector<unsigned char> KeptForm(const Game& game, int32_t positions) {
  const History& h = game.history;
  if (h.PositionCount < positions || h.DealtGame < 0 || h.DealtGame >= game.library.GameCount)
    return {};
  Pile piles[kMaxPiles];
  uint32_t flags = 0;
  LoadGame(game.library, piles, flags, h.DealtGame);
  std::vector<unsigned char> bytes =
      EncodeSavedGame(game, h.DealtGame, h.DealtSeed, CountPiles(piles));
  if (!SavedGameFits(game.library, bytes.data(), bytes.size())) return {};
  return bytes;
}

// Writes the kept game; false when it cannot be written.
bool Store(Game& game, const std::vector<unsigned char>& bytes) {
  if (!WriteFileSafely(KeptPath(game), bytes.data(), bytes.size())) return false;
  game.records.HasPreviousGame = true;
  game.records.KeptDigest = Digest(bytes);
  return true;
}

// Forgets the kept game, file and all.
void Drop(Game& game) {
  std::remove(KeptPath(game).c_str());
  game.records.HasPreviousGame = false;
  game.records.KeptDigest = 0;
}

std::optional<std::vector<unsigned char>> ReadKept(const Game& game) {
  if (KeptPath(game).empty()) return std::nullopt;
  return ReadWholeFile(KeptPath(game), kMaxSavedGameSize);
}

}  // namespace

void KeepPreviousGame(Game& game) {
  if (KeptPath(game).empty()) return;
  const std::vector<unsigned char> bytes = KeptForm(game, 2);  // the deal and a move
  if (bytes.empty()) return;
  if (game.records.HasPreviousGame && Digest(bytes) == game.records.KeptDigest) return;
  Store(game, bytes);
}

bool FindPreviousGame(Game& game) {
  const std::string path = KeptPath(game);
  game.records.HasPreviousGame = !path.empty() && FileSize(path).value_or(0) > 0;
  game.records.KeptDigest = 0;
  return game.records.HasPreviousGame;
}

int BackToPreviousGame(Game& game) {
  const auto kept = ReadKept(game);
  if (!kept) {
    game.records.HasPreviousGame = false;
    return 0;
  }
  const std::vector<unsigned char> current = KeptForm(game, 1);
  if (!LoadSavedGame(game, kept->data(), kept->size(), false)) {
    Drop(game);
    return 0;
  }
  if (current.empty() || !Store(game, current)) Drop(game);
  return 1;
}

std::string PreviousGameName(const Game& game) {
  const auto kept = ReadKept(game);
  if (!kept || kept->size() < size_t(kSavedGameHeaderSize)) return {};
  const auto index = static_cast<int32_t>(GetLittle32(kept->data() + kGameField));
  if (index < 0 || index >= game.library.GameCount) return {};
  const char* name = game.library.GameNames[index];
  return std::string(name, strnlen(name, kNameSize));
}

void RenumberPreviousGame(Game& game, const std::string& name) {
  if (name.empty()) return;
  auto kept = ReadKept(game);
  if (!kept || kept->size() < size_t(kSavedGameHeaderSize)) return;
  for (int32_t i = 0; i < game.library.GameCount; ++i) {
    const char* candidate = game.library.GameNames[i];
    if (name != std::string(candidate, strnlen(candidate, kNameSize))) continue;
    PutLittle32(kept->data() + kGameField, static_cast<uint32_t>(i));
    if (!Store(game, *kept)) Drop(game);
    return;
  }
  Drop(game);  // the game left the library
}

}  // namespace tarnik
