#include "platform/settings_lock.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tarnik {

bool RemoveDeadSettingsLock(const QString& settingsFile) {
  const QByteArray lock = QFile::encodeName(settingsFile + QStringLiteral(".lock"));
  const int fd = ::open(lock.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return false;  // no lock, or none of ours
  // Holding the flock while removing the name, so that an owner that starts
  // now makes a new lock file of its own.
  const bool dead = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(lock.constData()) == 0;
  ::close(fd);
  return dead;
}

}  // namespace tarnik
