// Writes the fuzz targets' seed corpora from the shipped library.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/files/file_io.h"
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
using Bytes = std::vector<unsigned char>;

static void Write(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const fs::path out = argv[1];
  Game& game = fuzz::FuzzGame();
  if (game.library.GameCount == 0) return 1;
  // The library, whole and its first game.
  if (const auto library = ReadWholeFile(game.library.Path, 1u << 20)) {
    Write(out / "library_file/shipped.tkl", *library);
    Write(out / "library_file/first-game.tkl",
          {library->begin(), library->begin() + kGameRecordSize});
  }
  // A deal of each of the first games with three positions, one undone.
  for (int32_t g = 0; g < game.library.GameCount && g < 8; ++g) {
    game.CurrentGame = g;
    StartGame(game, game.CurrentSeed = 31u * uint32_t(g) + 1u);
    RecordPosition(game), StoreSnapShot(game), RecordPosition(game), UndoMove(game);
    Write(out / ("saved_game/game" + std::to_string(g) + ".tkg"), EncodeSavedGame(game));
  }
  // A player file with a few logged deals, whole and cut after three games.
  for (uint32_t k = 0; k < 12; ++k) {
    game.CurrentGame = int32_t(k % 3);
    game.CurrentSeed = 1000 + k;
    game.CurrentLogRecord = OpenLogRecord(game);
    LogRecord& record = game.records.PlayerFile[k % 3][k / 3];
    record.Status = uint8_t(1 + k % 2), record.HighScore = uint8_t(k * 4);
  }
  Bytes player(kPlayerFileSize);
  EncodePlayerFile(game.records, player.data());
  Write(out / "player_file/whole.tkp", player);
  Write(out / "player_file/three-games.tkp",
        {player.begin(), player.begin() + 3 * kLogBlockSize + 8});
  // The tour table with two tours, then followed by manager steps.
  for (TourRecord& tour : game.records.TourTable) std::fill_n(tour.Games, kTourGames, kTourEnd);
  TourRecord& first = game.records.TourTable[0];
  first.Games[0] = 0, first.Games[1] = 2, first.Games[2] = 1, first.Seed = 4242;
  std::strcpy(first.Name, "Weekend");
  game.records.TourTable[15].Games[0] = 3;
  Bytes tours(kTourFileSize);
  EncodeTourTable(game.records, tours.data());
  Write(out / "tour_file/empty-steps.tkt", tours);
  for (unsigned char step : {0, 0, 0, 1, 4, 8, 2, 10, 2, 3, 6, 40, 7, 1, 5}) tours.push_back(step);
  Write(out / "tour_file/steps.tkt", tours);
  // Every preference value as a number entry, and the player file path as text.
  Bytes values;
  for (int name = 0; name < kPreferenceValueCount - 1; ++name) {
    values.insert(values.end(), {static_cast<unsigned char>(name), 1});
    for (int i = 0; i < 4; ++i) values.push_back(static_cast<unsigned char>(name * 37u >> (8 * i)));
  }
  const std::string path = "Players/Someone.tkp";
  values.insert(values.end(), {38, 0, static_cast<unsigned char>((path.size() + 1) / 2)});
  values.insert(values.end(), path.begin(), path.end());
  Write(out / "preferences/all-values", values);
  return 0;
}
