#include "app/splash_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "ui/picture.h"

using vesmira::CSplashWindow;
using vesmira::SplashWantedFor;

namespace {

// Stands in for the main window: a line edit, a button, a shortcut, and a count of paints.
class Window final : public QWidget {
 public:
  Window() {
    auto* layout = new QVBoxLayout(this);
    edit = new QLineEdit(this);
    button = new QPushButton(QStringLiteral("Press"), this);
    layout->addWidget(edit);
    layout->addWidget(button);
    shortcut = new QAction(this);
    shortcut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    shortcut->setShortcutContext(Qt::ApplicationShortcut);
    addAction(shortcut);
    resize(300, 200);
  }
  QLineEdit* edit;
  QPushButton* button;
  QAction* shortcut;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

QPoint CentreOf(QWidget* widget) {
  return widget->mapTo(widget->window(), widget->rect().center());
}

}  // namespace

class SplashWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void windowHasExactlyThePicturesSizeAndNoFrame();
  void picturesAreShownFromTheirBytesOrRead_data();
  void picturesAreShownFromTheirBytesOrRead();
  void centredOnScreenWhenOwnerHidden();
  void centredOverOwnerWhenVisible();
  void notShownWhenDisabledOrPictureMissing();
  void onlyOneAtATime();
  void keyPressClosesAndIsUsedUp();
  void shortcutKeyClosesWithoutFiringShortcut();
  void modifierKeyAloneClosesIt();
  void mousePressClosesAndDoesNotReachButton();
  void pressesCloseIt_data();
  void pressesCloseIt();
  void movesReleasesAndWheelLeaveItOpen();
  void usedKeyHeldDownTypesNothing();
  void ownerRepaintedAtOnceOnClose();
  void timerClosesIt();
  void ownerDestroyedTakesSplashAlong();
  void commandLineSwitches_data();
  void commandLineSwitches();
  void notOnWayland();

 private:
  Window* ShowWindow();
  vesmira::SplashInputFilter m_filter;
  Window* m_window = nullptr;
};

void SplashWindowTest::initTestCase() { qApp->installEventFilter(&m_filter); }

void SplashWindowTest::init() { CSplashWindow::EnableSplash(true); }

void SplashWindowTest::cleanup() {
  CSplashWindow::CloseSplash();
  delete m_window;
  m_window = nullptr;
  CSplashWindow::EnableSplash(false);
}

Window* SplashWindowTest::ShowWindow() {
  m_window = new Window;
  m_window->show();
  if (!QTest::qWaitForWindowExposed(m_window)) return nullptr;
  m_window->activateWindow();
  m_window->edit->setFocus();
  return m_window;
}

void SplashWindowTest::windowHasExactlyThePicturesSizeAndNoFrame() {
  CSplashWindow::OpenSplash(nullptr);
  CSplashWindow* splash = CSplashWindow::Current();
  QVERIFY(splash != nullptr);
  QVERIFY(splash->isVisible());
  QCOMPARE(splash->size(), QSize(520, 317));
  QCOMPARE(splash->minimumSize(), QSize(520, 317));
  QCOMPARE(splash->maximumSize(), QSize(520, 317));
  QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
  QCOMPARE(splash->windowType(), Qt::SplashScreen);
  QVERIFY(QTest::qWaitForWindowExposed(splash));
  QCOMPARE(splash->frameGeometry().size(), QSize(520, 317));
  // What it shows is the picture itself, pixel for pixel.
  const QImage picture = vesmira::MappedPicture(CSplashWindow::DefaultPicture());
  QImage shown = splash->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(shown, picture.convertToFormat(QImage::Format_RGB32));
}

// The title picture is shown from the program's own bytes; any other picture is read.
void SplashWindowTest::picturesAreShownFromTheirBytesOrRead_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<bool>("inPlace");
  QTest::newRow("title picture") << QStringLiteral(":/splash.bmp") << QSize(520, 317) << true;
  QTest::newRow("in each language") << QStringLiteral(":/splash.de.bmp") << QSize(520, 317) << true;
  QTest::newRow("24-bit bitmap") << QStringLiteral(":/homepage.bmp") << QSize(129, 173) << false;
  QTest::newRow("a file, not a resource")
      << QStringLiteral(VESMIRA_SOURCE_DIR "/resources/splash.bmp") << QSize(520, 317) << false;
  QTest::newRow("missing") << QStringLiteral(":/no-such-picture.bmp") << QSize(0, 0) << false;
}

