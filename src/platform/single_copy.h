// One running copy of the game per data folder. Two copies on one folder
// would each write their own records at exit, and the copy that ends last
// would silently take away what the other one recorded. The first copy
// holds an exclusive lock on "Data/Running.lock" for as long as it runs (the
// system lets go of it when the copy ends, however it ends) and listens for
// a later copy, which asks it to bring its window forward and then ends.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace tarnik {

constexpr const char* kRunningLockPath = "Data/Running.lock";

class SingleCopy : public QObject {
 public:
  // Takes the lock of the data folder `folder` when no other copy holds it.
  explicit SingleCopy(const QString& folder);
  ~SingleCopy() override;
  SingleCopy(const SingleCopy&) = delete;
  SingleCopy& operator=(const SingleCopy&) = delete;

  // Whether this is the only copy on the folder (or the folder cannot hold
  // a lock at all, as on a read-only medium).
  bool IsFirst() const { return first_; }
  // In the first copy: calls `show` whenever a later copy asks for the
  // window.
  void OnShowRequest(std::function<void()> show);
  // In a later copy: asks the first copy to bring its window forward; false
  // when it cannot be reached.
  bool AskFirstToShow() const;

 private:
  QString ServerName() const;

  QString folder_;
  int lockFd_ = -1;
  bool first_ = false;
  QLocalServer* server_ = nullptr;
  std::function<void()> show_;
};

}  // namespace tarnik
