#include "support/ui/widgets.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace vesmira::testing {

void Type(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClicks(field, text);
}

void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void Click(const QObject& root, const char* button) { Click(Child<QAbstractButton>(root, button)); }

bool Shown(QWidget& window) {
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

}  // namespace vesmira::testing
