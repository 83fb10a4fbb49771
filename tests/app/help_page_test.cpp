#include "app/help_page.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/ui/scripted_prompts.h"
#include "ui/language.h"

using vesmira::KeepShippedPage;
using vesmira::PageOutcome;
using vesmira::Prompts;
using vesmira::ShippedPage;
using vesmira::ShowHelp;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::ScriptedPrompts;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

QByteArray Sum(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

}  // namespace

class HelpPageTest : public QObject {
  Q_OBJECT

 private slots:
  void opensPageOfDataFolder();
  void relativeDataFolderIsResolvedAgainstWorkingFolder();
  void pageBesideProgramIsNotUsed();
  void missingUnreadableOrFolderShowsMessage_data();
  void missingUnreadableOrFolderShowsMessage();
  void shippedPageRefreshedOnlyWhileUnchanged_data();
  void shippedPageRefreshedOnlyWhileUnchanged();
  void programPagesAreWrittenIntoTheDataFolder();
};

void HelpPageTest::opensPageOfDataFolder() {
  QTemporaryDir data;
  QVERIFY(data.isValid());
  QVERIFY(WriteFile(data.filePath(QStringLiteral("help.html")), "<html></html>"));
  RecordingUrlOpener opener;
  ScriptedPrompts prompts;
  ShowHelp(data.path(), opener, prompts, nullptr);
  QVERIFY(prompts.messages.isEmpty());
  QCOMPARE(opener.opened,
           QList<QUrl>({QUrl::fromLocalFile(data.filePath(QStringLiteral("help.html")))}));
  QVERIFY(opener.opened[0].isLocalFile());
}

void HelpPageTest::relativeDataFolderIsResolvedAgainstWorkingFolder() {
  QTemporaryDir data;
  QVERIFY(data.isValid());
  QVERIFY(WriteFile(data.filePath(QStringLiteral("help.html")), "<html></html>"));
  const QString before = QDir::currentPath();
  QVERIFY(QDir::setCurrent(data.path()));
  RecordingUrlOpener opener;
  ScriptedPrompts prompts;
  ShowHelp(QStringLiteral("."), opener, prompts, nullptr);
  QVERIFY(QDir::setCurrent(before));
  QCOMPARE(opener.opened.size(), 1);
  QVERIFY(QDir::isAbsolutePath(opener.opened[0].toLocalFile()));
  QCOMPARE(QFileInfo(opener.opened[0].toLocalFile()).canonicalFilePath(),
           QFileInfo(data.filePath(QStringLiteral("help.html"))).canonicalFilePath());
}

void HelpPageTest::pageBesideProgramIsNotUsed() {
  const QString besideProgram =
      QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help.html"));
  if (QFile::exists(besideProgram)) QSKIP("a help.html lies beside the test program already");
  QVERIFY(WriteFile(besideProgram, "<html></html>"));
  QTemporaryDir data;
  QVERIFY(data.isValid());
  const QString before = QDir::currentPath();
  QVERIFY(QDir::setCurrent(data.path()));
  RecordingUrlOpener opener;
  ScriptedPrompts prompts;
  ShowHelp(QDir::currentPath(), opener, prompts, nullptr);
  QVERIFY(QDir::setCurrent(before));
  QVERIFY(QFile::remove(besideProgram));
  QVERIFY(opener.opened.isEmpty());
  QCOMPARE(prompts.messages.size(), 1);
}

void HelpPageTest::missingUnreadableOrFolderShowsMessage_data() {
  QTest::addColumn<QString>("kind");
  QTest::newRow("missing") << QStringLiteral("missing");
  QTest::newRow("folder named help.html") << QStringLiteral("folder");
  QTest::newRow("unreadable") << QStringLiteral("unreadable");
}

void HelpPageTest::missingUnreadableOrFolderShowsMessage() {
  QFETCH(QString, kind);
  QTemporaryDir data;
  QVERIFY(data.isValid());
  const QString page = data.filePath(QStringLiteral("help.html"));
  if (kind == QStringLiteral("folder")) {
    QVERIFY(QDir(data.path()).mkdir(QStringLiteral("help.html")));
  } else if (kind == QStringLiteral("unreadable")) {
    QVERIFY(WriteFile(page, "<html></html>"));
    QVERIFY(QFile::setPermissions(page, QFileDevice::WriteOwner));
    QFile probe(page);
    if (probe.open(QIODevice::ReadOnly)) QSKIP("running as a user that reads every file");
  }
  RecordingUrlOpener opener;
  ScriptedPrompts prompts;
  ShowHelp(data.path(), opener, prompts, nullptr);
  QVERIFY(opener.opened.isEmpty());
  QCOMPARE(prompts.messages.size(), 1);
  QCOMPARE(prompts.messages[0].text,
           QStringLiteral("File Not Found - help.html\nTry on line help."));
  QCOMPARE(prompts.messages[0].icon, Prompts::Icon::kWarning);
  QCOMPARE(prompts.messages[0].buttons, Prompts::Buttons::kOk);
}

Q_DECLARE_METATYPE(PageOutcome)

