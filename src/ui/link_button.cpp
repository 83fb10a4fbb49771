#include "ui/link_button.h"

#include <QPushButton>
#include <QToolButton>

namespace vesmira {

void ShowAsLink(QPushButton* button) {
  button->setFlat(true);
  button->setCursor(Qt::PointingHandCursor);
  button->setStyleSheet(QStringLiteral(
      "QPushButton { border: 1px solid transparent; border-radius: 3px; padding: 3px 6px;"
      " background: transparent; color: palette(link); text-decoration: underline; }"
      " QPushButton:hover { border-color: palette(mid); }"
      " QPushButton:focus { border-color: palette(highlight); }"
      " QPushButton:pressed { background: palette(midlight); }"));
}

void ShowHoverAndFocus(QToolButton* button) {
  button->setAutoRaise(true);
  button->setCursor(Qt::PointingHandCursor);
  button->setStyleSheet(QStringLiteral(
      "QToolButton { border: 2px solid transparent; border-radius: 4px; background: transparent; }"
      " QToolButton:hover { border-color: palette(mid); }"
      " QToolButton:focus { border-color: palette(highlight); }"
      " QToolButton:pressed { background: palette(midlight); }"));
}

}  // namespace vesmira
