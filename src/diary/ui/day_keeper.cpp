#include "diary/ui/day_keeper.h"

#include <QDate>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLocale>
#include <QMetaObject>
#include <QTimer>
#include <utility>

#include "diary/ui/day_question.h"
#include "diary/ui/day_saver.h"
#include "settings/properties_file.h"
#include "storage/atomic_file.h"
#include "storage/data_paths.h"
#include "ui/language.h"
#include "ui/stored_text.h"

namespace vesmira {

namespace {

QTimer* SingleShot(int ms, QObject* parent) {
  auto* timer = new QTimer(parent);
  timer->setSingleShot(true);
  timer->setInterval(ms);
  return timer;
}

}  // namespace

CDayKeeper::CDayKeeper(CVesmiraDoc& doc, KeptDayForm& form, CDayQuestion& question, QObject* parent)
    : QObject(parent), m_doc(doc), m_form(form), m_question(question) {
  m_saver = new DaySaver(
      [this](const DaySaver::Job& job, const StoreResult& result) {
        OnWriteDone(job.path.native(), job.generation, job.bytes, result);
      },
      this);
  m_idleTimer = SingleShot(kIdleSaveMs, this);
  m_longestTimer = SingleShot(kLongestUnsavedMs, this);
  // A sync tool replaces a file in several steps: they are looked at once they have settled.
  m_diskCheckTimer = SingleShot(150, this);
  m_watcher = new QFileSystemWatcher(this);
  connect(m_idleTimer, &QTimer::timeout, this, [this] { SaveTypingNow(); });
  connect(m_longestTimer, &QTimer::timeout, this, [this] { SaveTypingNow(); });
  connect(m_watcher, &QFileSystemWatcher::fileChanged, m_diskCheckTimer,
          qOverload<>(&QTimer::start));
  connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_diskCheckTimer,
          qOverload<>(&QTimer::start));
  connect(m_diskCheckTimer, &QTimer::timeout, this, [this] { CheckFilesOnDisk(); });
  connect(&m_question, &CDayQuestion::keepMyTyping, this, [this] { OnKeepMyTyping(); });
  connect(&m_question, &CDayQuestion::useVersionOnDisk, this, [this] { OnUseVersionOnDisk(); });
  m_doc.SetKeeper(this);
}

CDayKeeper::~CDayKeeper() {
  m_doc.SetKeeper(nullptr);
  m_closing = true;
  m_saver->Finish();
}

std::optional<FileError> CDayKeeper::Load() {
  // The day left is done with: what its last write says is taken first.
  m_saver->Finish();
  StopTimers();
  const std::optional<PendingChoice> left = std::exchange(m_pending, std::nullopt);
  m_loaded = true;
  m_failureShown = false;
  m_question.Clear();
  std::optional<DayEntries> entries;
  const DiskDayVersion disk = ReadDisk(&entries, &m_unreadable);
  // A file that cannot be read may still hold the day: it is shown empty and read-only, so
  // nothing typed could be saved over it.
  m_form.SetDayReadOnly(m_unreadable.has_value() || m_diaryReadOnly);
  TakeDiskVersion(disk, entries);
  // A day left with its question open keeps both versions: say where the typing went.
  if (left) {
    Tell(tr("What you typed is kept beside the day as %1.")
             .arg(QFile::decodeName(left->copy.filename().c_str())));
  }
  return m_unreadable;
}

void CDayKeeper::Forget() {
  StopTimers();
  m_saver->Finish();
  m_pending.reset();
  m_question.Clear();
  m_loaded = false;
  m_typing.AllKept();
}

void CDayKeeper::SetDiaryReadOnly() {
  StopTimers();
  m_diaryReadOnly = true;
}

void CDayKeeper::OnEdited() {
  if (!m_loaded) return;
  m_typing.Change();
  m_idleTimer->start();
  if (!m_longestTimer->isActive()) m_longestTimer->start();
}

void CDayKeeper::StopTimers() {
  m_idleTimer->stop();
  m_longestTimer->stop();
}

bool CDayKeeper::IsSaving() const { return m_saver->IsBusy(); }

bool CDayKeeper::IsBusy() const { return IsSaving() || !m_waiting.empty() || m_posted > 0; }

void CDayKeeper::SetBeforeWrite(Hook hook) { m_saver->SetBeforeWrite(std::move(hook)); }

void CDayKeeper::SaveTypingNow() {
  if (!HasDayToStore() || m_closing || m_storing || !m_typing.Waits()) return;
  if (m_saver->IsBusy()) {
    // One write at a time, each knowing the version it replaces: the next follows this one.
    m_saveAgain = true;
    return;
  }
  StartWrite();
}

