#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace vesmira::testing {

// Runs a test body with TZ set to a zone with summer time and puts the old zone back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) m_old = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (m_old) {
      setenv("TZ", m_old->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> m_old;
};

}  // namespace vesmira::testing
