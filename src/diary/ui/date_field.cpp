#include "diary/ui/date_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include "ui/language.h"

QDate CDateField::DateFromTyped(const QString& typed) {
  const QString text = typed.simplified();
  // Day first, as the field shows it; then the ISO order; the month by number or by name.
  static const char* const kFormats[] = {
      "d-M-yyyy",   "d.M.yyyy",   "d/M/yyyy",    "d M yyyy",    "yyyy-M-d",    "d-MMM-yyyy",
      "d MMM yyyy", "d.MMM.yyyy", "d. MMM yyyy", "d-MMMM-yyyy", "d MMMM yyyy", "d. MMMM yyyy"};
  // Month names in the desktop's language, and in English as the field always took them.
  for (const QLocale& locale :
       {vesmira::LanguageLocale(), QLocale(QLocale::English, QLocale::UnitedStates)}) {
    for (const char* format : kFormats) {
      const QDate date = locale.toDate(text, QString::fromLatin1(format));
      if (date.isValid()) return date;
    }
  }
  return {};
}

void CDateField::focusInEvent(QFocusEvent* event) {
  QDateEdit::focusInEvent(event);
  if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
    setSelectedSection(QDateTimeEdit::DaySection);
  }
}

void CDateField::focusOutEvent(QFocusEvent* event) {
  if (m_typing) FinishTyping();
  QDateEdit::focusOutEvent(event);
}

void CDateField::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                         (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
  if (!m_typing) {
    // Typing over the whole text starts a date of its own; within a part, the field's own
    // keys go on as they always did.
    const bool whole = lineEdit()->hasSelectedText() &&
                       lineEdit()->selectedText().size() == lineEdit()->text().size();
    if (!whole || !printable || !text.at(0).isDigit()) {
      QDateEdit::keyPressEvent(event);
      return;
    }
    m_typing = true;
    m_typed.clear();
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      FinishTyping();
      return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      FinishTyping();
      QDateEdit::keyPressEvent(event);
      return;
    case Qt::Key_Escape:
      m_typing = false;
      setDate(date());
      lineEdit()->setText(textFromDateTime(dateTime()));
      return;
    case Qt::Key_Backspace:
      m_typed.chop(1);
      break;
    default:
      if (!printable) return;
      m_typed += text;
  }
  lineEdit()->setText(m_typed);
}

void CDateField::FinishTyping() {
  m_typing = false;
  const QDate typed = DateFromTyped(m_typed);
  // The text shown goes back to the field's own form, of the new date or of the old one.
  if (typed.isValid() && typed >= minimumDate() && typed <= maximumDate()) setDate(typed);
  lineEdit()->setText(textFromDateTime(QDateTime(date(), QTime())));
}
