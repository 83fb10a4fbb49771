#pragma once

#include <optional>

class QWidget;

namespace vesmira {

// Milliseconds since the kernel started this process, the loading of its libraries included;
// empty where the system does not tell. At the resolution of the kernel's clock ticks (10 ms).
std::optional<double> MillisecondsSinceProcessStart();

// With VESMIRA_STARTUP_TIME set, prints "startup-ms: N" to stderr once the window has been
// painted and put on the screen, its first frame as a person sees it; with
// VESMIRA_STARTUP_TIME=exit it then closes the window as a person would, so a measurement can
// run unattended.
void ReportStartupTimeWhenShown(QWidget* window);

}  // namespace vesmira
