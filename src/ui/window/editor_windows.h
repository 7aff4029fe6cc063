// Gives the main window the two editor dialogs that a left press in edit
// mode opens: the pile editor on the pile hit, the game editor elsewhere.
#pragma once

namespace tarnik {

struct Game;
class MainWindow;

void InstallEditorWindows(MainWindow& window, Game& game);

}  // namespace tarnik
