#include "ui/prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "support/ui/widgets.h"

namespace vesmira {

using testing::WithNextModal;

class PromptsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void saveDialogOpensInDocumentsThenWhereTheLastFileWent();
  void messageBoxWrapsALongPath();

 private:
  QTemporaryDir m_home;
  QByteArray m_oldHome;
};

void PromptsTest::init() {
  m_oldHome = qgetenv("HOME");
  qputenv("HOME", QFile::encodeName(m_home.path()));
  qunsetenv("XDG_CONFIG_HOME");
}

void PromptsTest::cleanup() { qputenv("HOME", m_oldHome); }

void PromptsTest::saveDialogOpensInDocumentsThenWhereTheLastFileWent() {
  const QString documents = m_home.filePath(QStringLiteral("Documents"));
  const QString exports = m_home.filePath(QStringLiteral("exports"));
  QVERIFY(QDir().mkpath(documents));
  QVERIFY(QDir().mkpath(exports));
  const Prompts::SaveRequest request{
      QStringLiteral("Diet.html"), QStringLiteral("html"), {QStringLiteral("HTML (*.html)")}};

  // Each step: the folder the dialog opens in, and the folder the person then saves in.
  QtPrompts prompts;
  const struct {
    QString opensIn;
    QString savesIn;
  } steps[] = {{documents, exports}, {exports, documents}, {documents, documents}};
  for (const auto& step : steps) {
    Prompts::SaveAnswer answer;
    QString opened;
    QVERIFY(WithNextModal<QFileDialog>(
        [&] { answer = prompts.AskSaveFileName(nullptr, request); },
        [&](QFileDialog& dialog) {
          opened = dialog.directory().absolutePath();
          dialog.selectFile(QDir(step.savesIn).filePath(QStringLiteral("Diet.html")));
          static_cast<QDialog&>(dialog).accept();  // protected in QFileDialog
        }));
    QCOMPARE(opened, step.opensIn);
    QCOMPARE(answer.outcome, Prompts::SaveAnswer::Outcome::kChosen);
    QCOMPARE(answer.path, QDir(step.savesIn).filePath(QStringLiteral("Diet.html")));
  }

  // A new run starts over; without a documents folder it starts at home.
  QVERIFY(QDir(documents).removeRecursively());
  QtPrompts nextRun;
  QString opened;
  QVERIFY(WithNextModal<QFileDialog>([&] { nextRun.AskSaveFileName(nullptr, request); },
                                     [&](QFileDialog& dialog) {
                                       opened = dialog.directory().absolutePath();
                                       dialog.reject();
                                     }));
  QCOMPARE(opened, QDir(m_home.path()).absolutePath());
}

void PromptsTest::messageBoxWrapsALongPath() {
  QString path = m_home.path();
  for (int i = 0; i < 30; ++i) path += QStringLiteral("/folder%1").arg(i);
  const QString text = QStringLiteral("Access to %1 was denied.").arg(path);
  QtPrompts prompts;
  QVERIFY(WithNextModal<QMessageBox>(
      [&] { prompts.ShowMessage(nullptr, text, Prompts::Icon::kStop, Prompts::Buttons::kOk); },
      [&](QMessageBox& box) {
        // The words as they are, for a screen reader and a copy: the path breaks after "/".
        QCOMPARE(box.text(), text);
        QVERIFY2(box.width() <= box.screen()->availableGeometry().width(),
                 qPrintable(QString::number(box.width())));
        box.accept();
      }));
}

}  // namespace vesmira

QTEST_MAIN(vesmira::PromptsTest)
#include "prompts_test.moc"
