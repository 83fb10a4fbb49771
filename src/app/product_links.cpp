#include "app/product_links.h"

#include <QDir>

#include "app/help_page.h"
#include "build_config.h"

namespace vesmira {

ProductLinks LinksOfThisBuild(const QString& dataFolder) {
  const QString site = QString::fromUtf8(build::kHomePageUrl);
  if (!site.isEmpty()) {
    const QUrl home(site);
    const QString host = QString::fromUtf8(build::kHomePageHost);
    return {home,
            home.resolved(QUrl(QStringLiteral("software/vesmira/tip.html"))),
            QString::fromUtf8(build::kHomePageText),
            host,
            QStringLiteral("the Vesmira site"),
            QStringLiteral("Questions and ideas: dev@%1").arg(host)};
  }
  const QDir folder(dataFolder);
  return {QUrl::fromLocalFile(folder.absoluteFilePath(HelpFileName())),
          QUrl::fromLocalFile(folder.absoluteFilePath(DietTipsFileName())),
          QStringLiteral("Vesmira help"),
          QStringLiteral("Vesmira help"),
          QStringLiteral("the Vesmira pages"),
          QStringLiteral("Questions and answers: Help > Help")};
}

}  // namespace vesmira
