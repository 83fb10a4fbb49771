#include "diary/ui/weight_field.h"

#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "diary/weighing.h"
#include "ui/language.h"
#include "ui/stored_text.h"

namespace vesmira {

CWeightField::CWeightField(QLineEdit* edit, QLabel* unitLabel, QLabel* messageLabel, QObject* owner)
    : QObject(owner), m_edit(edit), m_unitLabel(unitLabel), m_messageLabel(messageLabel) {
  m_messageLabel->hide();
  connect(m_edit, &QLineEdit::textChanged, this, &CWeightField::OnTextChanged);
  connect(m_edit, &QLineEdit::editingFinished, this, [this] { m_beforeTyping = m_kept; });
}

void CWeightField::Show(std::optional<double> kilograms, bool kilogramsShown, std::string unread) {
  m_kilogramsShown = kilogramsShown;
  m_unread = std::move(unread);
  m_unitLabel->setText(Shown("Weighing", WeightUnitName(kilogramsShown)));
  m_kept = kilograms;
  m_beforeTyping = kilograms;
  m_keptText.clear();
  if (kilograms) {
    // Stored with a point; shown as the person writes numbers.
    m_keptText = LocalNumbers(FromStoredBytes(FormatWeighing(*kilograms, kilogramsShown)));
  }
  m_edit->setText(m_keptText);
  // A stored weighing from another program may be no weight a person has: it is kept as it
  // is until typed over, and the field says so.
  ShowMessage(kilograms && !IsPlausibleWeighing(*kilograms));
}

void CWeightField::ShowInUnit(bool kilogramsShown) {
  if (kilogramsShown == m_kilogramsShown) return;
  Show(m_kept, kilogramsShown, m_unread);
}

void CWeightField::OnTextChanged() {
  const QString text = m_edit->text();
  if (text.trimmed().isEmpty()) {
    m_kept.reset();
    m_keptText = text;
    ShowMessage(false);
    return;
  }
  if (text == m_keptText) return;
  const std::optional<double> typed = WeighingFromTyped(ToStoredBytes(text), m_kilogramsShown);
  const bool plausible = typed && IsPlausibleWeighing(*typed);
  m_kept = plausible ? typed : m_beforeTyping;
  m_keptText = plausible ? text : QString();
  ShowMessage(!plausible);
}

void CWeightField::ShowMessage(bool refused) {
  QString message;
  if (refused) {
    message = FromStoredBytes(ImplausibleWeighingMessage(m_kilogramsShown, ShownLanguage()));
  } else if (!m_kept && !m_unread.empty()) {
    message = FromStoredBytes(UnreadWeighingMessage(m_unread, ShownLanguage()));
  }
  m_messageLabel->setText(message);
  m_messageLabel->setVisible(!message.isEmpty());
  m_edit->setAccessibleDescription(message);
}

}  // namespace vesmira
