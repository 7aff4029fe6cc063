// Keeps the terminal quiet on a normal run: Qt's multimedia backend reports
// a missing sound server or audio device on stderr, once per sound, although
// the game is meant to play silently then. Every other message (a real
// error) still reaches stderr.
#pragma once

#include <QString>

namespace tarnik {

// True for a message of Qt's multimedia backend: its logging categories
// ("qt.multimedia...") and the PulseAudio and device warnings it writes
// without a category.
bool IsMultimediaMessage(const char* category, const QString& text);

// Installs a message handler that drops multimedia messages and hands every
// other one to the handler that was installed before.
void RouteMultimediaMessagesAway();

}  // namespace tarnik
