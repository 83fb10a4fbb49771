#pragma once

#include <QEvent>
#include <QLineEdit>
#include <QObject>
#include <QPalette>

namespace vesmira {

// A result only shows: read-only, yet reached by Tab and read out with its value by a screen
// reader, which skips a disabled field. It keeps the grey of a field that takes no typing,
// taken from the desktop's theme again whenever the theme changes.
class ResultLook final : public QObject {
 public:
  using QObject::QObject;

  void Apply(QLineEdit* field) {
    field->setReadOnly(true);
    Paint(field);
    field->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PaletteChange) Paint(static_cast<QLineEdit*>(watched));
    return false;
  }

 private:
  static void Paint(QLineEdit* field) {
    QPalette palette = field->palette();
    const QColor grey = palette.color(QPalette::Disabled, QPalette::Base);
    if (palette.color(QPalette::Active, QPalette::Base) == grey &&
        palette.color(QPalette::Inactive, QPalette::Base) == grey) {
      return;
    }
    palette.setColor(QPalette::Active, QPalette::Base, grey);
    palette.setColor(QPalette::Inactive, QPalette::Base, grey);
    field->setPalette(palette);
  }
};

}  // namespace vesmira
