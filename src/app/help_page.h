#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace vesmira {

class Prompts;
class UrlOpener;

inline QString HelpFileName() { return QStringLiteral("help.html"); }
inline QString DietTipsFileName() { return QStringLiteral("diet-tips.html"); }
inline QString HelpNotFoundMessage() {
  return QCoreApplication::translate("Help", "File Not Found - %1\nTry on line help.")
      .arg(HelpFileName());
}

// Help > Help: opens "help.html" of the data folder (the program's working folder, which
// holds users/) in the desktop's viewer, or says that it is not there. The page beside the
// program file is not looked at.
void ShowHelp(const QString& dataFolder, UrlOpener& urlOpener, Prompts& prompts, QWidget* parent);

// A page the program ships and keeps in the data folder, beside the diary.
struct ShippedPage {
  QString name;      // its file name there
  QByteArray bytes;  // the page as this version ships it
  // SHA-256 sums of pages that earlier versions put there without a record.
  QList<QByteArray> earlierSums;
};

enum class PageOutcome { kWritten, kCurrent, kKept, kFailed };

// Puts the page into the data folder when it is missing, and replaces it when it is still
// the page an older version wrote there; a page its owner changed, a link and a page written
// by a newer version are kept. The sum of the page written, and the version that wrote it,
// are remembered beside it in ".NAME.shipped".
PageOutcome KeepShippedPage(const QString& dataFolder, const ShippedPage& page,
                            const QString& version);

// Keeps the help page and the diet tips page of this version in the data folder, in English and
// in the language shown. Returns a line for each page that could not be written.
QStringList KeepShippedPages(const QString& dataFolder);

}  // namespace vesmira
