#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "diary/day_file.h"
#include "diary/diary_tables.h"
#include "diary/energy_model.h"
#include "diary/ui/day_keeper.h"
#include "diary/ui/form_builder.h"
#include "diary/ui/vesmira_doc.h"
#include "diary/ui/weight_field.h"
#include "storage/calendar_date.h"
#include "storage/file_error.h"
#include "storage/stored_file.h"

namespace vesmira {

class CDayQuestion;
class Prompts;
struct ResultColumn;
struct TheoreticalResult;

// The diary form: the window a person keeps the diary in. It shows the document's day (its
// user, date and settings) and takes the person's typing, which its keeper stores: about a
// second after typing pauses, every few seconds while it goes on, and before the day is
// left; a change made on disk behind its back is shown, or asked about over the form. With
// no user the day's fields take no typing, and the note says how to add a user.
//
// The commands of its Calculate, graph, Properties and Homepage buttons are served by the
// window that holds the form: each button emits a signal of the form and stays disabled until
// that window says it serves them (EnableServedButtons).
//
// Alt+Left, Alt+Right and Alt+Home (previousDayAction, nextDayAction, todayAction) show the
// day before, the day after and today.
class CVesmiraView : public QWidget, private KeptDayForm {
  Q_OBJECT

 public:
  using TodayFunction = CVesmiraDoc::TodayFunction;

  // Builds the form on doc and runs its start steps: the users folder is created in the data
  // folder, the user list rebuilt, and the first user's day for today shown.
  CVesmiraView(CVesmiraDoc& doc, Prompts& prompts, QWidget* parent = nullptr);
  // The form alone, on a document of its own.
  CVesmiraView(std::filesystem::path dataFolder, Prompts& prompts, TodayFunction today = LocalToday,
               QWidget* parent = nullptr);
  // Stores the day shown unless FinalSave already did.
  ~CVesmiraView() override;

  CVesmiraView(const CVesmiraView&) = delete;
  CVesmiraView& operator=(const CVesmiraView&) = delete;

  CVesmiraDoc& Document() { return m_doc; }
  const CVesmiraDoc& Document() const { return m_doc; }

  // The window that holds the form serves the command buttons' signals: they take clicks
  // from now on. Until then they stay disabled.
  void EnableServedButtons();
  // Gives Breakfast the keyboard, as the window opens.
  void FocusFirstField();
  // Stores the day shown now (File > Save Day), while the window goes on; a failure shows over
  // the form.
  void SaveDay();
  // Stores the day shown here and now, after the write in flight (the session ends).
  void StoreNow();
  // Rebuilds the user list from the users folder once the day shown is stored, and shows the
  // first user's day for the date shown; a day that cannot be stored stays shown. Nothing is
  // stored of a user just removed.
  void LoadUserList();

  // The diary cannot be written (a read-only medium, no permission, a full disk): every day
  // is still shown, calculated, drawn and exported, but the fields take no typing and
  // nothing is stored; why shows over the form.
  void ShowReadOnlyDiary(const QString& why);
  bool IsReadOnlyDiary() const { return !m_readOnlyWhy.isEmpty(); }

  // The save of a closing window. When the day cannot be stored the person is asked whether
  // to close anyway; returns whether the window may close.
  bool FinalSave();

  // Whether the form holds typing that is not stored yet.
  bool HasUnsavedChanges() const;
  // Whether a write of the day runs, its result is not taken in yet, or a command or a change
  // of day waits for it.
  bool IsSavingInBackground() const;
  // Runs on the saving thread before each write: a seam for a slow disk.
  void SetBeforeBackgroundWrite(std::function<void()> hook);
  // Stores what was typed now, as the pause after typing would (tests and benchmarks).
  void SaveTypingNow();
  // Looks at the files of the day shown and of the current user now, as a change on disk
  // reported by the file system does.
  void CheckFilesOnDisk();

  // Fills the twelve "Theoretical Result" fields and the four weight colours, and the six
  // measured fields of the week, the month and the year.
  void ShowTheoreticalResult(const TheoreticalResult& result);
  // Empties the twelve fields and the six measured ones; their background colours stay.
  void ClearTheoreticalResult();

  // The date the date field shows.
  CalendarDate ShownDate() const;
  // Moves the date field to date, which stores the day left and shows that date's day.
  void ShowDate(const CalendarDate& date);
  // The texts of the day on the form, as they would be stored.
  DayEntries CurrentEntries() const;

 signals:
  // The buttons whose commands the window holding the form serves.
  void calculateRequested();
  void calorieGraphRequested();
  void trainingGraphRequested();
  void weightGraphRequested();
  void propertiesRequested();
  void homepageRequested();
  // A write of the day has ended, stored or not.
  void backgroundSaveFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ConnectEvents();
  void ConnectDocument();
  void StartForm();

  // What the keeper asks of the form.
  std::string TypedDayBytes() const override;
  void ShowStoredDay(const DayEntries& entries) override;
  void SetDayReadOnly(bool readOnly) override;

  // Recomputes the result of the day from the fields and the settings.
  void UpdateBalance();
  // Takes the user the list shows as the current user: its settings, then its day.
  void TakeListedUser();
  void LoadProperties();
  // Shows the current user's day for the date the field shows.
  void LoadDay();
  void ShowUserList(const std::vector<std::string>& names);
  // The user the list shows (bytes); empty when the list is empty.
  std::string ListedUserName() const;

  void OnDateChanged();
  void OnUserActivated(int index);
  void OnSaveAndClose();
  // Chooses the user of the day shown in the list, or nothing when the list no longer holds it.
  void ShowCurrentUserInList();

  // Shows the unit of the settings in the weight change's and the measured change's captions
  // and beside the weight; a weight on the form is shown again in a unit that changed. Not at
  // every key: only a change of the settings changes them.
  void ShowSettingsCaptions();
  void ShowResultColumn(std::size_t period, const ResultColumn& column);
  // The nineteen fields a person types figures into.
  std::vector<QLineEdit*> InputFields() const;
  // The meals, minutes and other consumption alone.
  DayEntries CurrentFigureEntries() const;
  // No user: the day takes no typing, and the note says how to add one.
  void SetDayEditable(bool editable);
  void ReportFileError(const FileError& error);

  std::unique_ptr<CVesmiraDoc> m_ownDoc;  // the form alone has a document of its own
  CVesmiraDoc& m_doc;
  Prompts& m_prompts;
  bool m_finalSaveDone = false;
  bool m_showingDay = false;  // fields set by loading are no change of the person's
  QString m_readOnlyWhy;
  // The note as stored, while it is too long to be edited on the form.
  std::optional<std::string> m_noteAsStored;

  DiaryFormWidgets m_form;
  CWeightField* m_weightField = nullptr;
  CDayQuestion* m_question = nullptr;
  CDayKeeper* m_keeper = nullptr;
};

}  // namespace vesmira
