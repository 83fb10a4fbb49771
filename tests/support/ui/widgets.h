#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <string>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace vesmira::testing {

// The child of root called name. Throws when there is none, so that a renamed widget fails
// the test with its name instead of crashing it.
template <typename Widget = QWidget>
Widget* Child(const QObject& root, const char* name) {
  auto* child = root.findChild<Widget*>(QString::fromLatin1(name));
  if (child == nullptr) throw std::logic_error(std::string("no child ") + name);
  return child;
}

// The access keys of window that more than one label, button, group or menu of it holds:
// "c: &Calculate, &Close". Empty when each key is used once.
QStringList SharedAccessKeys(const QWidget& window);

// Replaces what the field holds, key by key.
void Type(QLineEdit* field, const QString& text);
void Click(QAbstractButton* button);
void Click(const QObject& root, const char* button);
// Shows the window and waits until it is on the screen; false when it never came.
bool Shown(QWidget& window);

// Runs work on the modal dialog of type Dialog that open brings up, at once or once the day
// is stored, and closes the dialog when work left it open, so that a command that blocks in
// exec() returns to the test even when work fails. False when no such dialog came up.
template <typename Dialog = QDialog>
bool WithNextModal(const std::function<void()>& open, const std::function<void(Dialog&)>& work) {
  bool found = false;
  QTimer look;  // ends the wait with this call when no dialog came up
  QObject::connect(&look, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || found) return;
    found = true;
    look.stop();
    work(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  look.start();
  open();
  static_cast<void>(QTest::qWaitFor([&found] { return found; }, 1000));
  return found;
}

}  // namespace vesmira::testing
