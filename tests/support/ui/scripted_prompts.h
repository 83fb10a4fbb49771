#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include "ui/prompts.h"
#include "ui/url_opener.h"

namespace vesmira::testing {

// Answers message boxes and save dialogs from a script and records what was asked.
class ScriptedPrompts final : public Prompts {
 public:
  struct Message {
    QString text;
    Icon icon;
    Buttons buttons;
  };

  QList<Message> messages;
  QList<SaveRequest> saveRequests;
  QList<Answer> nextAnswers;          // taken front first; kOk / kNo when empty
  QList<SaveAnswer> nextSaveAnswers;  // taken front first; cancelled when empty
  struct Choice {
    QString text;
    QStringList buttons;
  };
  QList<Choice> choices;
  QList<int> nextChoices;  // taken front first; the first button when empty

  Answer ShowMessage(QWidget* parent, const QString& text, Icon icon, Buttons buttons) override;
  SaveAnswer AskSaveFileName(QWidget* parent, const SaveRequest& request) override;
  int AskChoice(QWidget* parent, const QString& text, Icon icon,
                const QStringList& buttons) override;
  QList<QStringList> nextOpenAnswers;  // taken front first; cancelled when empty
  QStringList AskOpenFileNames(QWidget*, const QString&, const QStringList&) override {
    return nextOpenAnswers.isEmpty() ? QStringList() : nextOpenAnswers.takeFirst();
  }
};

class RecordingUrlOpener final : public UrlOpener {
 public:
  QList<QUrl> opened;
  void Open(const QUrl& url) override { opened.append(url); }
};

}  // namespace vesmira::testing
