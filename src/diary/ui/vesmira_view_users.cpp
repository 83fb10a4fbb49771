#include <QByteArray>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

#include "diary/ui/day_question.h"
#include "diary/ui/day_saver.h"
#include "diary/ui/vesmira_view.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/data_paths.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"

// The users on the form: the list, the user shown and its settings.
namespace vesmira {

namespace {

// The combo box keeps each user's name as the bytes of its file name, so a name that is
// not UTF-8 still addresses its own files.
constexpr int kUserBytesRole = Qt::UserRole;

}  // namespace

void CVesmiraView::LoadUserList() {
  // What was typed is stored before another day replaces it. The list is rebuilt even when
  // that fails, as it must show the users folder as it now is, but a day that could not be
  // stored (reported) stays on the form with its user chosen in the list. A day with no
  // typing waiting is not stored, and nothing at all of a user just removed: storing its day
  // would make its folder again.
  const UserListScan scan = ScanUserList(m_dataFolder);
  const bool removed =
      m_dayLoaded && !scan.error &&
      std::find(scan.names.begin(), scan.names.end(), m_currentUser) == scan.names.end();
  if (removed) ForgetShownDay();
  const bool saved = !HasDayToStore() || !HasUnsavedChanges() || SaveDay();
  m_form.userCombo->clear();
  if (scan.error) {
    ReportFileError(*scan.error);
    return;
  }
  for (const std::string& name : scan.names) {
    m_form.userCombo->addItem(FromStoredBytes(name), ToByteArray(name));
  }
  SetDayEditable(m_form.userCombo->count() > 0);
  if (m_form.userCombo->count() == 0) return;
  if (!saved) {
    ShowCurrentUserInList();
    return;
  }
  m_form.userCombo->setCurrentIndex(0);
  TakeListedUser();
  m_form.weightCaptionLabel->setText(FromStoredBytes(WeightCaption(m_settings)));
}

void CVesmiraView::ForgetShownDay() {
  StopSaveTimers();
  m_saver->Finish();
  m_pending.reset();
  m_question->Clear();
  m_dayLoaded = false;
  m_currentUser.clear();
  m_storedChangeCount = m_changeCount;
  emit currentUserChanged(QString());
}

void CVesmiraView::TakeListedUser() {
  m_currentUser = ListedUserName();
  emit currentUserChanged(FromStoredBytes(m_currentUser));
  LoadProperties();
  LoadDay();
}

void CVesmiraView::LoadProperties() {
  const std::filesystem::path file = PropertiesFilePath(m_dataFolder, m_currentUser);
  m_propertiesIdentity = ReadFileIdentity(file);
  const StoredProperties stored = ReadStoredProperties(file);
  // Settings that are there but cannot be read are named with their cause; the Properties
  // dialog's Save will not write over them either.
  if (stored.error) {
    ReportFileError(*stored.error);
    return;
  }
  const std::optional<UserSettings>& settings = stored.settings;
  if (!settings) {
    m_prompts.ShowMessage(this, QStringLiteral("Could not open properties file."),
                          Prompts::Icon::kNone);
    return;
  }
  m_settings = *settings;
}

void CVesmiraView::OnUserActivated(int index) {
  const std::string chosen =
      m_form.userCombo->itemData(index, kUserBytesRole).toByteArray().toStdString();
  if (m_dayLoaded && chosen == m_currentUser) return;
  if (!SaveDay()) {
    ShowCurrentUserInList();
    return;
  }
  ClearTheoreticalResult();
  TakeListedUser();
}

void CVesmiraView::ShowCurrentUserInList() {
  const QSignalBlocker blocker(m_form.userCombo);
  m_form.userCombo->setCurrentIndex(
      m_form.userCombo->findData(ToByteArray(m_currentUser), kUserBytesRole));
}

void CVesmiraView::SetDayEditable(bool editable) {
  std::vector<QWidget*> fields(m_form.mealEdits.begin(), m_form.mealEdits.end());
  fields.insert(fields.end(), m_form.minutesEdits.begin(), m_form.minutesEdits.end());
  fields.push_back(m_form.otherKcalEdit);
  fields.push_back(m_form.weightEdit);
  fields.push_back(m_form.noteEdit);
  for (QWidget* field : fields) field->setEnabled(editable);
  m_form.noteEdit->setPlaceholderText(
      editable ? QString()
               : QStringLiteral("Welcome to Vesmira. Your diary has no user yet: choose "
                                "Tools > Users, type your name and press Add. Then the day "
                                "is yours to fill in."));
}

std::string CVesmiraView::ListedUserName() const {
  if (m_form.userCombo->currentIndex() < 0) return {};
  return m_form.userCombo->currentData(kUserBytesRole).toByteArray().toStdString();
}

}  // namespace vesmira
