#include "platform/audio_server.h"

#include <QDir>
#include <QFileInfo>

namespace tarnik {

namespace {

// A socket or file at the path (a socket is not a regular file).
bool Present(const QString& path) { return !path.isEmpty() && QFileInfo::exists(path); }

}  // namespace

bool AudioServerReachable(const QString& pulseServer, const QString& runtimeDir,
                          const QString& systemSocket) {
  if (!pulseServer.trimmed().isEmpty()) return true;  // an address we cannot test cheaply
  if (!runtimeDir.isEmpty() && Present(QDir(runtimeDir).filePath(QStringLiteral("pulse/native"))))
    return true;
  return Present(systemSocket);
}

bool AudioServerReachable() {
  return AudioServerReachable(qEnvironmentVariable("PULSE_SERVER"),
                              qEnvironmentVariable("XDG_RUNTIME_DIR"));
}

}  // namespace tarnik
