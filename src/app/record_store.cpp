#include "app/record_store.h"

#include <cstring>

#include "app/player_file.h"
#include "app/player_log.h"
#include "app/tour_file.h"
#include "model/deal.h"
#include "play/game_index.h"
#include "play/saved_game.h"

namespace tarnik {

std::string PlayerPath(const Game& game) {
  const char* path = game.prefs.LogFile;
  return std::string(path, strnlen(path, kLogFileSize));
}

void LoadRecords(Game& game, uint32_t tickMilliseconds) {
  ReadPlayerFile(game.records, PlayerPath(game));
  ReadTourFile(game.records, kTourFilePath);
  if (ReadSavedGame(game, kLastGamePath)) return;
  game.CurrentGame = GameInRange(game.library, game.CurrentGame);
  game.CurrentSeed = FreshSeed(tickMilliseconds);
  StartGame(game, game.CurrentSeed);
}

void SaveRecords(const Game& game) {
  WriteSavedGame(game, kLastGamePath);
  WriteTourFile(game.records, kTourFilePath);
  WritePlayerFile(game.records, PlayerPath(game));
}

void OpenPlayer(Game& game, const ChoosePlayerFile& choose) {
  WritePlayerFile(game.records, PlayerPath(game));
  const std::optional<std::string> chosen = choose(PlayerPath(game));
  if (!chosen || chosen->empty() || chosen->size() >= size_t(kLogFileSize)) return;
  std::memset(game.prefs.LogFile, 0, kLogFileSize);
  std::memcpy(game.prefs.LogFile, chosen->data(), chosen->size());
  if (!ReadPlayerFile(game.records, *chosen)) ClearPlayerStatistics(game);
  game.CurrentLogRecord = FindLogRecord(game);
  game.display->RedrawTable();
}

}  // namespace tarnik
