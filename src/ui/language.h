#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "storage/shown_text.h"

class QCoreApplication;
class QLocale;

// The language the windows speak: the desktop session's, when the program has a catalog for
// it, English otherwise.
namespace vesmira {

// The desktop session's language among those with a catalog ("sv", "de"); empty for English.
std::string DesktopLanguage();

// Loads the catalogs of language ("sv", "de"; empty for English, whose plural forms every
// application object has from its start): Qt's own for its dialogs and buttons, then the
// program's, which wins where both have a text. False when the program's own is missing; the
// windows then speak English. The catalogs of an earlier call are taken away first.
bool InstallTranslations(QCoreApplication& app, const std::string& language);

// The locale of the language shown, for dates in words: month names follow the language.
QLocale LanguageLocale();

// name ("help.html") as the installed language's page ("help.sv.html"); name itself in English.
QString LocalPageName(const QString& name);
// A picture of the program's resources with words on it (":/splash.bmp"), in the installed
// language when there is one for it.
QString LocalPicture(const QString& resource);

// The core's texts in the language of the installed catalogs, numbers as the locale writes
// them.
const TextLanguage& ShownLanguage();

// A text the core marked with VESMIRA_TEXT(context, text).
QString Shown(const char* context, std::string_view text);

// Every number written with a decimal point in text, with the locale's decimal sign instead.
QString LocalNumbers(QString text);

}  // namespace vesmira
