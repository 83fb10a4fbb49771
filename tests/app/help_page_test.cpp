#include "app/help_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "support/ui/scripted_prompts.h"

using vesmira::Prompts;
using vesmira::ShowHelp;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::ScriptedPrompts;

namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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

QTEST_GUILESS_MAIN(HelpPageTest)
#include "help_page_test.moc"
