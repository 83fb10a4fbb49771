#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "diary/energy_model.h"
#include "graphs/graph_series.h"
#include "periods/range_walk.h"
#include "periods/theoretical_result.h"
#include "settings/properties_file.h"
#include "storage/calendar_date.h"
#include "storage/file_error.h"
#include "storage/stored_file.h"

namespace vesmira {

class CDayKeeper;

// The diary's document: the session a window works in. It holds the data folder, today, the
// user and date of the day shown, that user's settings, the day's balance as typed and the
// span the graphs draw. The day itself lives in its file, written by the keeper alone; the
// commands (Calculate, the graphs, the exports, Properties, Users) take the document, and
// what they change reaches the form through its signals.
class CVesmiraDoc : public QObject {
  Q_OBJECT

 public:
  using TodayFunction = std::function<CalendarDate()>;
  // The cause when the day shown could not be stored; none when it is (or has nothing to store).
  using StoreDone = std::function<void(const std::optional<FileError>&)>;

  explicit CVesmiraDoc(std::filesystem::path dataFolder, TodayFunction today = LocalToday,
                       QObject* parent = nullptr);

  static QString UntitledTitle() { return tr("Untitled"); }
  // The current user's name, as the main window's caption shows it; "Untitled" without one.
  QString Title() const;

  const std::filesystem::path& DataFolder() const { return m_dataFolder; }
  CalendarDate Today() const { return m_today(); }
  // The user and date of the day shown, which the keeper stores. The name is the bytes of
  // the properties file's name, as every path is built from it; empty without a user.
  const std::string& CurrentUserName() const { return m_user; }
  const CalendarDate& CurrentDate() const { return m_date; }
  std::filesystem::path CurrentDayPath() const;
  const UserSettings& Settings() const { return m_settings; }
  std::int32_t GraphSpan() const { return m_graphSpan; }
  // The balance of the day as typed, which Calculate's Day column shows.
  const DayBalance& ShownBalance() const { return m_balance; }
  // The days of the current user that end today: what Calculate, the graphs and the exports walk.
  RangeWalkInput WalkInput() const;

  // The form shows user's day for date.
  void ShowDay(std::string user, const CalendarDate& date);
  // No user is shown any more (the one shown was removed).
  void ForgetUser();
  // Reads the current user's settings; on success they are the document's. A file that is
  // there but cannot be read gives its cause; a missing one neither settings nor cause.
  StoredProperties LoadProperties();
  // Takes the current user's settings again when their file changed on disk.
  void ReloadChangedProperties();
  // Settings saved by the Properties dialog.
  void SetSettings(const UserSettings& settings);
  void SetGraphSpan(std::int32_t span) { m_graphSpan = span; }
  void SetShownBalance(const DayBalance& balance) { m_balance = balance; }

  // The keeper of the day shown, which stores it; without one there is nothing to store.
  void SetKeeper(CDayKeeper* keeper) { m_keeper = keeper; }
  // Stores the day shown through the keeper, then calls done on this thread: at once when
  // nothing waits to be stored, otherwise when the write has ended. The window keeps
  // painting and taking keys meanwhile.
  void StoreThen(StoreDone done);

  // Calculate's result, for the form to show.
  void ShowResult(const TheoreticalResult& result) { emit resultCalculated(result); }
  // The users folder changed (a user added or removed): the form lists it again.
  void UsersChanged() { emit usersChanged(); }

 signals:
  void titleChanged(const QString& title);
  void settingsChanged();
  void resultCalculated(const vesmira::TheoreticalResult& result);
  void usersChanged();

 private:
  std::filesystem::path m_dataFolder;
  TodayFunction m_today;
  std::string m_user;
  CalendarDate m_date;
  UserSettings m_settings;
  FileIdentity m_propertiesIdentity;  // the current user's file as last read
  std::int32_t m_graphSpan = kMonthSpan;
  DayBalance m_balance;
  CDayKeeper* m_keeper = nullptr;
};

}  // namespace vesmira
