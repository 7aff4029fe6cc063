// Gives the main window the windows of its commands: the selection dialogs
// and the preference sheet (and, as they come, the records' dialogs).
#pragma once

namespace tarnik {

struct Game;
struct TableArt;
class MainWindow;
class PreferenceStore;

void InstallAppWindows(MainWindow& window, Game& game, TableArt& art, PreferenceStore& store);

}  // namespace tarnik
