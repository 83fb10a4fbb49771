// The program in Swedish and German: the catalogs, the access keys of every window in each
// language, no text shown past the catalogs, and files that do not change with the language.
#include "ui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <optional>
#include <string>
#include <vector>

#include "app/about_dialog.h"
#include "app/main_frame.h"
#include "app/product_links.h"
#include "app/tips_dialog.h"
#include "graphs/ui/graph_dialog.h"
#include "import/ui/import_dialog.h"
#include "settings/ui/properties_dialog.h"
#include "settings/ui/users_dialog.h"
#include "support/comma_locale.h"
#include "support/ui/form_fixture.h"
#include "support/ui/test_main.h"

using vesmira::testing::FrameFixture;

namespace {

const QString kPseudoMark = QStringLiteral("\u00A7");

// The placeholders and access key of a text: "%1", "%n" and a single "&" before a letter.
QStringList Marks(const QString& text) {
  QStringList marks;
  static const QRegularExpression placeholder(QStringLiteral("%[1-9n]|&(?![& ])"));
  for (auto it = placeholder.globalMatch(QString(text).replace(QStringLiteral("&&"), QString()));
       it.hasNext();) {
    marks << it.next().captured();
  }
  marks.sort();
  return marks;
}

struct CatalogEntry {
  QString context, source;
  QStringList translations;  // one, or the plural forms
  bool numerus = false, finished = true;
};

QList<CatalogEntry> ReadCatalog(const QString& path) {
  QFile file(path);
  QList<CatalogEntry> entries;
  QString context;
  for (QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr); !xml.atEnd();) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QStringView name = xml.name();
    const auto attribute = [&xml](const char* key) {
      return xml.attributes().value(QLatin1String(key));
    };
    if (name == u"name") context = xml.readElementText();
    if (name == u"message") entries.append({context, {}, {}, attribute("numerus") == u"yes"});
    if (name == u"source") entries.last().source = xml.readElementText();
    if (name == u"translation") entries.last().finished = attribute("type").isEmpty();
    if ((name == u"translation" && !entries.last().numerus) || name == u"numerusform") {
      entries.last().translations << xml.readElementText();
    }
  }
  entries.removeIf([](const CatalogEntry& entry) { return entry.source.isEmpty(); });
  for (CatalogEntry& entry : entries) entry.translations.removeAll(QString());
  return entries;
}

// The texts a window shows in its own widgets: labels, buttons, groups, menus and their items.
QStringList ShownTexts(const QWidget& window) {
  QStringList texts{window.windowTitle()};
  for (const auto* label : window.findChildren<QLabel*>()) texts << label->text();
  for (const auto* button : window.findChildren<QAbstractButton*>()) texts << button->text();
  for (const auto* group : window.findChildren<QGroupBox*>()) texts << group->title();
  for (const auto* menu : window.findChildren<QMenu*>()) {
    for (const QAction* action : menu->actions()) texts << action->text();
  }
  texts.removeAll(QString());
  return texts;
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { vesmira::InstallTranslations(*qApp, {}); }
  void catalogsAreFinishedAndKeepPlaceholdersAndAccessKeys();
  void everyWindowInEveryLanguage_data();
  void everyWindowInEveryLanguage();
  void storedFilesAreTheSameInEveryLanguage();
};

void LanguageTest::catalogsAreFinishedAndKeepPlaceholdersAndAccessKeys() {
  const QString folder = QStringLiteral(VESMIRA_SOURCE_DIR "/i18n/vesmira_%1.ts");
  // English's plural forms are the core's own rule, so the command line counts alike.
  for (const CatalogEntry& entry : ReadCatalog(folder.arg(QStringLiteral("en")))) {
    const QByteArray source = entry.source.toUtf8();
    QCOMPARE(entry.translations.size(), 2);
    for (const int count : {1, 7}) {
      QCOMPARE(QString(entry.translations[count == 1 ? 0 : 1])
                   .replace(QStringLiteral("%n"), QString::number(count)),
               QString::fromStdString(vesmira::English().Counted("", source.constData(), count)));
    }
  }
  for (const char* language : {"sv", "de"}) {
    const QList<CatalogEntry> entries = ReadCatalog(folder.arg(QLatin1String(language)));
    QVERIFY(entries.size() > 200);
    for (const CatalogEntry& entry : entries) {
      const QString where =
          QStringLiteral("%1 %2 %3").arg(QLatin1String(language), entry.context, entry.source);
      QVERIFY2(entry.finished && !entry.translations.isEmpty(), qPrintable(where));
      for (const QString& translation : entry.translations) {
        QVERIFY2(Marks(translation) == Marks(entry.source), qPrintable(where));
      }
    }
  }
}