void SplashWindowTest::picturesAreShownFromTheirBytesOrRead() {
  QFETCH(QString, path);
  QFETCH(QSize, size);
  QFETCH(bool, inPlace);
  const QImage picture = vesmira::MappedPicture(path);
  QCOMPARE(picture.size(), size);
  const QResource resource(path);
  const uchar* bits = picture.constBits();
  QCOMPARE(bits > resource.data() && bits < resource.data() + resource.size(), inPlace);
  // Read or shown in place, the same pixels (to 16 bits: the reader widens them otherwise).
  if (!size.isEmpty()) {
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB16),
             vesmira::ReadPicture(path).toImage().convertToFormat(QImage::Format_RGB16));
  }
}

void SplashWindowTest::centredOnScreenWhenOwnerHidden() {
  Window owner;
  CSplashWindow::OpenSplash(&owner);
  CSplashWindow* splash = CSplashWindow::Current();
  QVERIFY(splash != nullptr);
  const QRect screen = owner.screen()->availableGeometry();
  const QRect frame = splash->frameGeometry();
  QVERIFY(qAbs((frame.left() - screen.left()) - (screen.right() - frame.right())) <= 1);
  QVERIFY(qAbs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())) <= 1);
}

void SplashWindowTest::centredOverOwnerWhenVisible() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  window->move(40, 30);
  QTRY_COMPARE(window->pos(), QPoint(40, 30));
  CSplashWindow::OpenSplash(window);
  QVERIFY(CSplashWindow::Current() != nullptr);
  const QPoint offset =
      CSplashWindow::Current()->frameGeometry().center() - window->frameGeometry().center();
  QVERIFY2(offset.manhattanLength() <= 2,
           qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));
}

void SplashWindowTest::notShownWhenDisabledOrPictureMissing() {
  CSplashWindow::EnableSplash(false);
  CSplashWindow::OpenSplash(nullptr);
  QVERIFY(CSplashWindow::Current() == nullptr);

  CSplashWindow::EnableSplash(true);
  CSplashWindow::OpenSplash(nullptr, QStringLiteral(":/no-such-picture.png"));
  QVERIFY(CSplashWindow::Current() == nullptr);
  const auto windows = QApplication::topLevelWidgets();
  for (QWidget* widget : windows) QVERIFY(qobject_cast<CSplashWindow*>(widget) == nullptr);
}

void SplashWindowTest::onlyOneAtATime() {
  CSplashWindow::OpenSplash(nullptr);
  QPointer<CSplashWindow> first = CSplashWindow::Current();
  QVERIFY(first != nullptr);
  CSplashWindow::OpenSplash(nullptr);
  QCOMPARE(CSplashWindow::Current(), first.data());
  int splashes = 0;
  const auto windows = QApplication::topLevelWidgets();
  for (QWidget* widget : windows) splashes += qobject_cast<CSplashWindow*>(widget) != nullptr;
  QCOMPARE(splashes, 1);
  CSplashWindow::CloseSplash();
  QVERIFY(CSplashWindow::Current() == nullptr);
  QTRY_VERIFY(first == nullptr);
}

void SplashWindowTest::keyPressClosesAndIsUsedUp() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  CSplashWindow::OpenSplash(window);
  QPointer<CSplashWindow> splash = CSplashWindow::Current();
  QVERIFY(splash != nullptr);

  QTest::keyClick(window->windowHandle(), Qt::Key_A);
  QVERIFY(CSplashWindow::Current() == nullptr);
  QVERIFY(!splash || !splash->isVisible());
  QCOMPARE(window->edit->text(), QString());
  QTRY_VERIFY(splash == nullptr);

  // The next key is typed as usual.
  QTest::keyClick(window->windowHandle(), Qt::Key_B);
  QCOMPARE(window->edit->text(), QStringLiteral("b"));
}

void SplashWindowTest::shortcutKeyClosesWithoutFiringShortcut() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  QSignalSpy triggered(window->shortcut, &QAction::triggered);
  CSplashWindow::OpenSplash(window);
  QVERIFY(CSplashWindow::Current() != nullptr);

  // N pressed while Ctrl was held down already: the one press that closes the splash.
  QTest::simulateEvent(window->windowHandle(), true, Qt::Key_N, Qt::ControlModifier, QString(),
                       false);
  QTest::simulateEvent(window->windowHandle(), false, Qt::Key_N, Qt::ControlModifier, QString(),
                       false);
  QVERIFY(CSplashWindow::Current() == nullptr);
  QCOMPARE(triggered.count(), 0);

  // The main window has the keyboard again: the shortcut works.
  QTest::keyClick(window->windowHandle(), Qt::Key_N, Qt::ControlModifier);
  QCOMPARE(triggered.count(), 1);
}

