#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "diary/ui/day_question.h"
#include "diary/ui/day_saver.h"
#include "diary/ui/vesmira_view.h"
#include "settings/properties_file.h"
#include "storage/atomic_file.h"
#include "storage/data_paths.h"
#include "ui/prompts.h"
#include "ui/stored_text.h"

// The keeping of the day shown: saving while typing, storing when the day is left or the
// window closes, and what a change on disk means for it.
namespace vesmira {

CVesmiraView::~CVesmiraView() {
  // A window closed through its frame has saved already; any other end still keeps the day.
  // Nothing can be shown any more, so a failure here goes unreported, and a version changed
  // on disk is not written over: what was typed goes beside it.
  m_closing = true;
  m_saver->Finish();
  if (!HasDayToStore() || m_finalSaveDone) return;
  const std::string bytes = ShownDayBytes();
  // A question still open: the typing is the copy's, the day on disk stays as it is.
  if (m_pending) {
    static_cast<void>(AtomicWriteFile(m_pending->copy, bytes));
    return;
  }
  const StoreResult result = StoreDayFile(ShownDayPath(), bytes, m_dayIdentity);
  if (result.changedOnDisk && HasUnsavedChanges()) {
    static_cast<void>(KeepConflictCopy(ShownDayPath(), ConflictStampNow(), bytes));
  }
}

bool CVesmiraView::FinalSave() {
  if (m_finalSaveDone || !HasDayToStore()) return true;
  if (const std::optional<FileError> error = StoreShownDay()) {
    const QString text = FromStoredBytes(FileErrorMessage(*error)) +
                         QStringLiteral("\n\nClose anyway? The day shown will not be saved.");
    if (m_prompts.ShowMessage(this, text, Prompts::Icon::kStop, Prompts::Buttons::kYesNo) !=
        Prompts::Answer::kYes) {
      return false;
    }
  }
  m_finalSaveDone = true;
  return true;
}

void CVesmiraView::closeEvent(QCloseEvent* event) {
  // As a window of its own (in a frame the frame asks), the form saves when it closes.
  if (isWindow() && !FinalSave()) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void CVesmiraView::OnDayEdited() {
  if (m_showingDay || !m_dayLoaded) return;
  ++m_changeCount;
  m_idleSaveTimer->start();
  if (!m_longestSaveTimer->isActive()) m_longestSaveTimer->start();
}

void CVesmiraView::StopSaveTimers() {
  m_idleSaveTimer->stop();
  m_longestSaveTimer->stop();
  m_saveAgain = false;
}

bool CVesmiraView::IsSavingInBackground() const { return m_saver->IsBusy(); }

void CVesmiraView::SetBeforeBackgroundWrite(std::function<void()> hook) {
  m_saver->SetBeforeWrite(std::move(hook));
}

void CVesmiraView::SaveTypingNow() {
  if (!m_dayLoaded || m_resolving || m_closing || m_storing || !HasUnsavedChanges()) return;
  if (m_saver->IsBusy()) {
    // One save at a time, each knowing the version it replaces: the next follows this one.
    m_saveAgain = true;
    return;
  }
  m_idleSaveTimer->stop();
  m_longestSaveTimer->stop();
  // While the question waits, the typing goes on into its copy, never over the day.
  if (m_pending) {
    m_saver->Start({m_pending->copy, ShownDayBytes(), m_pending->copyIdentity, m_changeCount});
    return;
  }
  m_saver->Start({ShownDayPath(), ShownDayBytes(), m_dayIdentity, m_changeCount});
}

void CVesmiraView::OnBackgroundSaveDone(const std::string& path, std::uint64_t changeCount,
                                        const std::string& bytes, const StoreResult& result) {
  if (m_pending && path == m_pending->copy.native()) {
    if (!result.write.error && !result.changedOnDisk) {
      m_pending->copyIdentity = result.write.identity;
      m_storedChangeCount = changeCount;
    }
    emit backgroundSaveFinished();
    if (!m_closing && !m_storing && std::exchange(m_saveAgain, false) && HasUnsavedChanges()) {
      SaveTypingNow();
    }
    return;
  }
  // Every save of a day ends before the form leaves it, so this is the day shown.
  if (path != ShownDayPath().native()) return;
  const bool again = std::exchange(m_saveAgain, false);
  std::optional<FileError> error = result.write.error;
  bool resolved = false;
  if (result.changedOnDisk) {
    if (!m_closing) error = ResolveChangeOnDisk();
    resolved = !m_closing && !error;
  } else if (!error) {
    m_dayIdentity = result.write.identity;
    m_dayBytes = bytes;
    m_storedChangeCount = changeCount;
    if (std::exchange(m_saveFailureReported, false) && !m_question->IsAsking()) {
      m_question->Clear();
    }
    if (result.otherKept) TellOtherVersionKept(*result.otherKept);
  }
  // Shown over the form, not in a box that would take the keys typed meanwhile, and until a
  // save succeeds; closing asks.
  if (error && !m_closing && !m_question->IsAsking()) {
    m_saveFailureReported = true;
    m_question->Tell(FromStoredBytes(FileErrorMessage(*error)));
  }
  emit backgroundSaveFinished();
  // A store that waits for this save writes the day itself, once: no second save starts.
  if (m_closing || m_storing) return;
  if ((again || resolved) && HasUnsavedChanges()) SaveTypingNow();
  // A change on disk reported while the save ran is looked at now.
  CheckFilesOnDisk();
}

std::optional<FileError> CVesmiraView::StoreShownDay() {
  // The save in flight ends first and starts none after it; then this store writes, alone.
  const bool wasStoring = std::exchange(m_storing, true);
  StopSaveTimers();
  m_saver->Finish();
  m_storing = wasStoring;
  if (m_pending) {
    // The question is still open: the typing is kept in its copy, the day as it is on disk.
    const std::uint64_t changeCount = m_changeCount;
    if (std::optional<FileError> error = AtomicWriteFile(m_pending->copy, ShownDayBytes())) {
      return error;
    }
    m_storedChangeCount = changeCount;
    return std::nullopt;
  }
  // A change on disk is resolved, then the day stored over the version now known; a second
  // change meanwhile is resolved once more.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::uint64_t changeCount = m_changeCount;
    const std::string bytes = ShownDayBytes();
    const StoreResult result = StoreDayFile(ShownDayPath(), bytes, m_dayIdentity);
    if (result.changedOnDisk) {
      if (std::optional<FileError> error = ResolveChangeOnDisk()) return error;
      if (!HasDayToStore()) return std::nullopt;
      continue;
    }
    if (result.write.error) return result.write.error;
    m_dayIdentity = result.write.identity;
    m_dayBytes = bytes;
    m_storedChangeCount = changeCount;
    m_saveFailureReported = false;
    if (result.otherKept) TellOtherVersionKept(*result.otherKept);
    return std::nullopt;
  }
  // Another program keeps changing the day: what was typed goes beside it, not over it.
  const KeptCopy copy = KeepConflictCopy(ShownDayPath(), ConflictStampNow(), ShownDayBytes());
  if (copy.error) return copy.error;
  return FileError{FileErrorCause::kKeptBeside, ShownDayPath()};
}

CVesmiraView::DiskDay CVesmiraView::ReadShownDayFromDisk() const {
  DiskDay day;
  const FileSnapshot snapshot = ReadFileSnapshot(ShownDayPath());
  day.identity = snapshot.identity;
  day.bytes = snapshot.bytes;
  day.error = snapshot.error;
  if (day.identity.exists) {
    StoredDay stored = ReadStoredDay(ShownDayPath());
    day.entries = std::move(stored.entries);
    day.error = std::move(stored.error);
  }
  return day;
}

void CVesmiraView::ShowDayAsStored(const DiskDay& day) {
  ShowDayEntries(day.entries ? *day.entries : DayEntries::ForMissingDay());
  m_dayIdentity = day.identity;
  m_dayBytes = day.bytes.value_or(std::string());
  m_storedChangeCount = m_changeCount;
}

std::optional<FileError> CVesmiraView::ResolveChangeOnDisk() {
  // Asked already: the day on disk waits for the answer, the typing goes to the copy.
  if (m_resolving || !m_dayLoaded || m_pending) return std::nullopt;
  const DiskDay disk = ReadShownDayFromDisk();
  if (disk.identity == m_dayIdentity) return std::nullopt;
  // A change on disk is a change of bytes: a file touched, or written again as it was, is
  // the version known.
  if (disk.bytes && !disk.error && *disk.bytes == m_dayBytes &&
      disk.identity.exists == !m_dayBytes.empty()) {
    m_dayIdentity = disk.identity;
    return std::nullopt;
  }
  // A version that cannot be read is never written over: the day turns read-only, as one
  // found so when shown, and what was typed goes beside it.
  if (disk.identity.exists && (disk.error || !disk.entries)) {
    const FileError cause =
        disk.error.value_or(FileError{FileErrorCause::kNotUnderstood, ShownDayPath()});
    if (HasUnsavedChanges()) {
      static_cast<void>(KeepConflictCopy(ShownDayPath(), ConflictStampNow(), ShownDayBytes()));
    }
    m_unreadableDay = cause;
    SetFieldsReadOnly(true);
    m_storedChangeCount = m_changeCount;
    return cause;
  }
  if (!HasUnsavedChanges()) {
    // Nothing typed is waiting: the form shows the day as it now is.
    ShowDayAsStored(disk);
    WatchFiles();
    return std::nullopt;
  }
  // The typing goes beside the day at once, so that nothing is lost however the program
  // ends while the question waits; the day on disk stays as it is until the person chooses.
  const KeptCopy copy = KeepConflictCopy(ShownDayPath(), ConflictStampNow(), ShownDayBytes());
  if (copy.error) return copy.error;
  m_pending = PendingChoice{copy.path, ReadFileIdentity(copy.path)};
  m_storedChangeCount = m_changeCount;
  m_question->Ask(ShownDayWords() +
                  QStringLiteral(" was changed by another program while you were typing.\n\n"
                                 "Keep what you typed, or use the version on disk? The other "
                                 "version is kept beside the day as %1.")
                      .arg(QFile::decodeName(copy.path.filename().c_str())));
  WatchFiles();
  return std::nullopt;
}

QString CVesmiraView::ShownDayWords() const {
  const QString day =
      QLocale(QLocale::English, QLocale::UnitedStates)
          .toString(QDate(m_currentDate.year, m_currentDate.month, m_currentDate.day),
                    QStringLiteral("d MMMM yyyy"));
  return QStringLiteral("The diary of %1 for %2").arg(FromStoredBytes(m_currentUser), day);
}

void CVesmiraView::TellOtherVersionKept(const std::filesystem::path& copy) {
  if (m_question->IsAsking()) return;
  m_question->Tell(ShownDayWords() +
                   QStringLiteral(" was changed by another program while it was being saved. "
                                  "That version is kept beside the day as %1.")
                       .arg(QFile::decodeName(copy.filename().c_str())));
}

void CVesmiraView::OnKeepMyTyping() {
  if (!m_pending) return;
  // The version on disk takes the copy's place; the typing is stored over the day.
  const DiskDay disk = ReadShownDayFromDisk();
  const std::filesystem::path copy = m_pending->copy;
  if (const std::optional<FileError> error =
          AtomicWriteFile(copy, disk.bytes.value_or(std::string()))) {
    m_question->Tell(FromStoredBytes(FileErrorMessage(*error)));
    return;
  }
  m_pending.reset();
  m_question->Clear();
  m_dayIdentity = disk.identity;
  m_dayBytes = disk.bytes.value_or(std::string());
  ++m_changeCount;  // the typing is to be stored again, now over the day
  SaveTypingNow();
}

void CVesmiraView::OnUseVersionOnDisk() {
  if (!m_pending) return;
  // The copy holds the typing, also what was typed since the question came.
  if (HasUnsavedChanges()) {
    if (const std::optional<FileError> error = StoreShownDay()) {
      m_question->Tell(FromStoredBytes(FileErrorMessage(*error)));
      return;
    }
  }
  m_pending.reset();
  m_question->Clear();
  ShowDayAsStored(ReadShownDayFromDisk());
  WatchFiles();
}

void CVesmiraView::CheckFilesOnDisk() {
  if (m_resolving || m_closing) return;
  // The save that runs changes the file itself: it is looked at when the save has ended.
  if (m_saver->IsBusy()) return;
  if (m_dayLoaded && ReadFileIdentity(ShownDayPath()) != m_dayIdentity) {
    if (const std::optional<FileError> error = ResolveChangeOnDisk();
        error && !m_saveFailureReported) {
      m_saveFailureReported = true;
      m_question->Tell(FromStoredBytes(FileErrorMessage(*error)));
    }
  }
  ReloadChangedProperties();
  WatchFiles();
}

void CVesmiraView::ReloadChangedProperties() {
  if (m_form.userCombo->count() == 0 || m_currentUser != ListedUserName()) return;
  const std::filesystem::path file = PropertiesFilePath(m_dataFolder, m_currentUser);
  const FileIdentity identity = ReadFileIdentity(file);
  if (identity == m_propertiesIdentity) return;
  m_propertiesIdentity = identity;
  // The settings have no typing of their own on the form: the new ones are taken as they are.
  if (const std::optional<UserSettings> settings = ReadProperties(file)) {
    m_settings = *settings;
    UpdateBalance();
  }
}

void CVesmiraView::WatchFiles() {
  // A file replaced by a rename is no longer watched under its name: the watch is made anew.
  if (const QStringList watched = m_watcher->files() + m_watcher->directories();
      !watched.isEmpty()) {
    m_watcher->removePaths(watched);
  }
  QStringList paths;
  const auto add = [&paths](const std::filesystem::path& path) {
    if (std::filesystem::exists(path)) paths.append(QFile::decodeName(path.c_str()));
  };
  add(UsersFolder(m_dataFolder));
  if (!m_currentUser.empty()) add(PropertiesFilePath(m_dataFolder, m_currentUser));
  if (m_dayLoaded) {
    add(ShownDayPath());
    add(ShownDayPath().parent_path());
  }
  paths.removeDuplicates();
  if (!paths.isEmpty()) m_watcher->addPaths(paths);
}

}  // namespace vesmira
