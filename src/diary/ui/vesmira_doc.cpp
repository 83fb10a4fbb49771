#include "diary/ui/vesmira_doc.h"

#include <utility>

#include "diary/ui/day_keeper.h"
#include "settings/users_folder.h"
#include "storage/data_paths.h"
#include "ui/stored_text.h"

namespace vesmira {

CVesmiraDoc::CVesmiraDoc(std::filesystem::path dataFolder, TodayFunction today, QObject* parent)
    : QObject(parent),
      m_dataFolder(std::move(dataFolder)),
      m_today(today ? std::move(today) : TodayFunction(LocalToday)),
      m_date(m_today()) {}

QString CVesmiraDoc::Title() const {
  return m_user.empty() ? UntitledTitle() : FromStoredBytes(m_user);
}

std::filesystem::path CVesmiraDoc::CurrentDayPath() const {
  return DayFilePath(m_dataFolder, m_user, DateText(m_date));
}

RangeWalkInput CVesmiraDoc::WalkInput() const {
  return {m_dataFolder, m_user, m_settings, m_today()};
}

void CVesmiraDoc::ShowDay(std::string user, const CalendarDate& date) {
  m_date = date;
  if (user == m_user) return;
  m_user = std::move(user);
  emit titleChanged(Title());
}

void CVesmiraDoc::ForgetUser() {
  m_user.clear();
  emit titleChanged(Title());
}

StoredProperties CVesmiraDoc::LoadProperties() {
  const std::filesystem::path file = PropertiesFilePath(m_dataFolder, m_user);
  m_propertiesIdentity = ReadFileIdentity(file);
  StoredProperties stored = ReadStoredProperties(file);
  if (stored.settings) SetSettings(*stored.settings);
  return stored;
}

void CVesmiraDoc::ReloadChangedProperties() {
  if (m_user.empty()) return;
  const std::filesystem::path file = PropertiesFilePath(m_dataFolder, m_user);
  const FileIdentity identity = ReadFileIdentity(file);
  if (identity == m_propertiesIdentity) return;
  m_propertiesIdentity = identity;
  // The settings have no typing of their own on the form: the new ones are taken as they are.
  if (const std::optional<UserSettings> settings = ReadProperties(file)) SetSettings(*settings);
}

void CVesmiraDoc::SetSettings(const UserSettings& settings) {
  m_settings = settings;
  emit settingsChanged();
}

void CVesmiraDoc::StoreThen(StoreDone done) {
  if (m_keeper == nullptr) {
    done(std::nullopt);
    return;
  }
  m_keeper->StoreThen(std::move(done));
}

}  // namespace vesmira
