#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "ui/language.h"

class QEvent;
class QTimer;

namespace vesmira {

// The title picture shown while the program starts, kept above the main window. At most one
// exists; it closes after kShowMilliseconds or at the first key or mouse button press
// anywhere in the program, and that press, release included, does nothing else.
class CSplashWindow final : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShowMilliseconds = 1900;

  static QString DefaultPicture() { return LocalPicture(QStringLiteral(":/splash.bmp")); }

  // Set once at start-up from the command line (SplashWantedFor).
  static void EnableSplash(bool enable);
  // Called by the main frame just after it is made. Does nothing when the splash is not
  // enabled, one is open already or the picture cannot be loaded.
  static void OpenSplash(QWidget* parent, const QString& picture = DefaultPicture());
  // Offered every event of the program before its receiver sees it; true means used up.
  static bool FilterSplashInput(QObject* watched, QEvent* event);
  // Closes the splash and repaints its owner, the main window, at once.
  static void CloseSplash();
  // The open splash, or none.
  static CSplashWindow* Current();

  ~CSplashWindow() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CSplashWindow(QWidget* parent, const QImage& picture);
  void MoveToCentre();

  // What is left of the press that closed the splash: the button's release, the moves it
  // drags, the right button's context menu, the key's repeats and release. They are used up
  // too, or a middle click would paste and a right click open a menu below the picture.
  struct UsedPress {
    Qt::MouseButtons buttons;
    int key = 0;
    bool Swallows(QEvent* event);
  };

  // Shown from the resource itself where it can be (MappedPicture): no copy at every start.
  QImage m_picture;
  QPointer<QWidget> m_owner;
  QTimer* m_timer;

  static inline bool s_enabled = false;
  static inline CSplashWindow* s_current = nullptr;
  static UsedPress s_usedPress;
};

inline CSplashWindow::UsedPress CSplashWindow::s_usedPress{};

// The application-wide event filter that hands every event to FilterSplashInput; the
// application installs one on itself.
class SplashInputFilter final : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// False when the command line (program name first) carries the switch "Embedding" or
// "Automation", written -Embedding, --Embedding or /Embedding, in any case. Every other
// argument, a file name included, is left alone.
// Nor on Wayland (platform "wayland" or "wayland-egl"), where a program cannot keep one of
// its windows above another: the picture would stand behind the main window and take the
// first key typed into it.
bool SplashWantedFor(const QStringList& arguments, const QString& platform = QString());

}  // namespace vesmira
