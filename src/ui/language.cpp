#include "ui/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <utility>
#include <vector>

#include "ui/stored_text.h"

namespace vesmira {

namespace {

// The language whose catalogs are installed, empty for English, and those catalogs.
QString g_language;
std::vector<QTranslator*> g_installed;

class QtTextLanguage final : public TextLanguage {
 public:
  std::string Text(const char* context, const char* text) const override {
    return ToStoredBytes(QCoreApplication::translate(context, text));
  }
  std::string Counted(const char* context, const char* text, std::int64_t count) const override {
    return ToStoredBytes(
        QCoreApplication::translate(context, text, nullptr, static_cast<int>(count)));
  }
  std::string Number(std::string_view pointText) const override {
    return ToStoredBytes(LocalNumbers(FromStoredBytes(pointText)));
  }
};

// English's plural forms ("1 day", "2 days") for every application object, before any
// language is chosen: a window made without a session language still counts right.
void InstallEnglishPlurals() {
  auto* english = new QTranslator(QCoreApplication::instance());
  if (english->load(QStringLiteral(":/i18n/vesmira_en"))) {
    QCoreApplication::installTranslator(english);
  } else {
    delete english;
  }
}
Q_COREAPP_STARTUP_FUNCTION(InstallEnglishPlurals)

}  // namespace

std::string DesktopLanguage() {
  return SessionLanguage([](const char* name) { return std::getenv(name); }, {"sv", "de"});
}

bool InstallTranslations(QCoreApplication& app, const std::string& language) {
  for (QTranslator* earlier : std::exchange(g_installed, {})) {
    QCoreApplication::removeTranslator(earlier);
    delete earlier;
  }
  g_language.clear();
  if (language.empty()) return true;
  const QString name = QString::fromStdString(language);
  const auto install = [&app](const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(file, folder)) {
      delete translator;
      return false;
    }
    QCoreApplication::installTranslator(translator);
    g_installed.push_back(translator);
    return true;
  };
  // Qt's catalog, where the system has one: Debian's come with qt6-translations-l10n.
  install(QStringLiteral("qt_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  // Installed last, so it is asked first.
  if (!install(QStringLiteral("vesmira_") + name, QStringLiteral(":/i18n"))) return false;
  g_language = name;
  return true;
}

QLocale LanguageLocale() {
  if (g_language.isEmpty()) return QLocale(QLocale::English, QLocale::UnitedStates);
  return QLocale(g_language);
}

QString LocalPageName(const QString& name) {
  if (g_language.isEmpty()) return name;
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return name.left(dot) + QLatin1Char('.') + g_language + name.mid(dot);
}

QString LocalPicture(const QString& resource) {
  const QString local = LocalPageName(resource);
  return QFile::exists(local) ? local : resource;
}

const TextLanguage& ShownLanguage() {
  static const QtTextLanguage language;
  return language;
}

QString Shown(const char* context, std::string_view text) {
  return QCoreApplication::translate(context, std::string(text).c_str());
}

QString LocalNumbers(QString text) {
  const QString sign = QLocale().decimalPoint();
  if (sign == QStringLiteral(".")) return text;
  for (qsizetype i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == QLatin1Char('.') && text[i - 1].isDigit() && text[i + 1].isDigit()) {
      text.replace(i, 1, sign);
    }
  }
  return text;
}

}  // namespace vesmira
