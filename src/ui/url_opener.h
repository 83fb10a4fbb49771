#pragma once

#include <QUrl>

namespace vesmira {

// Web pages and the help page open in the desktop's default browser; the program never
// waits for it. Tests pass a recording opener.
class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  virtual void Open(const QUrl& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
 public:
  void Open(const QUrl& url) override;
};

}  // namespace vesmira
