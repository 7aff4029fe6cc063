// Where the player's saved games go: a "Tarnik Solitaire" folder in the
// documents folder, where people look for their files, rather than the
// hidden data folder the game plays in. A portable copy and the build tree
// keep the classic "Data/Tarnik.tkg".
#pragma once

#include <QString>
#include <string>

namespace tarnik {

// "<documents>/Tarnik Solitaire".
QString SavedGamesFolder(const QString& documents);
// The same under the desktop's documents folder.
QString SavedGamesFolder();

// The saved-game path a run starts with: "Data/Tarnik.tkg" when the game
// plays in a portable folder, otherwise "Tarnik.tkg" in the saved games
// folder; the classic path too when that would not fit a path buffer of
// `bufferSize` bytes.
std::string FirstSavedGamePath(bool portable, const QString& documents, size_t bufferSize);

// Creates the saved games folder when `path` lies in it and it is missing,
// so that a dialog opens there and "Save Game..." can write; any other
// path is left alone.
void PrepareSavedGamesFolder(const std::string& path);

}  // namespace tarnik