void LanguageTest::everyWindowInEveryLanguage_data() {
  QTest::addColumn<QString>("language");
  QTest::newRow("English") << QString();
  QTest::newRow("Swedish") << QStringLiteral("sv");
  QTest::newRow("German") << QStringLiteral("de");
  QTest::newRow("pseudo") << QStringLiteral(VESMIRA_PSEUDO_QM);  // every text marked
}

// The main window and each dialog, over a diary with one user: access keys apart in each
// language, and nothing shown past the catalogs.
void LanguageTest::everyWindowInEveryLanguage() {
  QFETCH(QString, language);
  QTranslator pseudo;
  if (language.endsWith(QStringLiteral(".qm"))) {
    QVERIFY(pseudo.load(language));
    QCoreApplication::installTranslator(&pseudo);
  } else {
    QVERIFY(vesmira::InstallTranslations(*qApp, language.toStdString()));
  }
  // What is no text to translate: numbers, signs, the program's name, the user's.
  static const QRegularExpression untranslatable(
      QStringLiteral("^([-+_0-9.,: ]*|Vesmira [0-9.]+( - Anna)?)$"));
  QStringList missed;
  const auto check = [&](const QWidget& window) {
    const QStringList shared = vesmira::testing::SharedAccessKeys(window);
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QStringLiteral("; "))));
    for (const QString& text : ShownTexts(window)) {
      if (!pseudo.isEmpty() && !text.contains(kPseudoMark) &&
          !untranslatable.match(text).hasMatch()) {
        missed << text;
      }
    }
  };
  FrameFixture frame;
  frame.folder.AddUser("Anna");
  frame.Start();
  check(frame.Frame());
  vesmira::UserSettings settings;
  check(vesmira::CPropertiesDialog(settings, {}, frame.prompts));
  check(vesmira::CUsersDialog(frame.folder.Path(), frame.prompts, [] {}));
  const vesmira::ProductLinks links = vesmira::LinksOfThisBuild(QString());
  check(vesmira::CAboutDialog(links, frame.opener));
  check(vesmira::CTipsDialog(links, frame.opener));
  check(vesmira::CGraphDialog(nullptr, vesmira::GraphPoints{}, vesmira::Shown("Graph", "Date"),
                              vesmira::Shown("Graph", "kcal"),
                              vesmira::Shown("Graph", "Weighing")));
  // Weighings without a unit in dates of either order: the dialog asks both.
  check(vesmira::CImportDialog({{"w.csv", "date;weight\n03/04/2026;80\n04/05/2026;81\n"}},
                               {frame.folder.Path(), "Anna", settings}));
  QCoreApplication::removeTranslator(&pseudo);
  QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral(" | "))));
}

void LanguageTest::storedFilesAreTheSameInEveryLanguage() {
  std::vector<std::string> firstRun;
  for (const char* language : {"", "sv", "de"}) {
    QVERIFY(vesmira::InstallTranslations(*qApp, language));
    QLocale::setDefault(vesmira::LanguageLocale());
    // The C library's numbers too, as the program takes them from the session.
    std::optional<vesmira::testing::CommaLocale> numbers;
    if (*language != '\0') QVERIFY(numbers.emplace().Active());
    FrameFixture frame;
    frame.folder.AddUser("Anna");
    frame.Start();
    frame.Type("breakfastEdit", QStringLiteral("512"));
    frame.Type("cyclingMinutesEdit", QStringLiteral("45"));
    frame.Type("weightEdit", QStringLiteral("93,5"));
    QVERIFY(frame.StoreDay());
    std::vector<std::filesystem::path> paths{frame.folder.DayPath("Anna", "06-12-2026")};
    for (const char* action : {"exportSheetAction", "exportWeightSheetAction"}) {
      paths.push_back(frame.folder.Path() / action);
      frame.prompts.nextSaveAnswers.append({vesmira::Prompts::SaveAnswer::Outcome::kChosen,
                                            QString::fromStdString(paths.back().string())});
      frame.Trigger(action);
    }
    std::vector<std::string> files;
    for (const auto& path : paths) files.push_back(vesmira::testing::ReadBytes(path));
    QVERIFY2(files[0].find("vikt\r\n93.5\r\n") != std::string::npos, files[0].c_str());
    if (firstRun.empty()) firstRun = files;
    QVERIFY(files == firstRun);
  }
  QLocale::setDefault(QLocale::c());
}

VESMIRA_APP_TEST_MAIN(LanguageTest)
#include "language_test.moc"
