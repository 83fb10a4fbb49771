#include "app/startup_time.h"

#include <time.h>
#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>

namespace vesmira {

std::optional<double> MillisecondsSinceProcessStart() {
  std::ifstream in("/proc/self/stat");
  const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // The program's name, second field, may hold spaces and parentheses: count after the last ')'.
  const std::size_t nameEnd = stat.rfind(')');
  if (nameEnd == std::string::npos) return std::nullopt;
  std::istringstream fields(stat.substr(nameEnd + 1));
  std::string field;
  // Fields 3 to 21, then the start time in clock ticks since boot.
  for (int i = 3; i <= 21; ++i) fields >> field;
  unsigned long long startTicks = 0;
  if (!(fields >> startTicks)) return std::nullopt;
  const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
  timespec now{};
  if (ticksPerSecond <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &now) != 0) return std::nullopt;
  const double nowMs =
      static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
  return nowMs - static_cast<double>(startTicks) * 1e3 / static_cast<double>(ticksPerSecond);
}

namespace {

// Waits for the window's first paint: the window is shown when its first frame is on the
// screen, not when the show has been asked for (until the window system exposes it, nothing
// of it is painted, and the figures would leave the painting out).
class FirstFrameWatch final : public QObject {
 public:
  FirstFrameWatch(QWidget* window, QByteArray request)
      : QObject(window), m_window(window), m_request(std::move(request)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_window && event->type() == QEvent::Paint) {
      m_window->removeEventFilter(this);
      // A zero timer runs once the frame painted now has been put on the screen.
      QTimer::singleShot(0, m_window,
                         [window = m_window, request = m_request] { Report(window, request); });
      deleteLater();
    }
    return false;
  }

 private:
  static void Report(QWidget* window, const QByteArray& request) {
    if (const std::optional<double> ms = MillisecondsSinceProcessStart()) {
      std::fprintf(stderr, "startup-ms: %.0f\n", *ms);
    } else {
      std::fprintf(stderr, "startup-ms: unknown\n");
    }
    std::fflush(stderr);
    if (request == "exit") window->close();
  }

  QWidget* m_window;
  QByteArray m_request;
};

}  // namespace

void ReportStartupTimeWhenShown(QWidget* window) {
  QByteArray request = qgetenv("VESMIRA_STARTUP_TIME");
  if (request.isEmpty()) return;
  window->installEventFilter(new FirstFrameWatch(window, std::move(request)));
}

}  // namespace vesmira
