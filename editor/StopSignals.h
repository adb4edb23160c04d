#pragma once
// SIGTERM, SIGHUP and SIGINT as a Qt signal of the event loop: what a logout or a shutdown, a
// closed terminal and a terminal's Ctrl+C send a program that is to end. The handler only
// writes the signal's number to a socket pair, which is safe in a signal handler; a
// QSocketNotifier reads it in the event loop, where the program may do anything.
#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

namespace quillmark {

class StopSignals final : public QObject {
  Q_OBJECT

 public:
  static constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

  // The one instance of the application, made and its handlers installed on first use.
  // Each handler is used once: the same signal again ends the program the usual way, so
  // that a program that does not end can still be stopped. Nothing is installed when the
  // socket pair cannot be made; the signals then end the program as before. SIGHUP and
  // SIGINT stay ignored when the program was started with them ignored.
  static StopSignals *instance();

 signals:
  // One of kSignals arrived.
  void received(int signal);

 private:
  StopSignals();
  void readSignals();

  QSocketNotifier *notifier_ = nullptr;
};

}  // namespace quillmark
