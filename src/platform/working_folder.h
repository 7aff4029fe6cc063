// Where the program plays: its data paths are relative to the working
// folder, so before anything is read the program makes its data folder the
// working folder.
#pragma once

#include <QString>
#include <QStringList>

namespace tarnik {

// True when the current folder holds "Data/Tarnik.tkl": the game then plays
// in it (a portable copy, the build tree).
bool PlaysInCurrentFolder();

// Chooses the data folder and makes it the working folder: the current
// folder when it holds "Data/Tarnik.tkl" (a portable copy, the build tree);
// otherwise the player's own data folder, filled on first use from the
// installed data (the first of `installedData` that holds a library)
// without ever overwriting a file the player already has, and brought up to
// a later installed version by UpdateDataFolder. False, with a reason, when
// no data can be found.
bool EnterDataFolder(const QStringList& installedData, const QString& userFolder,
                     QString* error);

}  // namespace tarnik