void CDayKeeper::StartWrite() {
  StopTimers();
  // While the question waits, the typing goes on into its copy, never over the day.
  if (m_pending) {
    m_saver->Start(
        {m_pending->copy, m_form.TypedDayBytes(), m_pending->copyIdentity, m_typing.Now()});
    return;
  }
  m_saver->Start(
      {m_doc.CurrentDayPath(), m_form.TypedDayBytes(), m_known.identity, m_typing.Now()});
}

void CDayKeeper::OnWriteDone(const std::string& path, std::uint64_t change,
                             const std::string& bytes, const StoreResult& result) {
  const bool again = std::exchange(m_saveAgain, false);
  std::optional<FileError> error = result.write.error;
  bool resolved = false;
  if (m_pending && path == m_pending->copy.native()) {
    if (!error && !result.changedOnDisk) {
      m_pending->copyIdentity = result.write.identity;
      m_typing.StoredUpTo(change);
    }
  } else if (path != m_doc.CurrentDayPath().native()) {
    // A day left while its write ran, or a copy whose question was answered meanwhile: its
    // result says nothing of the day shown now, and no write of that day follows from it.
    emit saveFinished();
    if (again && m_typing.Waits()) SaveTypingNow();
    RunWaiting(std::nullopt);
    return;
  } else if (result.changedOnDisk) {
    if (!m_closing) error = ResolveChangeOnDisk();
    resolved = !m_closing && !error;
  } else if (!error) {
    OnStored(result.write.identity, bytes, change, result.otherKept);
  }
  // Shown over the form, not in a box that would take the keys typed meanwhile, and until a
  // write succeeds; closing asks.
  if (error && !m_closing) TellFailure(*error);
  emit saveFinished();
  // A store that waits for this write stores the day itself, once: no write starts behind it.
  if (m_closing || m_storing) return;
  if (!m_waiting.empty()) {
    if (!error && HasDayToStore() && NeedsStore()) {
      StartWrite();  // typed while the write ran: what waits wants that stored too
      return;
    }
    RunWaiting(error);
  } else if ((again || resolved) && m_typing.Waits()) {
    SaveTypingNow();
  }
  // A change on disk reported while the write ran is looked at now.
  CheckFilesOnDisk();
}

void CDayKeeper::OnStored(const FileIdentity& identity, const std::string& bytes,
                          std::uint64_t change,
                          const std::optional<std::filesystem::path>& otherKept) {
  m_known = {identity, bytes};
  m_typing.StoredUpTo(change);
  if (std::exchange(m_failureShown, false) && !m_question.IsAsking()) m_question.Clear();
  if (otherKept) {
    Tell(tr("%1 was changed by another program while it was being saved. That version is kept "
            "beside the day as %2.")
             .arg(DayWords(), QFile::decodeName(otherKept->filename().c_str())));
  }
}

void CDayKeeper::RunWaiting(const std::optional<FileError>& error) {
  // From the event loop, not from inside a write's result: a command that opens a window
  // then never runs in the middle of the keeping.
  for (CVesmiraDoc::StoreDone& done : std::exchange(m_waiting, {})) {
    ++m_posted;
    QMetaObject::invokeMethod(
        this,
        [this, done = std::move(done), error] {
          --m_posted;
          done(error);
        },
        Qt::QueuedConnection);
  }
}

bool CDayKeeper::NeedsStore() const {
  // A day visited gets its file, even one left as it came, and a day read in an older form is
  // stored in the form of today.
  // While the question waits, the typing goes to its copy, and the day on disk stays as it is.
  if (m_pending) return m_typing.Waits();
  return m_typing.Waits() || m_form.TypedDayBytes() != m_known.bytes;
}

void CDayKeeper::StoreThen(CVesmiraDoc::StoreDone done) {
  if (!HasDayToStore() || (!NeedsStore() && !m_saver->IsBusy())) {
    done(std::nullopt);
    return;
  }
  m_waiting.push_back(std::move(done));
  // The write in flight hands over to what waits when it ends.
  if (!m_saver->IsBusy()) StartWrite();
}

std::optional<FileError> CDayKeeper::StoreBeforeClose() {
  // The write in flight ends first and starts none after it; then this store writes, alone.
  const bool wasStoring = std::exchange(m_storing, true);
  StopTimers();
  m_saveAgain = false;
  m_saver->Finish();
  m_storing = wasStoring;
  const std::optional<FileError> error = StoreHere();
  if (error) TellFailure(*error);
  RunWaiting(error);
  return error;
}

