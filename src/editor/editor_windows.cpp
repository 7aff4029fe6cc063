#include "editor/editor_windows.h"

#include "app/main_window.h"
#include "editor/game_editor_dialog.h"
#include "editor/pile_editor_dialog.h"
#include "model/game_state.h"

namespace tarnik {

void InstallEditorWindows(MainWindow& window, Game& game) {
  MainWindow* owner = &window;
  window.openEditor = [owner, &game](bool pileEditor) {
    if (pileEditor) {
      owner->Table().RedrawTable();  // outlines the pile being edited
      PileEditorDialog dialog(game, owner);
      dialog.exec();
    } else {
      GameEditorDialog dialog(game, owner);
      dialog.exec();
    }
  };
}

}  // namespace tarnik
