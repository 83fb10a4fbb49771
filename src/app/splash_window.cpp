#include "app/splash_window.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "app/data_folder.h"
#include "ui/picture.h"

namespace vesmira {

CSplashWindow::CSplashWindow(QWidget* parent, const QImage& picture)
    // Kept on top: a window manager stacks a newly shown main window over any other window,
    // and a picture hidden below it would still take the first key or click.
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(picture),
      m_owner(parent),
      m_timer(new QTimer(this)) {
  setObjectName(QStringLiteral("splashWindow"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(m_picture.deviceIndependentSize().toSize());
  m_timer->setObjectName(QStringLiteral("splashTimer"));
  m_timer->setSingleShot(true);
  m_timer->setInterval(kShowMilliseconds);
  connect(m_timer, &QTimer::timeout, this, [] { CloseSplash(); });
}

CSplashWindow::~CSplashWindow() {
  if (s_current == this) s_current = nullptr;
}

void CSplashWindow::EnableSplash(bool enable) { s_enabled = enable; }

CSplashWindow* CSplashWindow::Current() { return s_current; }

void CSplashWindow::OpenSplash(QWidget* parent, const QString& picture) {
  if (!s_enabled || s_current != nullptr) return;
  const QImage image = MappedPicture(picture);
  if (image.isNull()) return;
  s_usedPress = {};
  s_current = new CSplashWindow(parent, image);
  s_current->MoveToCentre();
  if (parent != nullptr) {
    // Transient for the main window, which is not shown yet: the window manager then keeps
    // the picture above it, however the main window is raised.
    QWidget* owner = parent->window();
    owner->winId();
    s_current->winId();
    s_current->windowHandle()->setTransientParent(owner->windowHandle());
  }
  s_current->show();
  s_current->repaint();
  s_current->m_timer->start();
}

void CSplashWindow::MoveToCentre() {
  QRect area;
  if (m_owner != nullptr && m_owner->isVisible() && !m_owner->isMinimized()) {
    area = m_owner->frameGeometry();
  } else {
    // At start-up the main window is not shown yet: the middle of the screen.
    QScreen* screen = m_owner != nullptr ? m_owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    area = screen->availableGeometry();
  }
  QRect frame(QPoint(0, 0), size());
  frame.moveCenter(area.center());
  move(frame.topLeft());
}

void CSplashWindow::CloseSplash() {
  CSplashWindow* splash = std::exchange(s_current, nullptr);
  if (splash == nullptr) return;
  const QPointer<QWidget> owner = splash->m_owner;
  splash->m_timer->stop();
  // Some window systems give the picture the keyboard when it is shown; hand it back, or the
  // main window would take no key and no shortcut until the person clicks it.
  const bool hadKeyboard = splash->isActiveWindow();
  splash->hide();
  if (hadKeyboard && owner != nullptr && owner->isVisible()) owner->activateWindow();
  // Deleted later: the press that closes it may be on its way to this very window.
  splash->deleteLater();
  if (owner != nullptr) owner->repaint();
}

bool CSplashWindow::FilterSplashInput(QObject*, QEvent* event) {
  if (s_current == nullptr) return s_usedPress.Swallows(event);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Claimed, so that no shortcut fires: the key press that follows closes the splash
      // and is used up with it.
      event->accept();
      return true;
    case QEvent::KeyPress:
      s_usedPress.key = static_cast<QKeyEvent*>(event)->key();
      CloseSplash();
      return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: {
      const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
      s_usedPress.buttons |= button;
      CloseSplash();
      return true;
    }
    default:
      return false;
  }
}

bool CSplashWindow::UsedPress::Swallows(QEvent* event) {
  if (buttons == Qt::NoButton && key == 0) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
      // A new press: the release of the used one went elsewhere.
      buttons &= ~static_cast<QMouseEvent*>(event)->button();
      return false;
    case QEvent::MouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonRelease: {
      // A middle button's release would paste the selection into the field below.
      const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
      if (!(buttons & button)) return false;
      buttons &= ~button;
      return true;
    }
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseMove:
      // Dragging on with the used button would select text.
      return (static_cast<QMouseEvent*>(event)->buttons() & buttons) != 0;
    case QEvent::ContextMenu:
      // The menu a platform may ask for while the used right button is down.
      return (buttons & Qt::RightButton) &&
             static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      // The used key, held down, repeats; its release ends it.
      const auto* keyEvent = static_cast<QKeyEvent*>(event);
      if (key == 0 || keyEvent->key() != key) return false;
      if (event->type() == QEvent::KeyRelease) {
        if (!keyEvent->isAutoRepeat()) key = 0;
        return true;
      }
      if (!keyEvent->isAutoRepeat()) {
        // Pressed anew: its release went elsewhere.
        if (event->type() == QEvent::KeyPress) key = 0;
        return false;
      }
      if (event->type() == QEvent::ShortcutOverride) event->accept();
      return true;
    }
    default:
      return false;
  }
}

void CSplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, m_picture);
}

bool SplashInputFilter::eventFilter(QObject* watched, QEvent* event) {
  return CSplashWindow::FilterSplashInput(watched, event);
}

bool SplashWantedFor(const QStringList& arguments, const QString& platform) {
  if (platform.startsWith(QStringLiteral("wayland"))) return false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QStringView argument(arguments[i]);
    if (argument.startsWith(QStringLiteral("--"))) {
      argument = argument.sliced(2);
    } else if (argument.startsWith(u'-') || argument.startsWith(u'/')) {
      argument = argument.sliced(1);
    } else {
      continue;  // a file name
    }
    if (IsStartSwitch(argument.toString().toStdString())) {
      return false;
    }
  }
  return true;
}

}  // namespace vesmira
