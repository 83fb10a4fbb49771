#pragma once

#include <QAction>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <optional>
#include <type_traits>

#include "app/main_frame.h"
#include "diary/ui/vesmira_view.h"
#include "storage/calendar_date.h"
#include "support/diary_folder.h"
#include "support/ui/scripted_prompts.h"
#include "support/ui/widgets.h"

namespace vesmira::testing {

// The today of most window tests.
inline constexpr CalendarDate kSixthOfDecember{2026, 12, 6};

// The main window (or the diary form alone) over a data folder of its own, on a fixed today,
// with every box answered by a script: add the users and days to the folder, then Start.
template <typename Window>
class FormFixture {
 public:
  DiaryFolder folder;
  ScriptedPrompts prompts;
  RecordingUrlOpener opener;

  void Start(CalendarDate today = kSixthOfDecember) {
    const auto fixedToday = [today] { return today; };
    if constexpr (std::is_same_v<Window, CVesmiraView>) {
      m_window = std::make_unique<Window>(folder.Path(), prompts, fixedToday);
    } else {
      m_window = std::make_unique<Window>(folder.Path(), prompts, opener, fixedToday);
    }
  }
  // Destroys the window, as the end of the program does.
  void Stop() { m_window.reset(); }
  // Shows the window and waits until it is on the screen.
  bool Show() { return Shown(*m_window); }

  Window& Frame() { return *m_window; }
  CVesmiraView& View() {
    if constexpr (std::is_same_v<Window, CVesmiraView>) {
      return *m_window;
    } else {
      return m_window->View();
    }
  }

  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    return Child<Widget>(*m_window, name);
  }
  QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
  QString Text(const char* field) const { return Field(field)->text(); }
  void Type(const char* field, const QString& text) { testing::Type(Field(field), text); }
  // A click or a menu command, and what it then waits for: the day stored, the command run.
  void Click(const char* button) {
    testing::Click(*m_window, button);
    static_cast<void>(Settle());
  }
  void Trigger(const char* action) {
    Find<QAction>(action)->trigger();
    static_cast<void>(Settle());
  }
  // Stores the day shown as a command does before it runs, and waits for the store to end;
  // false when the day was not stored.
  bool StoreDay() {
    auto result = std::make_shared<std::optional<bool>>();
    View().Document().StoreThen(
        [result](const std::optional<FileError>& error) { *result = !error; });
    static_cast<void>(QTest::qWaitFor([&result] { return result->has_value(); }, 10000));
    return result->value_or(false);
  }
  // Waits until the day's writes have ended and what waited for them has run.
  bool Settle() {
    return QTest::qWaitFor(
        [this] {
          QCoreApplication::processEvents();
          return !View().IsSavingInBackground();
        },
        10000);
  }
  // Moves the form's date field, which stores the day left and loads the one shown.
  void ShowDate(CalendarDate date) {
    Find<QDateEdit>("dateEdit")->setDate(QDate(date.year, date.month, date.day));
    static_cast<void>(Settle());
  }

 private:
  std::unique_ptr<Window> m_window;
};

using FrameFixture = FormFixture<CMainFrame>;
using ViewFixture = FormFixture<CVesmiraView>;

}  // namespace vesmira::testing