void SplashWindowTest::modifierKeyAloneClosesIt() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  CSplashWindow::OpenSplash(window);
  QVERIFY(CSplashWindow::Current() != nullptr);
  QTest::keyPress(window->windowHandle(), Qt::Key_Shift);
  QVERIFY(CSplashWindow::Current() == nullptr);
  QTest::keyRelease(window->windowHandle(), Qt::Key_Shift);
}

void SplashWindowTest::mousePressClosesAndDoesNotReachButton() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  QSignalSpy clicked(window->button, &QPushButton::clicked);
  CSplashWindow::OpenSplash(window);
  QVERIFY(CSplashWindow::Current() != nullptr);

  // Through the window system, as a real click arrives.
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, CentreOf(window->button));
  QVERIFY(CSplashWindow::Current() == nullptr);
  QCOMPARE(clicked.count(), 0);
  QVERIFY(!window->button->isDown());

  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, CentreOf(window->button));
  QCOMPARE(clicked.count(), 1);
}

void SplashWindowTest::pressesCloseIt_data() {
  QTest::addColumn<QString>("press");
  QTest::newRow("left button on a widget") << QStringLiteral("left");
  QTest::newRow("right button on a widget") << QStringLiteral("right");
  QTest::newRow("middle button on a widget") << QStringLiteral("middle");
  QTest::newRow("double click") << QStringLiteral("double");
  QTest::newRow("button on the frame") << QStringLiteral("frame");
  QTest::newRow("click on the splash itself") << QStringLiteral("splash");
  QTest::newRow("key sent to a widget") << QStringLiteral("key");
}

void SplashWindowTest::pressesCloseIt() {
  QFETCH(QString, press);
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  QSignalSpy clicked(window->button, &QPushButton::clicked);
  CSplashWindow::OpenSplash(window);
  QPointer<CSplashWindow> splash = CSplashWindow::Current();
  QVERIFY(splash != nullptr);

  if (press == QStringLiteral("left")) {
    QTest::mousePress(window->button, Qt::LeftButton);
  } else if (press == QStringLiteral("right")) {
    QTest::mousePress(window->button, Qt::RightButton);
  } else if (press == QStringLiteral("middle")) {
    QTest::mousePress(window->button, Qt::MiddleButton);
  } else if (press == QStringLiteral("double")) {
    QTest::mouseDClick(window->button, Qt::LeftButton);
  } else if (press == QStringLiteral("frame")) {
    QMouseEvent event(QEvent::NonClientAreaMouseButtonPress, QPointF(1, 1),
                      window->mapToGlobal(QPointF(1, 1)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window, &event);
  } else if (press == QStringLiteral("splash")) {
    QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
  } else {
    QTest::keyClick(window->edit, Qt::Key_X);
  }
  QVERIFY(CSplashWindow::Current() == nullptr);
  QTRY_VERIFY(splash == nullptr);
  QCOMPARE(clicked.count(), 0);
  QCOMPARE(window->edit->text(), QString());
}

void SplashWindowTest::movesReleasesAndWheelLeaveItOpen() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  CSplashWindow::OpenSplash(window);
  CSplashWindow* splash = CSplashWindow::Current();
  QVERIFY(splash != nullptr);

  QWindow* handle = window->windowHandle();
  QTest::mouseMove(handle, CentreOf(window->button));
  QTest::mouseMove(handle, CentreOf(window->edit));
  QTest::mouseRelease(handle, Qt::LeftButton, {}, CentreOf(window->edit));
  QTest::mouseRelease(window->button, Qt::RightButton);
  QWheelEvent wheel(QPointF(CentreOf(window->button)),
                    window->mapToGlobal(CentreOf(window->button)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(window->button, &wheel);
  QTest::keyRelease(window->edit, Qt::Key_A);
  QCoreApplication::processEvents();

  QCOMPARE(CSplashWindow::Current(), splash);
  QVERIFY(splash->isVisible());
}

void SplashWindowTest::usedKeyHeldDownTypesNothing() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  window->edit->setText(QStringLiteral("2500"));
  CSplashWindow::OpenSplash(window);
  QVERIFY(CSplashWindow::Current() != nullptr);

  // The key that closes the picture, held down: the keyboard repeats it until it is let go.
  QWindow* handle = window->windowHandle();
  QTest::simulateEvent(handle, true, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), false);
  for (int i = 0; i < 3; ++i) {
    QTest::simulateEvent(handle, false, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true);
    QTest::simulateEvent(handle, true, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), true);
  }
  QTest::simulateEvent(handle, false, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"), false);
  QVERIFY(CSplashWindow::Current() == nullptr);
  QCOMPARE(window->edit->text(), QStringLiteral("2500"));

  // The next press is the person's own again.
  QTest::keyClick(handle, Qt::Key_1);
  QCOMPARE(window->edit->text(), QStringLiteral("25001"));
}

