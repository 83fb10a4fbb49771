#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "diary/day_file.h"
#include "diary/diary_tables.h"
#include "diary/energy_model.h"
#include "diary/ui/form_builder.h"
#include "graphs/graph_series.h"
#include "storage/calendar_date.h"
#include "storage/file_error.h"

namespace vesmira {

class Prompts;
struct ResultColumn;
struct TheoreticalResult;

// The diary form: the window a person keeps the diary in. It owns the current user's name
// and settings, the date of the day shown and the graph series; it loads a day from its file
// and saves it back whenever the person leaves that day or closes the program.
//
// The commands of its Calculate, graph, Properties and Homepage buttons are served by the
// window that holds the form: each button emits a signal of the form and stays disabled until
// that signal is connected.
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

  // The save of a closing window. When the day cannot be stored the person is asked whether
  // to close anyway; returns whether the window may close.
  bool FinalSave();

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

  // The texts of the day on the form, as they would be stored.
  DayEntries CurrentEntries() const;
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

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Enables a button once its signal is served.
  void connectNotify(const QMetaMethod& signal) override;

 private:
  void ConnectEvents();
  void StartForm();

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
  // Shows a weighing in the unit the weight field is in.
  void ShowWeighing(std::optional<double> kilograms);
  // The weighing the weight field holds, in kilograms.
  std::optional<double> ShownWeighing() const;
  void ShowResultColumn(std::size_t period, const ResultColumn& column);
  [[nodiscard]] std::optional<FileError> WriteShownDay() const;
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
  // The unit the weight field's text is in, and the weighing last shown there with its text.
  bool m_weightShownInKilograms = true;
  QString m_weightText;
  std::optional<double> m_weightKilograms;

  DiaryFormWidgets m_form;
};

}  // namespace vesmira
