// Whether a sound server can be reached, found without loading any audio
// library: Qt's multimedia backend plays through PulseAudio (or PipeWire's
// PulseAudio service), and connecting to an absent server costs a second of
// start-up time and a few megabytes for nothing.
#pragma once

#include <QString>

namespace tarnik {

// Where libpulse looks for its server by default: the address in
// PULSE_SERVER, the player's own socket under XDG_RUNTIME_DIR, the
// system-wide socket. True when one of them is there.
bool AudioServerReachable(const QString& pulseServer, const QString& runtimeDir,
                          const QString& systemSocket = QStringLiteral("/run/pulse/native"));

// The same, read from this process's environment.
bool AudioServerReachable();

}  // namespace tarnik
