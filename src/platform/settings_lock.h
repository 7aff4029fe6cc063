// The lock beside the settings file. Qt takes it for every write of the
// settings and, finding one left by a program that died while writing,
// waits half a minute before taking it over: long enough for a desktop
// ending its session to kill the game before its files are written.
#pragma once

#include <QString>

namespace tarnik {

// Removes the lock file of `settingsFile` when no living program holds it.
// A living owner keeps an exclusive flock on the lock file (Qt's lock files
// do), so a lock that can be taken here was left behind. True when one was
// removed.
bool RemoveDeadSettingsLock(const QString& settingsFile);

}  // namespace tarnik
