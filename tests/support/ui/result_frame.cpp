#include "support/ui/result_frame.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

namespace vesmira::testing {

void ResultFrame::Start(CalendarDate today) {
  m_frame = std::make_unique<CMainFrame>(folder.Path(), prompts, opener, [today] { return today; });
}

QLineEdit* ResultFrame::Field(const char* name) const {
  auto* field = m_frame->findChild<QLineEdit*>(QString::fromLatin1(name));
  if (!field) throw std::logic_error(std::string("no field ") + name);
  return field;
}

QString ResultFrame::Text(const char* field) const { return Field(field)->text(); }

void ResultFrame::Type(const char* field, const QString& text) {
  QLineEdit* edit = Field(field);
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void ResultFrame::Click(const char* name) {
  auto* button = m_frame->findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (!button) throw std::logic_error(std::string("no button ") + name);
  QTest::mouseClick(button, Qt::LeftButton);
}

void ResultFrame::Trigger(const char* name) {
  auto* action = m_frame->findChild<QAction*>(QString::fromLatin1(name));
  if (!action) throw std::logic_error(std::string("no action ") + name);
  action->trigger();
}

void ResultFrame::ShowDate(CalendarDate date) {
  m_frame->findChild<QDateEdit*>(QStringLiteral("dateEdit"))
      ->setDate(QDate(date.year, date.month, date.day));
}

void InspectNextModal(std::function<void(QWidget*)> inspect) {
  QTimer::singleShot(0, qApp, [inspect = std::move(inspect)] {
    QWidget* modal = QApplication::activeModalWidget();
    inspect(modal);
    if (modal) modal->close();
  });
}

}  // namespace vesmira::testing
