#include "app/startup_time.h"

#include <time.h>
#include <unistd.h>

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

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

void ReportStartupTimeWhenShown(QWidget* window) {
  const QByteArray request = qgetenv("VESMIRA_STARTUP_TIME");
  if (request.isEmpty()) return;
  // A zero timer runs once the events of showing the window have been handled.
  QTimer::singleShot(0, window, [window = QPointer<QWidget>(window), request] {
    if (const std::optional<double> ms = MillisecondsSinceProcessStart()) {
      std::fprintf(stderr, "startup-ms: %.0f\n", *ms);
    } else {
      std::fprintf(stderr, "startup-ms: unknown\n");
    }
    std::fflush(stderr);
    if (request == "exit" && window) window->close();
  });
}

}  // namespace vesmira
