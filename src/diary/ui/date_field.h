#pragma once

#include <QDateEdit>
#include <QString>

// The form's date field. Reached by Tab or Shift+Tab it starts on the day, so that an arrow
// moves a day and not, from the year where Shift+Tab would land, a whole year. With all its
// text selected, a date typed whole ("8-12-2026", "08.12.2026", "2026-12-08", "8 Dec 2026")
// is taken as typed when Enter, Tab or a click elsewhere ends it; a text that is no date
// leaves the date as it was.
class CDateField final : public QDateEdit {
 public:
  using QDateEdit::QDateEdit;

  // The date a whole typed text names; an invalid date when it names none.
  static QDate DateFromTyped(const QString& typed);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void FinishTyping();

  bool m_typing = false;
  QString m_typed;
};
