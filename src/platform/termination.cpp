#include "platform/termination.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tarnik {

namespace {

int wakeFds[2] = {-1, -1};

// Async-signal-safe: only writes one byte to wake the event loop.
void WakeOnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(wakeFds[1], &byte, 1);
}

}  // namespace

void OnTerminationRequest(QObject* owner, std::function<void()> close) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeFds) != 0) return;
  auto* notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QSocketNotifier::activated, owner, [notifier, close] {
    char byte;
    [[maybe_unused]] const ssize_t got = ::read(wakeFds[0], &byte, 1);
    notifier->setEnabled(false);
    close();
  });
  struct sigaction action {};
  action.sa_handler = WakeOnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace tarnik
