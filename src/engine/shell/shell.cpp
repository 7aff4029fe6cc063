#include "engine/shell/shell.h"

#include <cstring>

#include "engine/deal/deal.h"
#include "engine/editor/pile_moves.h"
#include "engine/game/game.h"
#include "engine/play/double_click.h"
#include "engine/play/history.h"
#include "engine/play/keyboard.h"
#include "engine/play/moves.h"
#include "engine/play/pointer.h"
#include "engine/play/start_game.h"
#include "engine/records/player_log.h"
#include "engine/records/previous_game.h"
#include "engine/records/saved_game.h"
#include "engine/records/win_prompt.h"
#include "engine/records/tournaments.h"
#include "engine/rules/pointer_targets.h"
#include "engine/shell/command_ids.h"
#include "engine/shell/record_store.h"
#include "engine/table/layout.h"

namespace tarnik {

namespace {

// Copies a chosen path into a fixed path buffer; false when it does not fit.
bool KeepPath(const std::string& path, char (&buffer)[256]) {
  if (path.empty() || path.size() >= sizeof buffer) return false;
  std::memset(buffer, 0, sizeof buffer);
  std::memcpy(buffer, path.data(), path.size());
  return true;
}

}  // namespace

bool Shell::Played() const { return CountPlayed(game_, game_.CurrentGame) > 0; }

void Shell::StartWithFreshSeed() {
  game_.CurrentSeed = game_.services->NewDealSeed(game_, FreshSeed(host_.TickCount()));
  StartGame(game_, game_.CurrentSeed);
}

void Shell::StepGame(int delta) {
  const int32_t next = game_.CurrentGame + delta;
  if (next < 0 || next > game_.library.GameCount - 1) return;
  game_.CurrentGame = next;
  StartWithFreshSeed();
}

void Shell::StepSeed(int32_t delta) {
  game_.CurrentSeed += static_cast<uint32_t>(delta);  // wraps modulo 2^32
  StartGame(game_, game_.CurrentSeed);
}

void Shell::RandomGame() {
  if (game_.library.GameCount <= 0) return;
  game_.CurrentGame =
      static_cast<int32_t>(host_.TickCount() % static_cast<uint32_t>(game_.library.GameCount));
  StartWithFreshSeed();
}

void Shell::OpenSavedGame() {
  char (&path)[256] = game_.records.SavedGamePath;
  if (!KeepPath(host_.ChooseSavedGameToOpen(path), path)) return;
  ReadSavedGame(game_, path);
}

void Shell::SaveGameAs() {
  char (&path)[256] = game_.records.SavedGamePath;
  if (!KeepPath(host_.ChooseSavedGameToSave(path), path)) return;
  WriteSavedGame(game_, path);
}

void Shell::SaveGame() {
  if (SaveGameCommand(game_) == SaveOutcome::NeedsPath) SaveGameAs();
}

void Shell::AskAndClearPlayerStatistics() {
  if (game_.display->ShowMessage("Reset all player statistics?", "Are you sure?",
                                 MessageIcon::Question) != MessageAnswer::Yes)
    return;
  ClearPlayerStatistics(game_);
  game_.display->RedrawTable();
}

void Shell::ToggleShowAllCards() {
  game_.ShowAllCards = !game_.ShowAllCards;
  host_.SetShowAllCardsCheck(game_.ShowAllCards);
  LayoutAllPiles(FirstPile(game_.PileTable), game_.Style());
  game_.display->RedrawTable();
}

// The library's places change: the kept game and the deal in play follow
// their names, so each is kept and found again under the right number.
void Shell::SortLibraryAndDeal() {
  const std::string kept = PreviousGameName(game_);
  const int32_t dealt = game_.history.DealtGame;
  const std::string playing = dealt >= 0 && dealt < game_.library.GameCount
                                  ? game_.library.GameNames[dealt]
                                  : "";
  SortLibrary(game_.library);
  LoadGameNames(game_.library);
  RenumberPreviousGame(game_, kept);
  for (int32_t i = 0; i < game_.library.GameCount; ++i)
    if (!playing.empty() && playing == game_.library.GameNames[i]) game_.history.DealtGame = i;
  game_.CurrentGame = 0;
  StartWithFreshSeed();
}

void Shell::OfferNewDealAfterWin() {
  if (!game_.WinCelebrated) return;
  game_.WinCelebrated = false;
  if (!game_.prefs.WinPrompt || IsDragging(game_)) return;
  if (host_.OfferNewDeal(kWinPromptCaption, WinPromptText(game_))) StartWithFreshSeed();
}

void Shell::HandleCommand(int id) {
  using namespace command;
  if (IsDragging(game_)) return;  // dropped, not queued
  switch (id) {
    case kAutoplay:
      AutoPlayAll(game_);
      return OfferNewDealAfterWin();
    case kStep:
      AutoStep(game_);
      return OfferNewDealAfterWin();
    case kBackToPreviousGame: BackToPreviousGame(game_); return;
    case kOpenSavedGame: return OpenSavedGame();
    case kSaveGame: return SaveGame();
    case kSaveGameAs: return SaveGameAs();
    case kExit: return host_.CloseMainWindow();
    case kUndo: return UndoMove(game_);
    case kRedo: return RedoMove(game_);
    case kStoreSnapShot: return StoreSnapShot(game_);
    case kRestoreSnapShot: return RestoreSnapShot(game_);
    case kShowAllCards: return ToggleShowAllCards();
    case kRestartGame: return StartGame(game_, game_.CurrentSeed);
    case kRandomGame: return RandomGame();
    case kPreviousGame: return StepGame(-1);
    case kNextGame: return StepGame(1);
    case kRandomShuffle: return StartWithFreshSeed();
    case kPreviousShuffle: return StepSeed(-1);
    case kNextShuffle: return StepSeed(1);
    case kOpenPlayer:
      return OpenPlayer(game_, [this](const std::string& current) -> std::optional<std::string> {
        std::string chosen = host_.ChoosePlayerFile(current);
        if (chosen.empty()) return std::nullopt;
        return chosen;
      });
    case kClearPlayerStatistics: return AskAndClearPlayerStatistics();
    case kClearGameStatistics:
      ClearGameStatistics(game_);
      return game_.display->RedrawTable();
    case kGameGraph:
    case kGameDatabase:
    case kGameStatistics:
      if (Played()) host_.OpenCommandWindow(id);
      return;
    case kNextTournamentGame: return NextTourGame(game_);
    case kPrevTournamentGame: return PrevTourGame(game_);
    case kRules: return host_.OpenHelp(game_.library.GameCount > 0 && game_.CurrentGame >= 0 &&
                                               game_.CurrentGame < game_.library.GameCount
                                           ? game_.library.GameNames[game_.CurrentGame]
                                           : "");
    case kContents: return host_.OpenHelp("");
    case kAbout: return host_.ShowAbout();
    case kSelectShuffle:
    case kSelectGame:
    case kFavoriteGames:
    case kCardCounter:
    case kPreferences:
    case kCustomizeFavorites:
    case kUndoRedoPosition:
    case kHint:
    case kCheckDeal:
    case kPlayerStatistics:
    case kTournamentManager: return host_.OpenCommandWindow(id);
    default: return;
  }
}

void Shell::HandlePlayKey(ShellKey key) {
  if (game_.EditMode) return;
  switch (key) {
    case ShellKey::Tab: return MoveFocus(game_, 1);
    case ShellKey::BackTab: return MoveFocus(game_, -1);
    case ShellKey::Space: KeySpace(game_); break;
    case ShellKey::Enter: KeyEnter(game_); break;
    case ShellKey::Escape: return KeyEscape(game_);
    default: return;
  }
  OfferNewDealAfterWin();
}

void Shell::HandleKey(ShellKey key) {
  if (key >= ShellKey::Tab) return HandlePlayKey(key);
  // Keys that deal or rebuild the table wait, like commands, while cards are
  // being dragged.
  if (IsDragging(game_) && key != ShellKey::E && key != ShellKey::O) return;
  switch (key) {
    case ShellKey::Left: return StepGame(-1);
    case ShellKey::Right: return StepGame(1);
    case ShellKey::Up: return StepSeed(1);
    case ShellKey::Down: return StepSeed(-1);
    case ShellKey::E: game_.EditMode = !game_.EditMode; return;
    case ShellKey::O:
      game_.ShowPileNumbers = !game_.ShowPileNumbers;
      return game_.display->RedrawTable();
    case ShellKey::Z: return SortLibraryAndDeal();
    default: return;
  }
}

void Shell::LeftDown(int16_t x, int16_t y) {
  if (!game_.EditMode) {
    HideFocus(game_);
    PointerDown(game_, x, y);
    return OfferNewDealAfterWin();  // a pair or a stock click may end the deal
  }
  if (game_.RightButtonDown && game_.EditPile) return CycleDirection(game_);
  game_.EditPile = PileAtPoint(game_, x, y);
  host_.OpenEditor(game_.EditPile != nullptr);
}

void Shell::LeftDoubleClick(int16_t x, int16_t y) {
  if (game_.EditMode) return LeftDown(x, y);
  HideFocus(game_);
  DoubleClick(game_, x, y);
  OfferNewDealAfterWin();
}

void Shell::LeftUp() {
  PointerUp(game_);
  OfferNewDealAfterWin();
}

void Shell::RightDown(int16_t x, int16_t y) {
  game_.RightButtonDown = true;
  if (IsDragging(game_)) return;
  if (game_.EditMode) {
    game_.EditPile = PileAtPoint(game_, x, y);
    return;
  }
  HideFocus(game_);
  RightClick(game_, x, y);
  OfferNewDealAfterWin();
}

void Shell::RightUp() {
  game_.RightButtonDown = false;
  if (game_.EditMode)
    SaveCurrentGame(game_.library, game_.CurrentGame, game_.CurrentFlags, game_.PileTable);
}

void Shell::PointerMoved(int16_t x, int16_t y) {
  if (game_.EditMode && game_.RightButtonDown && game_.EditPile) {
    MovePileToPoint(game_, static_cast<uint16_t>(x), static_cast<uint16_t>(y));
    return;
  }
  PointerMove(game_, x, y);
}

}  // namespace tarnik
