#include "app/termination_signals.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cassert>
#include <csignal>

namespace vozi {
namespace {

constexpr std::array<int, 3> kClosingSignals{SIGTERM, SIGHUP, SIGINT};

// The two ends of the wake-up channel: the handler writes, the loop reads.
int wakeUpWriter = -1;
int wakeUpReader = -1;

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  assert(wakeUpWriter < 0 && "one set of handlers at a time");
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) return;
  wakeUpWriter = ends[0];
  wakeUpReader = ends[1];
  notifier_ = new QSocketNotifier(wakeUpReader, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::drain);

  struct sigaction action {};
  action.sa_handler = &TerminationSignals::onSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int number : kClosingSignals) ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
  if (wakeUpWriter < 0) return;
  for (const int number : kClosingSignals) std::signal(number, SIG_DFL);
  delete notifier_;
  ::close(wakeUpWriter);
  ::close(wakeUpReader);
  wakeUpWriter = wakeUpReader = -1;
}

void TerminationSignals::onSignal(int /*number*/) {
  const char wakeUp = 1;
  // Nothing can be done about a full channel: a wake-up is already waiting.
  [[maybe_unused]] const auto written = ::write(wakeUpWriter, &wakeUp, 1);
}

void TerminationSignals::drain() {
  char bytes[16];
  while (::read(wakeUpReader, bytes, sizeof bytes) > 0) {
  }
  emit received();
}

}  // namespace vozi
