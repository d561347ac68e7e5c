#include "gui/quit_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace zeruda::gui {
namespace {

// The handler may only do async-signal-safe work: it writes one byte, and the
// event loop reads it and closes the window.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] ssize_t written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void closeOnQuitSignals(QWidget& window) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
    char byte = 0;
    [[maybe_unused]] ssize_t read = ::read(signalPipe[1], &byte, 1);
    if (window.close()) QCoreApplication::quit();
  });
  struct sigaction action = {};
  action.sa_handler = onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int quit : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(quit, &action, nullptr);
}

}  // namespace zeruda::gui