void SplashWindowTest::ownerRepaintedAtOnceOnClose() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  CSplashWindow::OpenSplash(window);
  QVERIFY(CSplashWindow::Current() != nullptr);
  QCoreApplication::processEvents();
  const int before = window->paints;
  CSplashWindow::CloseSplash();
  // Painted inside CloseSplash, not at the next turn of the event loop.
  QCOMPARE(window->paints, before + 1);
}

void SplashWindowTest::timerClosesIt() {
  Window* window = ShowWindow();
  QVERIFY(window != nullptr);
  CSplashWindow::OpenSplash(window);
  QPointer<CSplashWindow> splash = CSplashWindow::Current();
  QVERIFY(splash != nullptr);
  auto* timer = splash->findChild<QTimer*>(QStringLiteral("splashTimer"));
  QVERIFY(timer != nullptr);
  QVERIFY(timer->isActive());
  QVERIFY(timer->isSingleShot());
  QCOMPARE(timer->interval(), 1900);
  QVERIFY(CSplashWindow::Current() != nullptr);
  QTRY_VERIFY_WITH_TIMEOUT(CSplashWindow::Current() == nullptr, 6000);
  QTRY_VERIFY(splash == nullptr);
}

void SplashWindowTest::ownerDestroyedTakesSplashAlong() {
  auto* owner = new Window;
  CSplashWindow::OpenSplash(owner);
  QPointer<CSplashWindow> splash = CSplashWindow::Current();
  QVERIFY(splash != nullptr);
  delete owner;
  QVERIFY(splash == nullptr);
  QVERIFY(CSplashWindow::Current() == nullptr);
  CSplashWindow::CloseSplash();  // nothing left to close
}

void SplashWindowTest::commandLineSwitches_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::addColumn<bool>("wanted");
  const QString program = QStringLiteral("vesmira");
  QTest::newRow("no arguments") << QStringList{program} << true;
  QTest::newRow("empty list") << QStringList{} << true;
  QTest::newRow("-Embedding") << QStringList{program, QStringLiteral("-Embedding")} << false;
  QTest::newRow("/Embedding") << QStringList{program, QStringLiteral("/Embedding")} << false;
  QTest::newRow("--Embedding") << QStringList{program, QStringLiteral("--Embedding")} << false;
  QTest::newRow("-Automation") << QStringList{program, QStringLiteral("-Automation")} << false;
  QTest::newRow("/Automation") << QStringList{program, QStringLiteral("/Automation")} << false;
  QTest::newRow("--Automation") << QStringList{program, QStringLiteral("--Automation")} << false;
  QTest::newRow("any case") << QStringList{program, QStringLiteral("-eMBEDDING")} << false;
  QTest::newRow("after a file") << QStringList{program, QStringLiteral("diary.vsm"),
                                               QStringLiteral("/Automation")}
                                << false;
  QTest::newRow("file argument") << QStringList{program, QStringLiteral("Embedding")} << true;
  QTest::newRow("longer word") << QStringList{program, QStringLiteral("-Embeddings")} << true;
  QTest::newRow("other switch") << QStringList{program, QStringLiteral("-platform")} << true;
  QTest::newRow("three dashes") << QStringList{program, QStringLiteral("---Embedding")} << true;
  QTest::newRow("program named like the switch")
      << QStringList{QStringLiteral("-Embedding")} << true;
}

void SplashWindowTest::notOnWayland() {
  const QStringList arguments{QStringLiteral("vesmira")};
  QVERIFY(SplashWantedFor(arguments, QStringLiteral("xcb")));
  QVERIFY(!SplashWantedFor(arguments, QStringLiteral("wayland")));
  QVERIFY(!SplashWantedFor(arguments, QStringLiteral("wayland-egl")));
}

void SplashWindowTest::commandLineSwitches() {
  QFETCH(QStringList, arguments);
  QFETCH(bool, wanted);
  QCOMPARE(SplashWantedFor(arguments), wanted);
}

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
