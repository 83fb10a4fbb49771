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
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <functional>
#include <memory>

#include "app/about_dialog.h"
#include "app/main_frame.h"
#include "app/product_links.h"
#include "app/tips_dialog.h"
#include "graphs/ui/graph_dialog.h"
#include "import/ui/import_dialog.h"
#include "settings/ui/properties_dialog.h"
#include "settings/ui/users_dialog.h"
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
  QString context;
  QString source;
  QStringList translations;  // one, or the plural forms
  bool finished = true;
};

QList<CatalogEntry> ReadCatalog(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<CatalogEntry> entries;
  QString context;
  bool numerus = false;
  QXmlStreamReader xml(&file);
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QStringLiteral("name")) context = xml.readElementText();
    if (xml.name() == QStringLiteral("message")) {
      numerus = xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes");
      entries.append({context, {}, {}, true});
    }
    if (xml.name() == QStringLiteral("source")) entries.last().source = xml.readElementText();
    if (xml.name() == QStringLiteral("translation")) {
      entries.last().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
      if (!numerus) {
        const QString text = xml.readElementText();
        if (!text.isEmpty()) entries.last().translations << text;
      }
    }
    if (xml.name() == QStringLiteral("numerusform")) {
      entries.last().translations << xml.readElementText();
    }
  }
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
  void everyWindowKeepsItsAccessKeysApart_data();
  void everyWindowKeepsItsAccessKeysApart();
  void everyTextShownPassesThroughTheCatalogs();
  void storedFilesAreTheSameInEveryLanguage();

 private:
  // Runs check on the main window and each dialog, over a diary with one user.
  void ForEachWindow(const std::function<void(const QWidget&)>& check);
};

void LanguageTest::catalogsAreFinishedAndKeepPlaceholdersAndAccessKeys() {
  const QString folder = QStringLiteral(VESMIRA_SOURCE_DIR "/i18n/");
  const QList<CatalogEntry> english = ReadCatalog(folder + QStringLiteral("vesmira_en.ts"));
  QVERIFY(!english.isEmpty());
  for (const CatalogEntry& entry : english) {
    // English's plural forms are the core's own rule, so the command line counts alike.
    QCOMPARE(entry.translations.size(), 2);
    const QByteArray source = entry.source.toUtf8();
    QCOMPARE(QString(entry.translations[0]).replace(QStringLiteral("%n"), QStringLiteral("1")),
             QString::fromStdString(vesmira::English().Counted("", source.constData(), 1)));
    QCOMPARE(QString(entry.translations[1]).replace(QStringLiteral("%n"), QStringLiteral("7")),
             QString::fromStdString(vesmira::English().Counted("", source.constData(), 7)));
  }
  for (const char* language : {"sv", "de"}) {
    const QList<CatalogEntry> entries =
        ReadCatalog(folder + QStringLiteral("vesmira_%1.ts").arg(QLatin1String(language)));
    QVERIFY(entries.size() > 200);
    for (const CatalogEntry& entry : entries) {
      const QString where =
          QStringLiteral("%1 %2: %3").arg(QLatin1String(language), entry.context, entry.source);
      QVERIFY2(entry.finished && !entry.translations.isEmpty(), qPrintable(where));
      for (const QString& translation : entry.translations) {
        QVERIFY2(Marks(translation) == Marks(entry.source), qPrintable(where));
      }
    }
  }
}

void LanguageTest::ForEachWindow(const std::function<void(const QWidget&)>& check) {
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
}

void LanguageTest::everyWindowKeepsItsAccessKeysApart_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("calculate");
  QTest::newRow("English") << QString() << QStringLiteral("&Calculate");
  QTest::newRow("Swedish") << QStringLiteral("sv") << QStringLiteral("&Beräkna");
  QTest::newRow("German") << QStringLiteral("de") << QStringLiteral("&Berechnen");
}

void LanguageTest::everyWindowKeepsItsAccessKeysApart() {
  QFETCH(QString, language);
  QFETCH(QString, calculate);
  QVERIFY(vesmira::InstallTranslations(*qApp, language.toStdString()));
  int windows = 0;
  ForEachWindow([&](const QWidget& window) {
    ++windows;
    const QStringList shared = vesmira::testing::SharedAccessKeys(window);
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QStringLiteral("; "))));
    if (window.inherits("vesmira::CMainFrame")) {
      QCOMPARE(vesmira::testing::Child<QAbstractButton>(window, "calculateButton")->text(),
               calculate);
    }
  });
  QCOMPARE(windows, 7);
}

void LanguageTest::everyTextShownPassesThroughTheCatalogs() {
  // A catalog that has every text of the program untranslated, each marked with a sign.
  QTranslator pseudo;
  QVERIFY(pseudo.load(QStringLiteral(VESMIRA_PSEUDO_QM)));
  QCoreApplication::installTranslator(&pseudo);
  // What is no text to translate: numbers, signs, the program's name and version.
  static const QRegularExpression untranslatable(
      QStringLiteral("^([-+_0-9.,: ]*|Vesmira [0-9.]+( - Anna)?)$"));
  QStringList missed;
  ForEachWindow([&](const QWidget& window) {
    for (const QString& text : ShownTexts(window)) {
      if (!text.contains(kPseudoMark) && !untranslatable.match(text).hasMatch()) missed << text;
    }
  });
  QCoreApplication::removeTranslator(&pseudo);
  QVERIFY2(missed.isEmpty(), qPrintable(missed.join(QStringLiteral(" | "))));
}

void LanguageTest::storedFilesAreTheSameInEveryLanguage() {
  QList<QByteArray> firstRun;
  for (const char* language : {"", "sv", "de"}) {
    QVERIFY(vesmira::InstallTranslations(*qApp, language));
    QLocale::setDefault(vesmira::LanguageLocale());
    FrameFixture frame;
    frame.folder.AddUser("Anna");
    frame.Start();
    frame.Type("breakfastEdit", QStringLiteral("512"));
    frame.Type("cyclingMinutesEdit", QStringLiteral("45"));
    frame.Type("weightEdit", QStringLiteral("93,5"));
    QVERIFY(frame.StoreDay());
    QList<QByteArray> files;
    QFile day(QString::fromStdString(frame.folder.DayPath("Anna", "06-12-2026").string()));
    QVERIFY(day.open(QIODevice::ReadOnly));
    files << day.readAll();
    for (const char* action : {"exportSheetAction", "exportWeightSheetAction"}) {
      const QString target = QString::fromStdString((frame.folder.Path() / action).string());
      frame.prompts.nextSaveAnswers.append(
          {vesmira::Prompts::SaveAnswer::Outcome::kChosen, target});
      frame.Trigger(action);
      QFile sheet(target);
      QVERIFY2(sheet.open(QIODevice::ReadOnly), action);
      files << sheet.readAll();
    }
    QVERIFY2(files[0].contains("vikt\r\n93.5\r\n"), files[0].constData());
    if (firstRun.isEmpty()) firstRun = files;
    QCOMPARE(files, firstRun);
  }
  QLocale::setDefault(QLocale::c());
}

VESMIRA_APP_TEST_MAIN(LanguageTest)
#include "language_test.moc"
