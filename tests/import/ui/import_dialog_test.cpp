#include "import/ui/import_dialog.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "diary/day_file.h"
#include "support/ui/form_fixture.h"
#include "support/ui/test_main.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;

namespace {

QString Sample(const char* name) {
  return QStringLiteral(VESMIRA_TEST_DATA "/import/") + QString::fromLatin1(name);
}

}  // namespace

class ImportDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The meal choices are remembered in a settings file of the test's own.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
  }
  void init() {
    m_form = std::make_unique<FrameFixture>();
    m_form->folder.AddUser("Anna");
    m_form->Start();
  }
  void cleanup() { m_form.reset(); }

  // The menu's import: files picked, the day stored, a preview; Import writes what it shows,
  // with the meal chosen for a name of the source's own, and that choice is kept.
  void previewShowsWhatImportWrites() {
    m_form->prompts.nextOpenAnswers = {{Sample("cronometer-servings.csv")}};
    QString preview;
    QVERIFY(testing::WithNextModal<CImportDialog>(
        [this] { m_form->Trigger("importAction"); },
        [&preview](CImportDialog& dialog) {
          preview = testing::Child<QPlainTextEdit>(dialog, "previewText")->toPlainText();
          testing::Child<QComboBox>(dialog, "mealCombo0")->setCurrentIndex(5);  // Supper
          testing::Click(dialog, "importButton");
        }));
    QVERIFY(m_form->Settle());
    QVERIFY2(preview.contains(QStringLiteral("Breakfast: 0 -> 250")), qPrintable(preview));
    QVERIFY(preview.contains(QStringLiteral("line 7: no number of kcal")));
    const std::optional<DayEntries> first =
        ReadDayFile(m_form->folder.DayPath("Anna", "01-12-2026"));
    QVERIFY(first);
    QCOMPARE(first->meals[5], std::string("95"));
    QCOMPARE(m_form->prompts.messages.last().text, QStringLiteral("Imported 2 days."));

    // Again, with the choice remembered: nothing left to import, and Cancel writes nothing.
    m_form->prompts.nextOpenAnswers = {{Sample("cronometer-servings.csv")}};
    int remembered = -1;
    bool importable = true;
    QVERIFY(testing::WithNextModal<CImportDialog>(
        [this] { m_form->Trigger("importAction"); },
        [&](CImportDialog& dialog) {
          remembered = testing::Child<QComboBox>(dialog, "mealCombo0")->currentIndex();
          importable = testing::Child<QPushButton>(dialog, "importButton")->isEnabled();
          testing::Click(dialog, "cancelButton");
        }));
    QCOMPARE(remembered, 5);
    QVERIFY(!importable);
    QCOMPARE(m_form->prompts.messages.size(), 1);
  }

 private:
  QTemporaryDir m_config;
  std::unique_ptr<FrameFixture> m_form;
};

VESMIRA_APP_TEST_MAIN(ImportDialogTest)
#include "import_dialog_test.moc"
