#include "ui/url_opener.h"

#include <QDesktopServices>

#include "build_config.h"

namespace vesmira {

void DesktopUrlOpener::Open(const QUrl& url) { QDesktopServices::openUrl(url); }

QUrl HomePageUrl() { return QUrl(QString::fromUtf8(build::kHomePageUrl)); }

QUrl TipPageUrl() {
  return HomePageUrl().resolved(QUrl(QStringLiteral("software/vesmira/tip.html")));
}

}  // namespace vesmira
