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

}  // namespace vesmira::testing
