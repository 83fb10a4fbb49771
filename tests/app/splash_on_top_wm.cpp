// The splash picture under a real window manager (run by support/with_window_manager.sh):
// where the window manager, not Qt, decides what lies on top.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/main_frame.h"
#include "app/splash_window.h"
#include "support/ui/form_fixture.h"
#include "support/ui/test_main.h"
#include "ui/picture.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;

namespace {

// The client windows bottom to top, as the window manager stacks them.
QList<WId> StackingOrder() {
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"),
              {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
  if (!xprop.waitForFinished(5000)) return {};
  QList<WId> order;
  const QString output = QString::fromLatin1(xprop.readAllStandardOutput());
  static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
  for (auto it = hex.globalMatch(output); it.hasNext();) {
    order.append(it.next().captured().toULongLong(nullptr, 16));
  }
  return order;
}

bool Above(const QWidget& upper, const QWidget& lower) {
  const QList<WId> order = StackingOrder();
  const qsizetype up = order.indexOf(upper.winId());
  const qsizetype low = order.indexOf(lower.winId());
  return up >= 0 && low >= 0 && up > low;
}

// Whether the screen, as a person sees it, shows the picture's middle at the splash's middle.
bool PictureSeen(const CSplashWindow& splash) {
  const QImage picture = MappedPicture(CSplashWindow::DefaultPicture());
  const QPoint middle(picture.width() / 2, picture.height() / 2);
  const QPoint onScreen = splash.mapToGlobal(middle);
  const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  const QColor seen = screen.pixelColor(onScreen);
  const QColor expected = picture.pixelColor(middle);
  return qAbs(seen.red() - expected.red()) + qAbs(seen.green() - expected.green()) +
             qAbs(seen.blue() - expected.blue()) <
         12;
}

// The splash stays until the test is done with it.
void HoldOpen(CSplashWindow& splash) {
  splash.findChild<QTimer*>(QStringLiteral("splashTimer"))->stop();
}

}  // namespace

class SplashOnTopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();
  void staysAboveTheMainWindowShownAndRaisedAfterIt();
  void usedPressDoesNothingElse_data();
  void usedPressDoesNothingElse();

 private:
  std::unique_ptr<FrameFixture> m_form;
};

void SplashOnTopTest::initTestCase() {
  QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
}

void SplashOnTopTest::init() {
  CSplashWindow::EnableSplash(true);
  m_form = std::make_unique<FrameFixture>();
  m_form->folder.AddUser("Anna");
}

void SplashOnTopTest::cleanup() {
  CSplashWindow::CloseSplash();
  m_form.reset();
  CSplashWindow::EnableSplash(false);
}

void SplashOnTopTest::staysAboveTheMainWindowShownAndRaisedAfterIt() {
  // As the program starts: the frame opens the splash while it is made, then is shown.
  m_form->Start();
  QPointer<CSplashWindow> splash = CSplashWindow::Current();
  QVERIFY(splash);
  HoldOpen(*splash);
  QVERIFY(m_form->Show());
  QVERIFY(QTest::qWaitForWindowExposed(splash));
  QTRY_VERIFY_WITH_TIMEOUT(Above(*splash, m_form->Frame()), 15000);
  QTRY_VERIFY(PictureSeen(*splash));

  // Clicked on, the main window is raised and takes the focus; the picture stays on top.
  m_form->Frame().raise();
  m_form->Frame().activateWindow();
  QTRY_VERIFY(m_form->Frame().isActiveWindow());
  QTest::qWait(200);
  QVERIFY(Above(*splash, m_form->Frame()));
  QVERIFY(PictureSeen(*splash));
}

void SplashOnTopTest::usedPressDoesNothingElse_data() {
  QTest::addColumn<QString>("press");
  QTest::newRow("middle click pastes nothing") << QStringLiteral("middle");
  QTest::newRow("right click opens no menu") << QStringLiteral("right");
  QTest::newRow("key types nothing") << QStringLiteral("key");
}

void SplashOnTopTest::usedPressDoesNothingElse() {
  QFETCH(QString, press);
  m_form->Start();
  CSplashWindow::CloseSplash();
  QVERIFY(m_form->Show());
  m_form->Frame().activateWindow();
  QTRY_VERIFY(m_form->Frame().isActiveWindow());
  QLineEdit* breakfast = m_form->Field("breakfastEdit");
  breakfast->setFocus();
  QGuiApplication::clipboard()->setText(QStringLiteral("777"), QClipboard::Selection);

  CSplashWindow::OpenSplash(&m_form->Frame());
  QPointer<CSplashWindow> splash = CSplashWindow::Current();
  QVERIFY(splash);
  HoldOpen(*splash);
  QVERIFY(QTest::qWaitForWindowExposed(splash));

  QWindow* window = m_form->Frame().windowHandle();
  const QPoint field = breakfast->mapTo(&m_form->Frame(), breakfast->rect().center());
  if (press == QStringLiteral("middle")) {
    QTest::mouseClick(window, Qt::MiddleButton, {}, field);
  } else if (press == QStringLiteral("right")) {
    QTest::mouseClick(window, Qt::RightButton, {}, field);
  } else {
    QTest::keyClick(window, Qt::Key_1);
  }
  QVERIFY(CSplashWindow::Current() == nullptr);
  QTest::qWait(100);
  QCOMPARE(breakfast->text(), QStringLiteral("0"));
  QVERIFY(QApplication::activePopupWidget() == nullptr);

  // Once the picture has gone, the same press does what it always does.
  if (press == QStringLiteral("middle")) {
    QTest::mouseClick(window, Qt::MiddleButton, {}, field);
    QVERIFY(breakfast->text().contains(QStringLiteral("777")));
  }
}

VESMIRA_APP_TEST_MAIN(SplashOnTopTest)

#include "splash_on_top_wm.moc"
