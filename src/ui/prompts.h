#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vesmira {

// Every message box and save dialog of the program goes through this seam, so tests answer
// them without a modal box ever blocking.
class Prompts {
 public:
  enum class Icon { kNone, kExclamation, kWarning, kQuestion, kStop };
  enum class Buttons { kOk, kYesNo };
  enum class Answer { kOk, kYes, kNo };

  struct SaveRequest {
    QString initialName;    // "Diet.html"
    QString defaultSuffix;  // "html", added when the person types none
    QStringList filters;    // Qt filter syntax, the first one selected
  };
  struct SaveAnswer {
    enum class Outcome { kChosen, kCancelled, kFailed };
    Outcome outcome = Outcome::kCancelled;
    QString path;  // absolute, when chosen
  };

  virtual ~Prompts() = default;

  // Captioned with the application's name, "Vesmira".
  virtual Answer ShowMessage(QWidget* parent, const QString& text, Icon icon,
                             Buttons buttons = Buttons::kOk) = 0;
  // A save dialog that asks before it replaces an existing file.
  virtual SaveAnswer AskSaveFileName(QWidget* parent, const SaveRequest& request) = 0;
  // A question answered by one of the named buttons; returns its index. The first button is
  // the default, and Escape or closing the box answers it too.
  virtual int AskChoice(QWidget* parent, const QString& text, Icon icon,
                        const QStringList& buttons) = 0;
  // An open dialog that takes one or more existing files; none when cancelled.
  virtual QStringList AskOpenFileNames(QWidget* parent, const QString& caption,
                                       const QStringList& filters) = 0;
};

// The real boxes: QMessageBox and QFileDialog. The first save dialog of a run opens in the
// person's documents folder, every later one in the folder last chosen.
class QtPrompts final : public Prompts {
 public:
  Answer ShowMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
  SaveAnswer AskSaveFileName(QWidget* parent, const SaveRequest& request) override;
  int AskChoice(QWidget* parent, const QString& text, Icon icon,
                const QStringList& buttons) override;
  QStringList AskOpenFileNames(QWidget* parent, const QString& caption,
                               const QStringList& filters) override;

 private:
  QString m_lastSaveFolder;
};

inline QString ApplicationCaption() { return QStringLiteral("Vesmira"); }

}  // namespace vesmira
