#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "app/main_frame.h"
#include "diary/calendar_date.h"
#include "support/ui/diary_folder.h"
#include "support/ui/scripted_prompts.h"

class QLineEdit;

namespace vesmira::testing {

// The main window over a data folder of its own, on a fixed today, with every box answered
// by a script: add the users and days to the folder, then Start.
class ResultFrame {
 public:
  DiaryFolder folder;
  ScriptedPrompts prompts;
  RecordingUrlOpener opener;

  void Start(CalendarDate today);
  CMainFrame& Frame() { return *m_frame; }
  CVesmiraView& View() { return m_frame->View(); }

  QLineEdit* Field(const char* name) const;
  QString Text(const char* field) const;
  // Replaces what the field holds, key by key.
  void Type(const char* field, const QString& text);
  void Click(const char* button);
  void Trigger(const char* action);
  // Moves the form's date field, which stores the day left and loads the one shown.
  void ShowDate(CalendarDate date);

 private:
  std::unique_ptr<CMainFrame> m_frame;
};

// Runs inspect on the modal window a command is about to open, then closes it, so that a
// command that blocks in exec() returns to the test. inspect sees nullptr when no modal
// window came up.
void InspectNextModal(std::function<void(QWidget*)> inspect);

}  // namespace vesmira::testing
