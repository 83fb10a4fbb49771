#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "diary/day_file.h"
#include "diary/diary_tables.h"
#include "diary/energy_model.h"
#include "diary/ui/form_builder.h"
#include "diary/ui/weight_field.h"
#include "graphs/graph_series.h"
#include "storage/calendar_date.h"
#include "storage/file_error.h"
#include "storage/stored_file.h"

class QFileSystemWatcher;
class QTimer;

namespace vesmira {

class CDayQuestion;
class DaySaver;
class Prompts;
struct ResultColumn;
struct TheoreticalResult;

// The diary form: the window a person keeps the diary in. It owns the current user's name
// and settings, the date of the day shown and the graph series; it loads a day from its file
// and saves it back whenever the person leaves that day or closes the program, and while
// the person types: about a second after typing pauses, and every few seconds while it goes
// on, on a thread of its own. It never writes over a version of the day it did not load or
// store itself: a change made on disk behind its back is shown, or, with typing not stored
// yet, the person chooses which version to keep and the other is kept beside the day.
// With no user the day's fields take no typing, and the note says how to add a user.
//
// The commands of its Calculate, graph, Properties and Homepage buttons are served by the
// window that holds the form: each button emits a signal of the form and stays disabled until
// that window says it serves them (EnableServedButtons).
//
// Alt+Left, Alt+Right and Alt+Home (previousDayAction, nextDayAction, todayAction) show the
// day before, the day after and today.
class CVesmiraView : public QWidget {
  Q_OBJECT

 public:
  using TodayFunction = std::function<CalendarDate()>;

  // Builds the form and runs its start steps: the users folder is created in dataFolder, the
  // user list rebuilt, and the first user's day for today shown.
  CVesmiraView(std::filesystem::path dataFolder, Prompts& prompts, TodayFunction today = LocalToday,
               QWidget* parent = nullptr);
  // Saves the day shown unless FinalSave already did.
  ~CVesmiraView() override;

  CVesmiraView(const CVesmiraView&) = delete;
  CVesmiraView& operator=(const CVesmiraView&) = delete;

  // The window that holds the form serves the command buttons' signals: they take clicks
  // from now on. Until then they stay disabled.
  void EnableServedButtons();
  // Gives Breakfast the keyboard, as the window opens.
  void FocusFirstField();
  // Recomputes the result of the day from the fields and the settings.
  void UpdateBalance();
  // Writes the day shown under the current user and date. A failed write is reported in a
  // file-error box and the form keeps its texts; returns whether the day is stored (true
  // when no day has been loaded yet, as there is nothing to store).
  bool SaveDay();
  // Saves the day shown (once a day has been loaded), then rebuilds the user list from the
  // users folder and shows the first user's day for the date shown; a day that cannot be
  // stored stays shown.
  void LoadUserList();

  // The diary cannot be written (a read-only medium, no permission, a full disk): every day
  // is still shown, calculated, drawn and exported, but the fields take no typing and
  // nothing is stored; why shows over the form.
  void ShowReadOnlyDiary(const QString& why);
  bool IsReadOnlyDiary() const { return !m_readOnlyWhy.isEmpty(); }

  // The save of a closing window. When the day cannot be stored the person is asked whether
  // to close anyway; returns whether the window may close.
  bool FinalSave();

  // How soon typing is stored: after it pauses, and at the latest while it goes on.
  static constexpr int kIdleSaveMs = 1000;
  static constexpr int kLongestUnsavedMs = 4000;
  // Whether the form holds typing that is not stored yet.
  bool HasUnsavedChanges() const { return m_changeCount != m_storedChangeCount; }
  // Whether a save made while typing runs, or its result is not taken in yet.
  bool IsSavingInBackground() const;
  // Runs on the saving thread before each save made while typing: a seam for a slow disk.
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

  UserSettings& Settings() { return m_settings; }
  const UserSettings& Settings() const { return m_settings; }
  GraphSeries& Series() { return m_series; }
  const GraphSeries& Series() const { return m_series; }
  // The folder of the days the form shows and stores.
  const std::filesystem::path& DataFolder() const { return m_dataFolder; }
  // Today's date, from the function the form was built with.
  CalendarDate Today() const { return m_today(); }

  // The user and date of the day last loaded, which the next SaveDay writes. The name is
  // the bytes of the properties file's name, as every path is built from it.
  const std::string& CurrentUserName() const { return m_currentUser; }
  std::string CurrentDateText() const { return DateText(m_currentDate); }
  // The user the list shows (bytes); empty when the list is empty.
  std::string ListedUserName() const;
  // The date the date field shows.
  CalendarDate ShownDate() const;
  // Moves the date field to date, which stores the day left and shows that date's day.
  void ShowDate(const CalendarDate& date);

  // The texts of the day on the form, as they would be stored.
  DayEntries CurrentEntries() const;
  // The meals, minutes and other consumption alone.
  DayEntries CurrentFigureEntries() const;
  QString EnergyInText() const;
  QString TrainingText() const;

