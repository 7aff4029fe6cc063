#include "ui/window/app_windows.h"

#include <QPointer>
#include <memory>

#include "engine/game/game.h"
#include "engine/records/statistics.h"
#include "engine/shell/command_ids.h"
#include "ui/dialogs/card_counter_dialog.h"
#include "ui/dialogs/customize_favorites_dialog.h"
#include "ui/dialogs/favorites_dialog.h"
#include "ui/dialogs/game_graph_dialog.h"
#include "ui/dialogs/game_log_dialog.h"
#include "ui/dialogs/game_statistics_dialog.h"
#include "ui/dialogs/player_statistics_dialog.h"
#include "ui/dialogs/preferences_dialog.h"
#include "ui/dialogs/select_game_dialog.h"
#include "ui/dialogs/select_shuffle_dialog.h"
#include "ui/dialogs/tournament_dialog.h"
#include "ui/dialogs/undo_redo_position_dialog.h"
#include "ui/window/editor_windows.h"
#include "ui/window/main_window.h"

namespace tarnik {

namespace {

// Lets `command` open a modal `Dialog` over the game, made from the game and
// its owner window alone.
template <class Dialog>
void InstallModal(MainWindow& window, int command, Game& game) {
  MainWindow* owner = &window;
  window.SetCommandWindow(command, [owner, &game] {
    Dialog dialog(game, owner);
    dialog.exec();
  });
}

// The modal dialogs over the position history and the player's records.
void InstallRecordWindows(MainWindow& window, Game& game) {
  MainWindow* owner = &window;
  InstallModal<UndoRedoPositionDialog>(window, command::kUndoRedoPosition, game);
  InstallModal<GameStatisticsDialog>(window, command::kGameStatistics, game);
  window.SetCommandWindow(command::kPlayerStatistics, [owner, &game] {
    PlayerStatisticsDialog dialog(game, BuildPlayerStatistics(game), owner);
    dialog.exec();
  });
  InstallModal<GameGraphDialog>(window, command::kGameGraph, game);
  InstallModal<GameLogDialog>(window, command::kGameDatabase, game);
  InstallModal<FavoritesDialog>(window, command::kFavoriteGames, game);
  InstallModal<CustomizeFavoritesDialog>(window, command::kCustomizeFavorites, game);
  InstallModal<TournamentDialog>(window, command::kTournamentManager, game);
}

// The windows that look at the table: the modeless card counter, one at a
// time.
void InstallTableWindows(MainWindow& window, Game& game, const TableArt& art) {
  MainWindow* owner = &window;
  auto counter = std::make_shared<QPointer<CardCounterDialog>>();
  window.SetCommandWindow(command::kCardCounter, [owner, &game, &art, counter] {
    OpenCardCounter(*counter, game, art, owner->Table(), owner);
  });
}

}  // namespace

void InstallAppWindows(MainWindow& window, Game& game, TableArt& art, PreferenceStore& store) {
  MainWindow* owner = &window;
  window.SetCommandWindow(command::kSelectGame, [owner, &game, &art] {
    SelectGameDialog dialog(game, art, owner);
    dialog.exec();
  });
  InstallModal<SelectShuffleDialog>(window, command::kSelectShuffle, game);
  window.SetCommandWindow(command::kPreferences, [owner, &game, &art, &store] {
    PreferencesDialog dialog(
        game, art, store, [owner] { owner->Table().RedrawTable(); }, owner);
    dialog.SetZoomFollower([owner] { owner->Table().ApplyZoom(); });
    dialog.exec();
  });
  InstallRecordWindows(window, game);
  InstallTableWindows(window, game, art);
  InstallEditorWindows(window, game);
}

}  // namespace tarnik
