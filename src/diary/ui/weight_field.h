#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace vesmira {

// The day's weighing on the form: typed and shown in the user's unit with the decimal
// separator of the person's locale (a point or a comma is taken), kept in kilograms. A text
// that is no plausible weighing is refused with a message beside the field, and the
// weighing kept is the one the field held before this typing began (typing "1200" passes
// through "120", which is no weighing of the person's either): only an emptied field
// removes it.
class CWeightField : public QObject {
  Q_OBJECT

 public:
  CWeightField(QLineEdit* edit, QLabel* unitLabel, QLabel* messageLabel, QObject* owner);

  // unread: a stored value that is no weighing, kept and named until a weight is typed.
  void Show(std::optional<double> kilograms, bool kilogramsShown, std::string unread = {});
  // The same weighing shown in another unit.
  void ShowInUnit(bool kilogramsShown);
  std::optional<double> Kept() const { return m_kept; }
  const std::string& KeptUnread() const { return m_unread; }
  bool ShownInKilograms() const { return m_kilogramsShown; }

 private:
  void OnTextChanged();
  void ShowMessage(bool refused);

  QLineEdit* m_edit;
  QLabel* m_unitLabel;
  QLabel* m_messageLabel;
  bool m_kilogramsShown = true;
  // The weighing kept and the text it was last shown or typed as: a weight shown and not
  // typed over keeps its every decimal.
  std::optional<double> m_kept;
  QString m_keptText;
  // What the field held when it was shown or its typing was last finished.
  std::optional<double> m_beforeTyping;
  std::string m_unread;
};

}  // namespace vesmira
