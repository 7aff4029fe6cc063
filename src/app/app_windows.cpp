#include "app/app_windows.h"

#include "app/command_ids.h"
#include "app/main_window.h"
#include "app/preferences_dialog.h"
#include "app/select_game_dialog.h"
#include "app/select_shuffle_dialog.h"
#include "model/game_state.h"

namespace tarnik {

void InstallAppWindows(MainWindow& window, Game& game, TableArt& art, PreferenceStore& store) {
  MainWindow* owner = &window;
  window.SetCommandWindow(command::kSelectGame, [owner, &game, &art] {
    SelectGameDialog dialog(game, art, owner);
    dialog.exec();
  });
  window.SetCommandWindow(command::kSelectShuffle, [owner, &game] {
    SelectShuffleDialog dialog(game, owner);
    dialog.exec();
  });
  window.SetCommandWindow(command::kPreferences, [owner, &game, &art, &store] {
    PreferencesDialog dialog(game, art, store, [owner] { owner->Table().RedrawTable(); }, owner);
    dialog.exec();
  });
}

}  // namespace tarnik
