// Writes the seed corpora of the fuzz targets from the shipped library:
// saved games of several games with a short history, a player file, a
// tournament file, preference values and the library itself.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/deal/deal.h"
#include "engine/files/file_io.h"
#include "engine/game/game.h"
#include "engine/play/history.h"
#include "engine/play/start_game.h"
#include "engine/records/player_file.h"
#include "engine/records/player_log.h"
#include "engine/records/preference_store.h"
#include "engine/records/saved_game.h"
#include "engine/records/tour_file.h"
#include "fuzz_support.h"

using namespace tarnik;
namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::vector<unsigned char>& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A deal of each of the first games with three positions, one undone.
void SavedGames(Game& game, const fs::path& out) {
  for (int32_t g = 0; g < game.library.GameCount && g < 8; ++g) {
    game.CurrentGame = g;
    game.CurrentSeed = 31u * uint32_t(g) + 1u;
    StartGame(game, game.CurrentSeed);
    RecordPosition(game);
    StoreSnapShot(game);
    RecordPosition(game);
    UndoMove(game);
    Write(out / ("game" + std::to_string(g) + ".tkg"), EncodeSavedGame(game));
  }
}

// A player file with a few logged deals, whole and cut after three games.
void PlayerFiles(Game& game, const fs::path& out) {
  for (uint32_t k = 0; k < 12; ++k) {
    game.CurrentGame = int32_t(k % 3);
    game.CurrentSeed = 1000 + k;
    game.CurrentLogRecord = OpenLogRecord(game);
    game.records.PlayerFile[k % 3][k / 3].Status = uint8_t(1 + k % 2);
    game.records.PlayerFile[k % 3][k / 3].HighScore = uint8_t(k * 4);
  }
  std::vector<unsigned char> bytes(kPlayerFileSize);
  EncodePlayerFile(game.records, bytes.data());
  Write(out / "whole.tkp", bytes);
  Write(out / "three-games.tkp", {bytes.begin(), bytes.begin() + 3 * kLogBlockSize + 8});
}

// The tour table with two tours, followed by manager steps.
void TourFiles(Game& game, const fs::path& out) {
  for (TourRecord& tour : game.records.TourTable)
    for (uint32_t& g : tour.Games) g = kTourEnd;
  TourRecord& first = game.records.TourTable[0];
  first.Games[0] = 0, first.Games[1] = 2, first.Games[2] = 1;
  first.Seed = 4242;
  std::strcpy(first.Name, "Weekend");
  game.records.TourTable[15].Games[0] = 3;
  std::vector<unsigned char> bytes(kTourFileSize);
  EncodeTourTable(game.records, bytes.data());
  Write(out / "empty-steps.tkt", bytes);
  for (unsigned char step : {0, 0, 0, 1, 4, 8, 2, 10, 2, 3, 6, 40, 7, 1, 5}) bytes.push_back(step);
  Write(out / "steps.tkt", bytes);
}

// Every value as a number entry, and the player file path as text.
void PreferenceValues(const fs::path& out) {
  std::vector<unsigned char> bytes;
  for (int name = 0; name < kPreferenceValueCount - 1; ++name) {
    bytes.insert(bytes.end(), {static_cast<unsigned char>(name), 1});
    const uint32_t value = name * 37u;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
  }
  const std::string path = "Players/Someone.tkp";
  bytes.insert(bytes.end(), {38, 0, static_cast<unsigned char>((path.size() + 1) / 2)});
  bytes.insert(bytes.end(), path.begin(), path.end());
  Write(out / "all-values", bytes);
}

void Libraries(const Game& game, const fs::path& out) {
  const auto bytes = ReadWholeFile(game.library.Path, 1u << 20);
  if (!bytes) return;
  Write(out / "shipped.tkl", *bytes);
  if (bytes->size() >= size_t(kGameRecordSize))
    Write(out / "first-game.tkl", {bytes->begin(), bytes->begin() + kGameRecordSize});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path out = argv[1];
  Game& game = fuzz::FuzzGame();
  if (game.library.GameCount == 0) return 1;
  Libraries(game, out / "library_file");
  SavedGames(game, out / "saved_game");
  PlayerFiles(game, out / "player_file");
  TourFiles(game, out / "tour_file");
  PreferenceValues(out / "preferences");
  return 0;
}
