#include "app/about_dialog.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/help_page.h"
#include "app/product_links.h"
#include "app/tips_dialog.h"
#include "build_config.h"
#include "support/ui/scripted_prompts.h"
#include "support/ui/widgets.h"
#include "ui/access_keys.h"
#include "ui/url_opener.h"

using vesmira::CAboutDialog;
using vesmira::CTipsDialog;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::Shown;

namespace {

const QUrl kHomePage(QStringLiteral("https://diary.test/"));
const vesmira::ProductLinks kLinks{kHomePage,
                                   QUrl(QStringLiteral("https://diary.test/tip.html")),
                                   QStringLiteral("www.diary.test"),
                                   QStringLiteral("diary.test"),
                                   QStringLiteral("the Diary site"),
                                   QStringLiteral("Questions and ideas: dev@diary.test")};

}  // namespace

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
  CAboutDialog dialog(kLinks, opener);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("About Vesmira"));
  QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("nameLabel"))->text(),
           QStringLiteral("Vesmira 6.0"));
  QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().isNull());
  QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("noticeLabel"))->text().isEmpty());
  QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("contactLabel"))->text(),
           QStringLiteral("Questions and ideas: dev@diary.test"));
  auto* homePage = dialog.findChild<QPushButton*>(QStringLiteral("homePageButton"));
  QCOMPARE(vesmira::ShownWords(homePage->text()), QStringLiteral("Home page: diary.test"));
  QVERIFY(homePage->isFlat());
  QVERIFY(homePage->focusPolicy() & Qt::TabFocus);
  QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->isDefault());
}

void AboutDialogTest::homePageButtonOpensHomePageAndStaysOpen() {
  RecordingUrlOpener opener;
  CAboutDialog dialog(kLinks, opener);
  QVERIFY(Shown(dialog));
  QSignalSpy finished(&dialog, &QDialog::finished);
  auto* homePage = dialog.findChild<QPushButton*>(QStringLiteral("homePageButton"));
  QTest::mouseClick(homePage, Qt::LeftButton);
  QTest::mouseClick(homePage, Qt::LeftButton);
  QCOMPARE(opener.opened, QList<QUrl>({kHomePage, kHomePage}));
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
  CAboutDialog dialog(kLinks, opener);
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
  QTemporaryDir data;
  QVERIFY(data.isValid());
  const vesmira::ProductLinks links = vesmira::LinksOfThisBuild(data.path());
  RecordingUrlOpener opener;
  CAboutDialog about(links, opener);
  CTipsDialog tips(links, opener);
  about.findChild<QPushButton*>(QStringLiteral("homePageButton"))->click();
  tips.findChild<QPushButton*>(QStringLiteral("linkButton"))->click();
  tips.findChild<QPushButton*>(QStringLiteral("yesButton"))->click();
  QCOMPARE(opener.opened.size(), 3);
  QCOMPARE(opener.opened[0], opener.opened[1]);
  QCOMPARE(opener.opened[0], links.homePage);
  QCOMPARE(opener.opened[2], links.tipPage);
  // A build without a web site opens the pages the program keeps in the data folder.
  if (vesmira::build::kHomePageUrl[0] != '\0') QSKIP("this build links to a web site");
  QCOMPARE(opener.opened[0],
           QUrl::fromLocalFile(QDir(data.path()).filePath(vesmira::HelpFileName())));
  QCOMPARE(opener.opened[2],
           QUrl::fromLocalFile(QDir(data.path()).filePath(vesmira::DietTipsFileName())));
}

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