std::optional<FileError> CDayKeeper::StoreHere() {
  if (!HasDayToStore()) return std::nullopt;
  const std::filesystem::path path = m_doc.CurrentDayPath();
  // A change on disk is resolved, then the day stored over the version now known; a second
  // change meanwhile is resolved once more.
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::uint64_t change = m_typing.Now();
    const std::string bytes = m_form.TypedDayBytes();
    if (m_pending) {
      // The question is open: the typing is kept in its copy, the day as it is on disk.
      std::optional<FileError> error = AtomicWriteFile(m_pending->copy, bytes);
      if (!error) m_typing.StoredUpTo(change);
      return error;
    }
    const StoreResult result = StoreDayFile(path, bytes, m_known.identity);
    if (!result.changedOnDisk) {
      if (result.write.error) return result.write.error;
      OnStored(result.write.identity, bytes, change, result.otherKept);
      return std::nullopt;
    }
    if (std::optional<FileError> error = ResolveChangeOnDisk()) return error;
    // The disk's version shown, or the typing kept beside it while the question waits.
    if (!HasDayToStore() || !m_typing.Waits()) return std::nullopt;
  }
  // Another program keeps changing the day: what was typed goes beside it, not over it.
  const KeptCopy copy = KeepConflictCopy(path, ConflictStampNow(), m_form.TypedDayBytes());
  if (copy.error) return copy.error;
  return FileError{FileErrorCause::kKeptBeside, path};
}

void CDayKeeper::StoreAtExit() {
  m_closing = true;
  m_saver->Finish();
  if (!HasDayToStore()) return;
  const std::string bytes = m_form.TypedDayBytes();
  // A question still open: the typing is the copy's, the day on disk stays as it is.
  if (m_pending) {
    static_cast<void>(AtomicWriteFile(m_pending->copy, bytes));
    return;
  }
  const StoreResult result = StoreDayFile(m_doc.CurrentDayPath(), bytes, m_known.identity);
  if (result.changedOnDisk && m_typing.Waits()) {
    static_cast<void>(KeepConflictCopy(m_doc.CurrentDayPath(), ConflictStampNow(), bytes));
  }
}

DiskDayVersion CDayKeeper::ReadDisk(std::optional<DayEntries>* entries,
                                    std::optional<FileError>* error) const {
  const std::filesystem::path path = m_doc.CurrentDayPath();
  const FileSnapshot snapshot = ReadFileSnapshot(path);
  DiskDayVersion disk{snapshot.identity, snapshot.bytes, true};
  *error = snapshot.error;
  if (disk.identity.exists) {
    StoredDay stored = ReadStoredDay(path, snapshot);
    *entries = std::move(stored.entries);
    *error = std::move(stored.error);
    if (!*error && !*entries) *error = FileError{FileErrorCause::kNotUnderstood, path};
    disk.understood = !error->has_value();
  }
  return disk;
}

std::optional<FileError> CDayKeeper::ResolveChangeOnDisk() {
  // Asked already: the day on disk waits for the answer, the typing goes to the copy.
  if (!m_loaded || m_pending) return std::nullopt;
  std::optional<DayEntries> entries;
  std::optional<FileError> readError;
  const DiskDayVersion disk = ReadDisk(&entries, &readError);
  const std::filesystem::path path = m_doc.CurrentDayPath();
  switch (ClassifyDiskChange(m_known, disk, m_typing.Waits())) {
    case DiskChange::kNone:
      return std::nullopt;
    case DiskChange::kSameBytes:
      m_known.identity = disk.identity;
      return std::nullopt;
    case DiskChange::kUnreadable:
      // Never written over: the day turns read-only, and what was typed goes beside it.
      if (m_typing.Waits()) {
        static_cast<void>(KeepConflictCopy(path, ConflictStampNow(), m_form.TypedDayBytes()));
      }
      m_unreadable = readError.value_or(FileError{FileErrorCause::kNotUnderstood, path});
      m_form.SetDayReadOnly(true);
      m_typing.AllKept();
      return m_unreadable;
    case DiskChange::kShowDisk:
      TakeDiskVersion(disk, entries);
      return std::nullopt;
    case DiskChange::kAskWhichToKeep:
      break;
  }
  // The typing goes beside the day at once, so that nothing is lost however the program
  // ends while the question waits; the day on disk stays as it is until the person chooses.
  const KeptCopy copy = KeepConflictCopy(path, ConflictStampNow(), m_form.TypedDayBytes());
  if (copy.error) return copy.error;
  m_pending = PendingChoice{copy.path, ReadFileIdentity(copy.path)};
  m_typing.AllKept();
  m_question.Ask(tr("%1 was changed by another program while you were typing.\n\n"
                    "Keep what you typed, or use the version on disk? The other version is kept "
                    "beside the day as %2.")
                     .arg(DayWords(), QFile::decodeName(copy.path.filename().c_str())));
  Watch();
  return std::nullopt;
}

