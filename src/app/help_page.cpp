#include "app/help_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "ui/prompts.h"
#include "ui/url_opener.h"

namespace vesmira {

void ShowHelp(const QString& dataFolder, UrlOpener& urlOpener, Prompts& prompts, QWidget* parent) {
  // Opening it, rather than asking whether it exists, also turns away a page that cannot be
  // read and a folder of that name.
  QFile page(QDir(dataFolder).filePath(HelpFileName()));
  if (!page.open(QIODevice::ReadOnly)) {
    prompts.ShowMessage(parent, HelpNotFoundMessage(), Prompts::Icon::kWarning,
                        Prompts::Buttons::kOk);
    return;
  }
  const QString path = QFileInfo(page).absoluteFilePath();
  page.close();
  urlOpener.Open(QUrl::fromLocalFile(path));
}

}  // namespace vesmira
