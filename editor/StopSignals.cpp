// The stop signals' handler and the socket pair that carries them into the event loop.
#include "StopSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QSocketNotifier>
#include <cerrno>

Q_LOGGING_CATEGORY(lcSignals, "quillmark.signals")

namespace quillmark {

namespace {

// [0] is written by the handler, [1] read by the notifier; -1 until made.
int pair[2] = {-1, -1};

extern "C" void onStopSignal(int signal) {
  const int saved = errno;
  const char byte = char(signal);
  // Non-blocking: when the pair is full, signals enough are already on their way.
  [[maybe_unused]] const ssize_t written = ::write(pair[0], &byte, 1);
  errno = saved;
}

bool makePair() {
  if (pair[0] >= 0) return true;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair) != 0) {
    pair[0] = pair[1] = -1;
    return false;
  }
  return true;
}

}  // namespace

StopSignals *StopSignals::instance() {
  static QPointer<StopSignals> one;  // goes with the application that owns it
  if (!one) one = new StopSignals;
  return one;
}

StopSignals::StopSignals() : QObject(QCoreApplication::instance()) {
  if (!makePair()) {
    qCWarning(lcSignals) << "no socket pair for the stop signals:" << qt_error_string(errno);
    return;
  }
  notifier_ = new QSocketNotifier(pair[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::readSignals);
  struct sigaction action {};
  action.sa_handler = onStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (const int signal : kSignals) {
    // A hang-up or an interrupt the program was started to ignore stays ignored: nohup, or
    // a shell's background job.
    struct sigaction inherited {};
    if (signal != SIGTERM && ::sigaction(signal, nullptr, &inherited) == 0 &&
        inherited.sa_handler == SIG_IGN)
      continue;
    ::sigaction(signal, &action, nullptr);
  }
}

void StopSignals::readSignals() {
  char bytes[16];
  ssize_t count;
  while ((count = ::read(pair[1], bytes, sizeof bytes)) > 0)
    for (ssize_t i = 0; i < count; ++i) emit received(int(bytes[i]));
}

}  // namespace quillmark
