#include "app/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>

namespace vesmira {

namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

int g_pipe[2] = {-1, -1};
std::array<struct sigaction, kSignals.size()> g_previous{};

extern "C" void OnTerminationSignal(int signalNumber) {
  const int savedErrno = errno;
  const auto byte = static_cast<unsigned char>(signalNumber);
  // A full pipe already holds a request the event loop has not read: nothing is lost.
  [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
  errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QWidget* window, QObject* parent)
    : QObject(parent), m_window(window) {
  if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::OnPipeReadable);

  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  // Interrupted system calls resume: the rest of the program never sees EINTR for this.
  action.sa_flags = SA_RESTART;
  m_installed = true;
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    if (::sigaction(kSignals[i], &action, &g_previous[i]) != 0) m_installed = false;
  }
}

TerminationSignals::~TerminationSignals() {
  if (g_pipe[0] < 0 || m_notifier == nullptr) return;
  for (std::size_t i = 0; i < kSignals.size(); ++i)
    ::sigaction(kSignals[i], &g_previous[i], nullptr);
  delete m_notifier;
  ::close(g_pipe[0]);
  ::close(g_pipe[1]);
  g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::OnPipeReadable() {
  unsigned char bytes[16];
  ssize_t got;
  while ((got = ::read(g_pipe[0], bytes, sizeof bytes)) > 0) {
    for (ssize_t i = 0; i < got; ++i) emit terminationRequested(bytes[i]);
  }
  // A signal that comes while the window is closing (its save failed and the person is being
  // asked) asks for the same close: the question already on the screen answers it.
  if (m_closing || m_window.isNull()) return;
  m_closing = true;
  m_window->close();
  m_closing = false;
}

}  // namespace vesmira
