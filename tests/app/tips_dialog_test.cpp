#include "app/tips_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/product_links.h"
#include "support/ui/scripted_prompts.h"
#include "support/ui/widgets.h"
#include "ui/access_keys.h"

using vesmira::CTipsDialog;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::Shown;

namespace {

const QUrl kHomePage(QStringLiteral("https://diary.test/"));
const QUrl kTipPage(QStringLiteral("https://diary.test/software/vesmira/tip.html"));
const vesmira::ProductLinks kLinks{kHomePage,
                                   kTipPage,
                                   QStringLiteral("www.diary.test"),
                                   QStringLiteral("diary.test"),
                                   QStringLiteral("the Diary site"),
                                   QStringLiteral("dev@diary.test")};

QPushButton* Button(const QDialog& dialog, const char* name) {
  return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

class TipsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsQuestionAndAddress();
  void yesAndEnterOpenTipPageAndClose_data();
  void yesAndEnterOpenTipPageAndClose();
  void linkOpensHomePageAndStaysOpen();
  void noEscapeAndCloseBoxOpenNothing_data();
  void noEscapeAndCloseBoxOpenNothing();
};

void TipsDialogTest::showsQuestionAndAddress() {
  RecordingUrlOpener opener;
  CTipsDialog dialog(kLinks, opener);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Tip of the Day"));
  auto* question = dialog.findChild<QLabel*>(QStringLiteral("questionLabel"));
  QCOMPARE(question->text(), QStringLiteral("Do you want to visit the Diary site for a"));
  QVERIFY(question->alignment() & Qt::AlignHCenter);
  auto* dietTip = dialog.findChild<QLabel*>(QStringLiteral("dietTipLabel"));
  QCOMPARE(dietTip->text(), QStringLiteral("diet tip?"));
  QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("weightTipLabel"))
              ->text()
              .contains(QStringLiteral("real consumption")));
  QVERIFY(dietTip->alignment() & Qt::AlignHCenter);
  QCOMPARE(Button(dialog, "linkButton")->text(), QStringLiteral("www.diary.test"));
  QVERIFY(Button(dialog, "linkButton")->isFlat());
  QVERIFY(Button(dialog, "yesButton")->isDefault());
  QVERIFY(!Button(dialog, "noButton")->isDefault());
  QCOMPARE(vesmira::ShownWords(Button(dialog, "noButton")->text()), QStringLiteral("No"));
}

void TipsDialogTest::yesAndEnterOpenTipPageAndClose_data() {
  QTest::addColumn<bool>("enter");
  QTest::newRow("Yes clicked") << false;
  QTest::newRow("Enter acts as Yes") << true;
}

void TipsDialogTest::yesAndEnterOpenTipPageAndClose() {
  QFETCH(bool, enter);
  RecordingUrlOpener opener;
  CTipsDialog dialog(kLinks, opener);
  QVERIFY(Shown(dialog));
  if (enter) {
    QTest::keyClick(&dialog, Qt::Key_Return);
  } else {
    QTest::mouseClick(Button(dialog, "yesButton"), Qt::LeftButton);
  }
  QCOMPARE(opener.opened, QList<QUrl>({kTipPage}));
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QVERIFY(!dialog.isVisible());
}

void TipsDialogTest::linkOpensHomePageAndStaysOpen() {
  RecordingUrlOpener opener;
  CTipsDialog dialog(kLinks, opener);
  QVERIFY(Shown(dialog));
  QSignalSpy finished(&dialog, &QDialog::finished);
  for (int i = 0; i < 3; ++i) QTest::mouseClick(Button(dialog, "linkButton"), Qt::LeftButton);
  QCOMPARE(opener.opened, QList<QUrl>({kHomePage, kHomePage, kHomePage}));
  QVERIFY(dialog.isVisible());
  QCOMPARE(finished.count(), 0);
  // Yes still works afterwards and adds the tip page.
  QTest::mouseClick(Button(dialog, "yesButton"), Qt::LeftButton);
  QCOMPARE(opener.opened.size(), 4);
  QCOMPARE(opener.opened.last(), kTipPage);
}

void TipsDialogTest::noEscapeAndCloseBoxOpenNothing_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("No") << QStringLiteral("no");
  QTest::newRow("Escape") << QStringLiteral("escape");
  QTest::newRow("close box") << QStringLiteral("close");
}

void TipsDialogTest::noEscapeAndCloseBoxOpenNothing() {
  QFETCH(QString, how);
  RecordingUrlOpener opener;
  CTipsDialog dialog(kLinks, opener);
  QVERIFY(Shown(dialog));
  QSignalSpy finished(&dialog, &QDialog::finished);
  if (how == QStringLiteral("no")) {
    QTest::mouseClick(Button(dialog, "noButton"), Qt::LeftButton);
  } else if (how == QStringLiteral("escape")) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
  } else {
    QVERIFY(dialog.close());
  }
  QCOMPARE(finished.count(), 1);
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QVERIFY(opener.opened.isEmpty());
}

QTEST_MAIN(TipsDialogTest)
#include "tips_dialog_test.moc"
