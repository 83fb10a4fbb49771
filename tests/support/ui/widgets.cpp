#include "support/ui/widgets.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QTest>

#include "ui/access_keys.h"

namespace vesmira::testing {

QStringList SharedAccessKeys(const QWidget& window) {
  QMap<QChar, QStringList> owners;
  const auto add = [&owners](const QString& text) {
    if (const QChar key = AccessKeyOf(text); !key.isNull()) owners[key].append(text);
  };
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    add(button->text());
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) add(label->text());
  for (const QGroupBox* group : window.findChildren<QGroupBox*>()) add(group->title());
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    for (const QAction* menu : bar->actions()) add(menu->text());
  }
  QStringList shared;
  for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
    if (it.value().size() > 1)
      shared.append(QString(it.key()) + QStringLiteral(": ") +
                    it.value().join(QStringLiteral(", ")));
  }
  return shared;
}

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
