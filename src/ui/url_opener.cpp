#include "ui/url_opener.h"

#include <QDesktopServices>

namespace vesmira {

void DesktopUrlOpener::Open(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace vesmira
