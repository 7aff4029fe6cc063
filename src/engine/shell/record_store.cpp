#include "engine/shell/record_store.h"

#include <cstring>

#include "engine/deal/deal.h"
#include "engine/deal/game_index.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"
#include "engine/records/player_file.h"
#include "engine/records/player_log.h"
#include "engine/records/previous_game.h"
#include "engine/records/saved_game.h"
#include "engine/records/tour_file.h"

namespace tarnik {

std::string PlayerPath(const Game& game) {
  const char* path = game.prefs.LogFile;
  return std::string(path, strnlen(path, kLogFileSize));
}

void LoadRecords(Game& game, uint32_t tickMilliseconds) {
  ReadPlayerFile(game.records, PlayerPath(game));
  ReadTourFile(game.records, kTourFilePath);
  FindPreviousGame(game);
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
