#include "engine/shell/record_store.h"

#include <cstring>
#include <vector>

#include "engine/deal/deal.h"
#include "engine/deal/game_index.h"
#include "engine/files/file_io.h"
#include "engine/game/game.h"
#include "engine/play/start_game.h"
#include "engine/records/player_file.h"
#include "engine/records/player_log.h"
#include "engine/records/previous_game.h"
#include "engine/records/saved_game.h"
#include "engine/records/tour_file.h"
#include "engine/shell/player_target.h"

namespace tarnik {

namespace {

// Where a game in progress that the game refuses is kept, newest first.
const std::vector<std::string> kRefusedGamePaths = {
    "Data/Last.refused.tkg", "Data/Last.refused-2.tkg", "Data/Last.refused-3.tkg"};

// Reopens the game in progress. A file the game refuses is first moved
// aside, so that the next exit cannot write over it, and the message says
// where it is kept.
bool ReopenGameInProgress(Game& game) {
  const SavedGameRead read = ReadSavedGameQuietly(game, kLastGamePath);
  if (read == SavedGameRead::Loaded) return true;
  if (read == SavedGameRead::Unreadable) return false;
  std::string note;
  if (KeepAside(kLastGamePath, kRefusedGamePaths))
    note = "The game in progress is kept as \"" + kRefusedGamePaths.front() +
           "\"; a new game is dealt.";
  ShowSavedGameRefusal(game, read, note);
  return false;
}

// Writes the player file unless its name has come to stand for one of the
// game's own files (or no regular file), which it must never replace.
void SavePlayer(const Game& game) {
  const std::string path = PlayerPath(game);
  if (ClassifyPlayerTarget(game, path) != PlayerTarget::ProgramFile)
    WritePlayerFile(game.records, path);
}

// Whether the file the player chose may become the player file: the game's
// own files are refused, any other file that is not a player file is taken
// only when the player agrees to it being written over.
bool AcceptPlayerFile(Game& game, const std::string& path) {
  switch (ClassifyPlayerTarget(game, path)) {
    case PlayerTarget::Free:
    case PlayerTarget::PlayerFile: return true;
    case PlayerTarget::OtherFile:
      return game.display->ShowMessage(kOtherFileQuestion, "ARE YOU SURE?",
                                       MessageIcon::Question) == MessageAnswer::Yes;
    case PlayerTarget::ProgramFile: break;
  }
  game.display->ShowMessage(kNotPlayerFileText, kNotPlayerFileCaption, MessageIcon::Exclamation);
  return false;
}

}  // namespace

std::string PlayerPath(const Game& game) {
  const char* path = game.prefs.LogFile;
  return std::string(path, strnlen(path, kLogFileSize));
}

void LoadRecords(Game& game, uint32_t tickMilliseconds) {
  if (ClassifyPlayerTarget(game, PlayerPath(game)) == PlayerTarget::ProgramFile) {
    std::memset(game.prefs.LogFile, 0, kLogFileSize);  // the default player instead
    std::strcpy(game.prefs.LogFile, kDefaultPlayerPath);
  }
  ReadPlayerFile(game.records, PlayerPath(game));
  ReadTourFile(game.records, kTourFilePath);
  FindPreviousGame(game);
  if (ReopenGameInProgress(game)) return;
  game.CurrentGame = GameInRange(game.library, game.CurrentGame);
  game.CurrentSeed = FreshSeed(tickMilliseconds);
  StartGame(game, game.CurrentSeed);
}

void SaveRecords(const Game& game) {
  WriteSavedGame(game, kLastGamePath);
  WriteTourFile(game.records, kTourFilePath);
  SavePlayer(game);
}

void SaveAtExit(Game& game, PreferenceStore& store) {
  SaveRecords(game);
  SaveWindowRect(game, store, KeptWindowRect(game));
  SavePreferences(game, store);
}

void OpenPlayer(Game& game, const ChoosePlayerFile& choose) {
  SavePlayer(game);
  const std::optional<std::string> chosen = choose(PlayerPath(game));
  if (!chosen || chosen->empty() || chosen->size() >= size_t(kLogFileSize)) return;
  if (!AcceptPlayerFile(game, *chosen)) return;
  std::memset(game.prefs.LogFile, 0, kLogFileSize);
  std::memcpy(game.prefs.LogFile, chosen->data(), chosen->size());
  if (!ReadPlayerFile(game.records, *chosen)) ClearPlayerStatistics(game);
  game.CurrentLogRecord = FindLogRecord(game);
  game.display->RedrawTable();
}

}  // namespace tarnik
