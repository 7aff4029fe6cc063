#include "platform/single_copy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tarnik {

namespace {

constexpr int kAnswerWait = 2000;  // milliseconds a later copy waits for the first

// The request a later copy sends.
constexpr char kShowRequest[] = "show\n";

}  // namespace

SingleCopy::SingleCopy(const QString& folder) : folder_(QDir(folder).canonicalPath()) {
  const QByteArray lock = QFile::encodeName(QDir(folder_).filePath(kRunningLockPath));
  lockFd_ = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lockFd_ < 0) {
    first_ = true;  // a folder that cannot hold the lock cannot hold records either
    return;
  }
  first_ = ::flock(lockFd_, LOCK_EX | LOCK_NB) == 0;
  if (!first_) return;
  server_ = new QLocalServer(this);
  QLocalServer::removeServer(ServerName());  // left by a copy that was killed
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(ServerName())) return;
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        while (socket->canReadLine())
          if (socket->readLine() == kShowRequest && show_) show_();
      });
    }
  });
}

SingleCopy::~SingleCopy() {
  if (server_) server_->close();
  if (lockFd_ >= 0) ::close(lockFd_);  // lets go of the lock
}

void SingleCopy::OnShowRequest(std::function<void()> show) { show_ = std::move(show); }

bool SingleCopy::AskFirstToShow() const {
  QLocalSocket socket;
  socket.connectToServer(ServerName());
  if (!socket.waitForConnected(kAnswerWait)) return false;
  socket.write(kShowRequest);
  const bool sent = socket.waitForBytesWritten(kAnswerWait);
  socket.disconnectFromServer();
  return sent;
}

// A socket of the user's own, named after the folder, in the runtime folder.
QString SingleCopy::ServerName() const {
  const QByteArray hash = QCryptographicHash::hash(folder_.toUtf8(), QCryptographicHash::Sha1);
  QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (runtime.isEmpty()) runtime = QDir::tempPath();
  return QDir(runtime).filePath(QStringLiteral("tarnik-solitaire-") +
                                QString::fromLatin1(hash.toHex().left(16)));
}

}  // namespace tarnik
