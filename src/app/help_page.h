#pragma once

#include <QString>

class QWidget;

namespace vesmira {

class Prompts;
class UrlOpener;

inline QString HelpFileName() { return QStringLiteral("help.html"); }
inline QString HelpNotFoundMessage() {
  return QStringLiteral("File Not Found - help.html\nTry on line help.");
}

// Help > Help: opens "help.html" of the data folder (the program's working folder, which
// holds users/) in the desktop's viewer, or says that it is not there. The page beside the
// program file is not looked at.
void ShowHelp(const QString& dataFolder, UrlOpener& urlOpener, Prompts& prompts, QWidget* parent);

}  // namespace vesmira
