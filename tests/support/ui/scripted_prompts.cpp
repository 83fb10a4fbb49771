#include "support/ui/scripted_prompts.h"

namespace vesmira::testing {

Prompts::Answer ScriptedPrompts::ShowMessage(QWidget*, const QString& text, Icon icon,
                                             Buttons buttons) {
  messages.append({text, icon, buttons});
  if (!nextAnswers.isEmpty()) return nextAnswers.takeFirst();
  return buttons == Buttons::kYesNo ? Answer::kNo : Answer::kOk;
}

Prompts::SaveAnswer ScriptedPrompts::AskSaveFileName(QWidget*, const SaveRequest& request) {
  saveRequests.append(request);
  if (!nextSaveAnswers.isEmpty()) return nextSaveAnswers.takeFirst();
  return {};
}

int ScriptedPrompts::AskChoice(QWidget*, const QString& text, Icon, const QStringList& buttons) {
  choices.append({text, buttons});
  return nextChoices.isEmpty() ? 0 : nextChoices.takeFirst();
}

}  // namespace vesmira::testing