void CDayKeeper::TakeDiskVersion(const DiskDayVersion& disk,
                                 const std::optional<DayEntries>& entries) {
  m_form.ShowStoredDay(entries ? *entries : DayEntries::ForMissingDay());
  m_known = {disk.identity, disk.bytes.value_or(std::string())};
  m_typing.AllKept();
  Watch();
}

void CDayKeeper::Tell(const QString& text) {
  if (!m_question.IsAsking()) m_question.Tell(text);
}

void CDayKeeper::TellFailure(const FileError& error) {
  if (m_question.IsAsking()) return;
  m_failureShown = true;
  m_question.Tell(FromStoredBytes(FileErrorMessage(error, ShownLanguage())));
}

QString CDayKeeper::DayWords() const {
  const CalendarDate& date = m_doc.CurrentDate();
  const QString day = LanguageLocale().toString(
      QDate(date.year, date.month, date.day),
      tr("d MMMM yyyy", "a day named in a message: d day, M month, y year"));
  return tr("The diary of %1 for %2").arg(FromStoredBytes(m_doc.CurrentUserName()), day);
}

void CDayKeeper::OnKeepMyTyping() {
  if (!m_pending) return;
  // The version on disk takes the copy's place; the typing is stored over the day.
  std::optional<DayEntries> entries;
  std::optional<FileError> readError;
  const DiskDayVersion disk = ReadDisk(&entries, &readError);
  if (const std::optional<FileError> error =
          AtomicWriteFile(m_pending->copy, disk.bytes.value_or(std::string()))) {
    m_question.Tell(FromStoredBytes(FileErrorMessage(*error, ShownLanguage())));
    return;
  }
  m_pending.reset();
  m_question.Clear();
  m_known = {disk.identity, disk.bytes.value_or(std::string())};
  m_typing.Change();  // the typing is to be stored again, now over the day
  SaveTypingNow();
}

void CDayKeeper::OnUseVersionOnDisk() {
  // The copy holds the typing, also what was typed since the question came.
  StoreThen([this](const std::optional<FileError>& error) {
    if (!m_pending) return;
    if (error) {
      m_question.Tell(FromStoredBytes(FileErrorMessage(*error, ShownLanguage())));
      return;
    }
    m_pending.reset();
    m_question.Clear();
    std::optional<DayEntries> entries;
    std::optional<FileError> readError;
    const DiskDayVersion disk = ReadDisk(&entries, &readError);
    TakeDiskVersion(disk, entries);
  });
}

void CDayKeeper::CheckFilesOnDisk() {
  if (m_closing) return;
  // The write that runs changes the file itself: it is looked at when the write has ended.
  if (m_saver->IsBusy()) return;
  if (m_loaded && ReadFileIdentity(m_doc.CurrentDayPath()) != m_known.identity) {
    if (const std::optional<FileError> error = ResolveChangeOnDisk(); error && !m_failureShown) {
      TellFailure(*error);
    }
  }
  m_doc.ReloadChangedProperties();
  Watch();
}

void CDayKeeper::Watch() {
  // A file replaced by a rename is no longer watched under its name: the watch is made anew.
  if (const QStringList watched = m_watcher->files() + m_watcher->directories();
      !watched.isEmpty()) {
    m_watcher->removePaths(watched);
  }
  QStringList paths;
  const auto add = [&paths](const std::filesystem::path& path) {
    if (std::filesystem::exists(path)) paths.append(QFile::decodeName(path.c_str()));
  };
  add(UsersFolder(m_doc.DataFolder()));
  if (!m_doc.CurrentUserName().empty()) {
    add(PropertiesFilePath(m_doc.DataFolder(), m_doc.CurrentUserName()));
  }
  if (m_loaded) {
    add(m_doc.CurrentDayPath());
    add(m_doc.CurrentDayPath().parent_path());
  }
  paths.removeDuplicates();
  if (!paths.isEmpty()) m_watcher->addPaths(paths);
}

}  // namespace vesmira
