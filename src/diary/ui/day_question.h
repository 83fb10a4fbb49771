#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;

namespace vesmira {

// A line over the form that tells the person of the day's troubles and asks what to do,
// without taking the keyboard: typing goes on where it was, and a key typed into a field
// never answers it. A question waits until one of its buttons is pressed; a message stays
// until it is cleared (a save that keeps failing shows until one succeeds).
class CDayQuestion : public QFrame {
  Q_OBJECT

 public:
  explicit CDayQuestion(QWidget* parent);

  // The question of a day changed on disk while the person typed.
  void Ask(const QString& text);
  void Tell(const QString& text);
  void Clear();
  bool IsAsking() const;
  QString Text() const;

 signals:
  void keepMyTyping();
  void useVersionOnDisk();

 private:
  void Announce();

  QLabel* m_text;
  QPushButton* m_keepMine;
  QPushButton* m_useDisk;
};

}  // namespace vesmira