 signals:
  // The document's title: emitted with the user name each time the form takes a user.
  void currentUserChanged(const QString& userName);
  // The buttons whose commands the window holding the form serves.
  void calculateRequested();
  void calorieGraphRequested();
  void trainingGraphRequested();
  void weightGraphRequested();
  void propertiesRequested();
  void homepageRequested();
  // A save made while typing has ended, stored or not.
  void backgroundSaveFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ConnectEvents();
  void StartForm();

  // The user shown was removed: its day is stored no more, and the title names no one.
  void ForgetShownDay();
  // Takes the user the list shows as the current user: its settings, then its day.
  void TakeListedUser();
  void LoadProperties();
  // Shows the current user's day for the date shown.
  void LoadDay();

  void OnDateChanged();
  void OnUserActivated(int index);
  void OnSaveAndClose();
  // Chooses the user of the day shown in the list, or nothing when the list no longer holds it.
  void ShowCurrentUserInList();

  void ShowDayEntries(const DayEntries& entries);
  // Shows the unit of the settings beside the weight and in the measured change's caption;
  // a weight on the form is shown again in a unit that changed.
  void ShowWeightUnit();
  void ShowResultColumn(std::size_t period, const ResultColumn& column);
  // Whether a day was loaded that may be stored: not one whose file could not be read.
  bool HasDayToStore() const;
  // The day's fields take no typing: the day or the whole diary cannot be written.
  void SetFieldsReadOnly(bool readOnly);
  // The nineteen fields a person types figures into.
  std::vector<QLineEdit*> InputFields() const;
  std::filesystem::path ShownDayPath() const;
  std::string ShownDayBytes() const;

  // Saving while typing, and what comes back from it.
  void OnDayEdited();
  void OnBackgroundSaveDone(const std::string& path, std::uint64_t changeCount,
                            const std::string& bytes, const StoreResult& result);
  void StopSaveTimers();
  // Stores the day shown now, after the save in the background; a change on disk is
  // resolved first. Returns the cause when the day is not stored.
  [[nodiscard]] std::optional<FileError> StoreShownDay();
  // The day shown was changed on disk: shown, or with unsaved typing, the person chooses.
  // Returns the cause when the version on disk cannot be read or the other version cannot
  // be kept; the form then keeps what it holds, and the day is not stored over it.
  [[nodiscard]] std::optional<FileError> ResolveChangeOnDisk();
  // The day's file as it now stands; no entries when there is none.
  struct DiskDay {
    FileIdentity identity;
    std::optional<std::string> bytes;
    std::optional<DayEntries> entries;
    std::optional<FileError> error;  // when it is there but cannot be read
  };
  DiskDay ReadShownDayFromDisk() const;
  void ShowDayAsStored(const DiskDay& day);
  void ReloadChangedProperties();
  // "The diary of Anna for 6 December 2026", as the line over the form names the day shown.
  QString ShownDayWords() const;
  void TellOtherVersionKept(const std::filesystem::path& copy);
  // The person's answer to the question of a day changed on disk while typing.
  void OnKeepMyTyping();
  void OnUseVersionOnDisk();
  void WatchFiles();
  // No user: the day takes no typing, and the note says how to add one.
  void SetDayEditable(bool editable);
  void ReportFileError(const FileError& error);

  std::filesystem::path m_dataFolder;
  Prompts& m_prompts;
  TodayFunction m_today;

  UserSettings m_settings;
  GraphSeries m_series;
  std::string m_currentUser;
  CalendarDate m_currentDate;
  bool m_dayLoaded = false;
  bool m_finalSaveDone = false;
  QString m_readOnlyWhy;
  // The note as stored, while it is too long to be edited on the form.
  std::optional<std::string> m_noteAsStored;
  // The cause, while the day shown is one whose file cannot be read.
  std::optional<FileError> m_unreadableDay;

  DaySaver* m_saver = nullptr;
  QTimer* m_idleSaveTimer = nullptr;
  QTimer* m_longestSaveTimer = nullptr;
  QTimer* m_diskCheckTimer = nullptr;
  QFileSystemWatcher* m_watcher = nullptr;
  FileIdentity m_dayIdentity;         // the day file as loaded or last stored
  std::string m_dayBytes;             // and its bytes, empty for a day without a file
  FileIdentity m_propertiesIdentity;  // the current user's file as last read
  std::uint64_t m_changeCount = 0;    // changes of the day shown by the person
  std::uint64_t m_storedChangeCount = 0;
  bool m_showingDay = false;  // fields set by loading are no change of the person's
  bool m_saveAgain = false;   // a save came due while one ran
  bool m_saveFailureReported = false;
  bool m_resolving = false;  // the person is being asked which version to keep
  bool m_closing = false;    // nothing is asked any more
  bool m_storing = false;    // a store waits for the save in flight, and writes after it

  DiaryFormWidgets m_form;
  CWeightField* m_weightField = nullptr;
  CDayQuestion* m_question = nullptr;
  // While the question of a day changed on disk waits: the copy beside the day that holds
  // the typing meanwhile.
  struct PendingChoice {
    std::filesystem::path copy;
    FileIdentity copyIdentity;
  };
  std::optional<PendingChoice> m_pending;
};

}  // namespace vesmira
