#include "ui/window/editor_windows.h"

#include "engine/game/game.h"
#include "ui/editor/game_editor_dialog.h"
#include "ui/editor/pile_editor_dialog.h"
#include "ui/window/dialog_placement.h"
#include "ui/window/main_window.h"

namespace tarnik {

void InstallEditorWindows(MainWindow& window, Game& game) {
  MainWindow* owner = &window;
  window.openEditor = [owner, &game](bool pileEditor) {
    if (pileEditor) {
      owner->Table().RedrawTable();  // outlines the pile being edited
      PileEditorDialog dialog(game, owner);
      PlaceEditor(dialog, *owner, game);
      dialog.exec();
    } else {
      GameEditorDialog dialog(game, owner);
      PlaceEditor(dialog, *owner, game);
      dialog.exec();
    }
  };
}

}  // namespace tarnik
