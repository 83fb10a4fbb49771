#include "app/product_links.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/help_page.h"
#include "build_config.h"
#include "ui/language.h"

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
            QCoreApplication::translate("ProductLinks", "the Vesmira site"),
            QCoreApplication::translate("ProductLinks", "Questions and ideas: dev@%1").arg(host)};
  }
  const QDir folder(dataFolder);
  // The pages in the language shown, once they are in the data folder.
  const auto page = [&folder](const QString& name) {
    const QString local = folder.absoluteFilePath(LocalPageName(name));
    return QUrl::fromLocalFile(QFileInfo::exists(local) ? local : folder.absoluteFilePath(name));
  };
  return {page(HelpFileName()),
          page(DietTipsFileName()),
          QCoreApplication::translate("ProductLinks", "Vesmira help"),
          QCoreApplication::translate("ProductLinks", "Vesmira help"),
          QCoreApplication::translate("ProductLinks", "the Vesmira pages"),
          QCoreApplication::translate("ProductLinks", "Questions and answers: Help > Help")};
}

}  // namespace vesmira
