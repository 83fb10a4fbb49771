#include "diary/ui/day_question.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace vesmira {

CDayQuestion::CDayQuestion(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("dayQuestion"));
  setFrameShape(QFrame::StyledPanel);
  m_text = new QLabel(this);
  m_text->setObjectName(QStringLiteral("dayQuestionText"));
  m_text->setWordWrap(true);
  m_text->setTextFormat(Qt::PlainText);
  m_keepMine = new QPushButton(tr("Keep My Typing"), this);
  m_keepMine->setObjectName(QStringLiteral("keepMyTypingButton"));
  m_useDisk = new QPushButton(tr("Use Version on Disk"), this);
  m_useDisk->setObjectName(QStringLiteral("useVersionOnDiskButton"));
  for (QPushButton* button : {m_keepMine, m_useDisk}) {
    // Pressed with the mouse or reached with Tab, never by the Enter of a field.
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
  }
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(m_text, 1);
  layout->addWidget(m_keepMine);
  layout->addWidget(m_useDisk);
  connect(m_keepMine, &QPushButton::clicked, this, &CDayQuestion::keepMyTyping);
  connect(m_useDisk, &QPushButton::clicked, this, &CDayQuestion::useVersionOnDisk);
  // As wide as the form below it, wrapped: the line never widens the window.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  hide();
}

void CDayQuestion::Ask(const QString& text) {
  m_text->setText(text);
  m_keepMine->show();
  m_useDisk->show();
  Announce();
}

void CDayQuestion::Tell(const QString& text) {
  m_text->setText(text);
  m_keepMine->hide();
  m_useDisk->hide();
  Announce();
}

void CDayQuestion::Announce() {
  show();
  // Read out by a screen reader as it appears, though the keyboard stays where it was.
  m_text->setAccessibleName(m_text->text());
  QAccessibleEvent alert(m_text, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void CDayQuestion::Clear() {
  m_text->clear();
  hide();
}

bool CDayQuestion::IsAsking() const {
  return isVisibleTo(parentWidget()) && !m_keepMine->isHidden();
}

QString CDayQuestion::Text() const { return m_text->text(); }

}  // namespace vesmira