void HelpPageTest::shippedPageRefreshedOnlyWhileUnchanged_data() {
  QTest::addColumn<QByteArray>("page");    // "(none)": no page; "(link)": a link to one
  QTest::addColumn<QByteArray>("record");  // what the program remembers writing, if anything
  QTest::addColumn<PageOutcome>("outcome");
  QTest::addColumn<QByteArray>("pageAfter");
  const QByteArray shipped = "<p>help of 6.1</p>";
  const QByteArray old = "<p>help of 6.0</p>";
  const QByteArray mine = "<p>my own notes</p>";
  QTest::newRow("missing") << QByteArray("(none)") << QByteArray() << PageOutcome::kWritten
                           << shipped;
  QTest::newRow("unchanged, written by an older version") << old << Sum(old) + " 6.0\n"
                                                          << PageOutcome::kWritten << shipped;
  QTest::newRow("unchanged, written by another build of this version")
      << old << Sum(old) + " 6.1\n"
      << PageOutcome::kWritten << shipped;
  QTest::newRow("changed by its owner") << mine << Sum(old) + " 6.0\n"
                                        << PageOutcome::kKept << mine;
  QTest::newRow("written by a newer version") << old << Sum(old) + " 7.0\n"
                                              << PageOutcome::kKept << old;
  QTest::newRow("copied in before records were kept")
      << old << QByteArray() << PageOutcome::kWritten << shipped;
  QTest::newRow("no record, unknown page") << mine << QByteArray() << PageOutcome::kKept << mine;
  QTest::newRow("unreadable record, a page shipped before")
      << old << QByteArray("garbage") << PageOutcome::kWritten << shipped;
  QTest::newRow("already this version's page")
      << shipped << QByteArray() << PageOutcome::kCurrent << shipped;
  QTest::newRow("a link") << QByteArray("(link)") << QByteArray() << PageOutcome::kKept << old;
}

void HelpPageTest::shippedPageRefreshedOnlyWhileUnchanged() {
  QFETCH(QByteArray, page);
  QFETCH(QByteArray, record);
  QFETCH(PageOutcome, outcome);
  QFETCH(QByteArray, pageAfter);
  QTemporaryDir data;
  QVERIFY(data.isValid());
  const QString path = data.filePath(QStringLiteral("help.html"));
  const QString recordPath = data.filePath(QStringLiteral(".help.html.shipped"));
  if (page == "(link)") {
    QVERIFY(WriteFile(data.filePath(QStringLiteral("elsewhere.html")), "<p>help of 6.0</p>"));
    QVERIFY(QFile::link(QStringLiteral("elsewhere.html"), path));
  } else if (page != "(none)") {
    QVERIFY(WriteFile(path, page));
  }
  if (!record.isEmpty()) QVERIFY(WriteFile(recordPath, record));
  const ShippedPage shipped{
      QStringLiteral("help.html"), "<p>help of 6.1</p>", {Sum("<p>help of 6.0</p>")}};

  QCOMPARE(KeepShippedPage(data.path(), shipped, QStringLiteral("6.1")), outcome);
  QCOMPARE(ReadFile(path), pageAfter);
  if (page == "(link)") QVERIFY(QFileInfo(path).isSymLink());
  if (outcome == PageOutcome::kWritten || outcome == PageOutcome::kCurrent) {
    QCOMPARE(ReadFile(recordPath), Sum(shipped.bytes) + " 6.1\n");
    // A second start finds its own page.
    QCOMPARE(KeepShippedPage(data.path(), shipped, QStringLiteral("6.1")), PageOutcome::kCurrent);
  }
  // Nothing but the page, its record and what the row put there.
  QStringList expected{QStringLiteral("help.html")};
  if (page == "(link)") expected << QStringLiteral("elsewhere.html");
  if (!record.isEmpty() || outcome != PageOutcome::kKept)
    expected << QStringLiteral(".help.html.shipped");
  QStringList entries =
      QDir(data.path())
          .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  entries.sort();
  expected.sort();
  QCOMPARE(entries, expected);
}

void HelpPageTest::programPagesAreWrittenIntoTheDataFolder() {
  QTemporaryDir data;
  QVERIFY(data.isValid());
  // In Swedish: the English pages and the Swedish ones, not the German ones.
  QVERIFY(vesmira::InstallTranslations(*QCoreApplication::instance(), "sv"));
  QVERIFY(vesmira::KeepShippedPages(data.path()).isEmpty());
  vesmira::InstallTranslations(*QCoreApplication::instance(), {});
  QVERIFY(!QFile::exists(data.filePath(QStringLiteral("help.de.html"))));
  const QString resources = QStringLiteral(VESMIRA_TEST_DATA "/../../resources/");
  for (const QString& name :
       {vesmira::HelpFileName(), vesmira::DietTipsFileName(), QStringLiteral("help.sv.html"),
        QStringLiteral("diet-tips.sv.html")}) {
    QCOMPARE(ReadFile(data.filePath(name)), ReadFile(resources + name));
  }
}

QTEST_GUILESS_MAIN(HelpPageTest)
#include "help_page_test.moc"
