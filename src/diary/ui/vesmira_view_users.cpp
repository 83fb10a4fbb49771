#include <QByteArray>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "diary/ui/day_question.h"
#include "diary/ui/vesmira_view.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/data_paths.h"
#include "ui/language.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"

// The day on the form: its user, its date, and storing it as it is left or closed.
namespace vesmira {

namespace {

// The combo box keeps each user's name as the bytes of its file name, so a name that is
// not UTF-8 still addresses its own files.
constexpr int kUserBytesRole = Qt::UserRole;

}  // namespace

void CVesmiraView::LoadUserList() {
  // What was typed is stored before another day replaces it, while the window goes on. The
  // list is rebuilt even when that fails, as it must show the users folder as it now is, but
  // a day that could not be stored (shown why over the form) stays with its user chosen in
  // the list. Nothing at all is stored of a user just removed: storing its day would make its
  // folder again.
  const UserListScan scan = ScanUserList(m_doc.DataFolder());
  if (scan.error) {
    m_form.userCombo->clear();
    ReportFileError(*scan.error);
    return;
  }
  const bool removed =
      m_keeper->IsLoaded() &&
      std::find(scan.names.begin(), scan.names.end(), m_doc.CurrentUserName()) == scan.names.end();
  if (removed) {
    m_keeper->Forget();
    m_doc.ForgetUser();
  }
  const auto show = [this, names = scan.names](const std::optional<FileError>& error) {
    const bool wasEditable = m_form.mealEdits[0]->isEnabled();
    ShowUserList(names);
    if (m_form.userCombo->count() == 0) return;
    if (error) {
      ShowCurrentUserInList();
      return;
    }
    m_form.userCombo->setCurrentIndex(0);
    TakeListedUser();
    ShowSettingsCaptions();
    // The diary's first user: its day is there to fill in from Breakfast, as after a start
    // with a user, not from what had the keyboard while the form was shut. The window gives
    // it back there when the users dialog closes.
    if (!wasEditable) FocusFirstField();
  };
  // A day with no typing waiting is not stored: the list follows at once, once no write of the
  // day shown is in flight.
  if (!m_keeper->HasUnsavedChanges() && !m_keeper->IsBusy()) {
    show(std::nullopt);
    return;
  }
  m_doc.StoreThen(show);
}

void CVesmiraView::ShowUserList(const std::vector<std::string>& names) {
  const QSignalBlocker blocker(m_form.userCombo);
  m_form.userCombo->clear();
  for (const std::string& name : names) {
    m_form.userCombo->addItem(FromStoredBytes(name), ToByteArray(name));
  }
  SetDayEditable(m_form.userCombo->count() > 0);
}

void CVesmiraView::TakeListedUser() {
  m_doc.ShowDay(ListedUserName(), ShownDate());
  LoadProperties();
  LoadDay();
}

void CVesmiraView::LoadProperties() {
  const StoredProperties stored = m_doc.LoadProperties();
  // Settings that are there but cannot be read are named with their cause; the Properties
  // dialog's Save will not write over them either.
  if (stored.error) {
    ReportFileError(*stored.error);
  } else if (!stored.settings) {
    m_prompts.ShowMessage(this, tr("Could not open properties file."), Prompts::Icon::kNone);
  }
}

void CVesmiraView::LoadDay() {
  // A change of day that waited for a store the closing window made comes too late.
  if (m_finalSaveDone) return;
  m_doc.ShowDay(m_doc.CurrentUserName(), ShownDate());
  if (const std::optional<FileError> error = m_keeper->Load()) ReportFileError(*error);
}

void CVesmiraView::OnUserActivated(int index) {
  const std::string chosen =
      m_form.userCombo->itemData(index, kUserBytesRole).toByteArray().toStdString();
  if (m_keeper->IsLoaded() && chosen == m_doc.CurrentUserName()) return;
  // The day left is stored first, while the window goes on; then the user listed now is taken.
  m_doc.StoreThen([this](const std::optional<FileError>& error) {
    if (error) {
      ShowCurrentUserInList();
      return;
    }
    if (m_keeper->IsLoaded() && ListedUserName() == m_doc.CurrentUserName()) return;
    ClearTheoreticalResult();
    TakeListedUser();
  });
}

void CVesmiraView::OnDateChanged() {
  m_doc.StoreThen([this](const std::optional<FileError>& error) {
    if (error) {
      // The day being left stays on the form, so nothing typed is lost; why shows over it.
      const QSignalBlocker blocker(m_form.dateEdit);
      const CalendarDate& date = m_doc.CurrentDate();
      m_form.dateEdit->setDate(QDate(date.year, date.month, date.day));
      return;
    }
    if (m_keeper->IsLoaded() && ShownDate() == m_doc.CurrentDate()) return;
    if (m_doc.CurrentUserName().empty()) return;
    LoadDay();
  });
}

void CVesmiraView::SaveDay() {
  // A failure shows over the form until a store succeeds.
  m_doc.StoreThen([](const std::optional<FileError>&) {});
}

void CVesmiraView::StoreNow() { static_cast<void>(m_keeper->StoreBeforeClose()); }

void CVesmiraView::OnSaveAndClose() {
  m_doc.StoreThen([this](const std::optional<FileError>& error) {
    if (!error) window()->close();
  });
}

bool CVesmiraView::FinalSave() {
  if (m_finalSaveDone || !m_keeper->HasDayToStore()) return true;
  if (const std::optional<FileError> error = m_keeper->StoreBeforeClose()) {
    const QString text = tr("%1\n\nClose anyway? The day shown will not be saved.")
                             .arg(FromStoredBytes(FileErrorMessage(*error, ShownLanguage())));
    if (m_prompts.ShowMessage(this, text, Prompts::Icon::kStop, Prompts::Buttons::kYesNo) !=
        Prompts::Answer::kYes) {
      return false;
    }
  }
  m_finalSaveDone = true;
  return true;
}

void CVesmiraView::closeEvent(QCloseEvent* event) {
  // As a window of its own (in a frame the frame asks), the form stores the day as it closes.
  if (isWindow() && !FinalSave()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

bool CVesmiraView::HasUnsavedChanges() const { return m_keeper->HasUnsavedChanges(); }
bool CVesmiraView::IsSavingInBackground() const { return m_keeper->IsBusy(); }
void CVesmiraView::SetBeforeBackgroundWrite(std::function<void()> hook) {
  m_keeper->SetBeforeWrite(std::move(hook));
}
void CVesmiraView::SaveTypingNow() { m_keeper->SaveTypingNow(); }
void CVesmiraView::CheckFilesOnDisk() { m_keeper->CheckFilesOnDisk(); }

void CVesmiraView::ShowCurrentUserInList() {
  const QSignalBlocker blocker(m_form.userCombo);
  m_form.userCombo->setCurrentIndex(
      m_form.userCombo->findData(ToByteArray(m_doc.CurrentUserName()), kUserBytesRole));
}

void CVesmiraView::SetDayEditable(bool editable) {
  for (QLineEdit* field : InputFields()) field->setEnabled(editable);
  m_form.weightEdit->setEnabled(editable);
  m_form.noteEdit->setEnabled(editable);
  m_form.noteEdit->setPlaceholderText(
      editable ? QString()
               : tr("Welcome to Vesmira. Your diary has no user yet: choose "
                    "Tools > Users, type your name and press Add. Then the day "
                    "is yours to fill in."));
}

std::string CVesmiraView::ListedUserName() const {
  if (m_form.userCombo->currentIndex() < 0) return {};
  return m_form.userCombo->currentData(kUserBytesRole).toByteArray().toStdString();
}

}  // namespace vesmira
