#include "app/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/tips_dialog.h"
#include "support/ui/scripted_prompts.h"
#include "support/ui/widgets.h"
#include "ui/url_opener.h"

using vesmira::CAboutDialog;
using vesmira::CTipsDialog;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::Shown;

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsNameVersionAndHomePageHost();
  void homePageButtonOpensHomePageAndStaysOpen();
  void okEnterAndEscapeCloseWithoutOpening_data();
  void okEnterAndEscapeCloseWithoutOpening();
  void aboutAndTipLinkOpenTheSamePage();
};

void AboutDialogTest::showsNameVersionAndHomePageHost() {
  RecordingUrlOpener opener;
  CAboutDialog dialog(opener);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vesmira"));
  QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("nameLabel"))->text(),
           QStringLiteral("Vesmira 6.0"));
  QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().isNull());
  QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("noticeLabel"))->text().isEmpty());
  QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("contactLabel"))->text().isEmpty());
  auto* homePage = dialog.findChild<QPushButton*>(QStringLiteral("homePageButton"));
  QCOMPARE(homePage->text(), QStringLiteral("Home page: vesmira.example.org"));
  QVERIFY(homePage->isFlat());
  QVERIFY(homePage->focusPolicy() & Qt::TabFocus);
  QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault());
}

void AboutDialogTest::homePageButtonOpensHomePageAndStaysOpen() {
  RecordingUrlOpener opener;
  CAboutDialog dialog(opener);
  QVERIFY(Shown(dialog));
  QSignalSpy finished(&dialog, &QDialog::finished);
  auto* homePage = dialog.findChild<QPushButton*>(QStringLiteral("homePageButton"));
  QTest::mouseClick(homePage, Qt::LeftButton);
  QTest::mouseClick(homePage, Qt::LeftButton);
  QCOMPARE(opener.opened, QList<QUrl>({QUrl(QStringLiteral("https://vesmira.example.org/")),
                                       QUrl(QStringLiteral("https://vesmira.example.org/"))}));
  QVERIFY(dialog.isVisible());
  QCOMPARE(finished.count(), 0);
}

void AboutDialogTest::okEnterAndEscapeCloseWithoutOpening_data() {
  QTest::addColumn<int>("key");  // 0: click OK
  QTest::newRow("OK clicked") << 0;
  QTest::newRow("Enter") << int(Qt::Key_Return);
  QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void AboutDialogTest::okEnterAndEscapeCloseWithoutOpening() {
  QFETCH(int, key);
  RecordingUrlOpener opener;
  CAboutDialog dialog(opener);
  QVERIFY(Shown(dialog));
  QSignalSpy finished(&dialog, &QDialog::finished);
  if (key == 0) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
  } else {
    QTest::keyClick(&dialog, Qt::Key(key));
  }
  QCOMPARE(finished.count(), 1);
  QVERIFY(!dialog.isVisible());
  QVERIFY(opener.opened.isEmpty());
}

void AboutDialogTest::aboutAndTipLinkOpenTheSamePage() {
  RecordingUrlOpener opener;
  CAboutDialog about(opener);
  CTipsDialog tips(opener);
  about.findChild<QPushButton*>(QStringLiteral("homePageButton"))->click();
  tips.findChild<QPushButton*>(QStringLiteral("linkButton"))->click();
  QCOMPARE(opener.opened.size(), 2);
  QCOMPARE(opener.opened[0], opener.opened[1]);
  QCOMPARE(opener.opened[0], vesmira::HomePageUrl());
}

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
