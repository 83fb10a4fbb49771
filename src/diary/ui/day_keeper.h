#pragma once

#include <QObject>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "diary/day_file.h"
#include "diary/day_keeping.h"
#include "diary/ui/vesmira_doc.h"
#include "storage/file_error.h"
#include "storage/stored_file.h"

class QFileSystemWatcher;
class QTimer;

namespace vesmira {

class CDayQuestion;
class DaySaver;

// What the keeper needs of the form that shows the day.
class KeptDayForm {
 public:
  // The day as typed, in the bytes of its file.
  virtual std::string TypedDayBytes() const = 0;
  // Shows a version read from disk: no change of the person's.
  virtual void ShowStoredDay(const DayEntries& entries) = 0;
  // The day's fields take no typing (true) or take it again.
  virtual void SetDayReadOnly(bool readOnly) = 0;

 protected:
  ~KeptDayForm() = default;
};

// The one writer of the day shown. It stores the person's typing about a second after
// typing pauses, and every few seconds while it goes on, on a thread of its own, one write
// at a time: a store that must finish now waits for the write in flight and never starts
// another behind it. It never writes over a version of the day it did not read or store
// itself: a change made on disk behind its back is shown, or, with typing not stored yet,
// the typing goes beside the day at once and the person chooses which version to keep, in
// a question over the form that takes no keys. A version on disk that cannot be read is
// never written over.
class CDayKeeper : public QObject {
  Q_OBJECT

 public:
  using Hook = std::function<void()>;

  // How soon typing is stored: after it pauses, and at the latest while it goes on.
  static constexpr int kIdleSaveMs = 1000;
  static constexpr int kLongestUnsavedMs = 4000;

  CDayKeeper(CVesmiraDoc& doc, KeptDayForm& form, CDayQuestion& question,
             QObject* parent = nullptr);
  ~CDayKeeper() override;

  CDayKeeper(const CDayKeeper&) = delete;
  CDayKeeper& operator=(const CDayKeeper&) = delete;

  // Reads the document's day and shows it on the form; a file that cannot be read is shown
  // empty and read-only, and its cause returned. Whatever was typed on the day left has been
  // stored (StoreThen) or is dropped.
  std::optional<FileError> Load();
  // The day shown is no one's any more (its user was removed): nothing of it is stored.
  void Forget();
  // The whole diary cannot be written: nothing is stored from now on.
  void SetDiaryReadOnly();

  bool IsLoaded() const { return m_loaded; }
  // A day that may be stored: loaded, readable, in a diary that can be written.
  bool HasDayToStore() const { return m_loaded && !m_unreadable && !m_diaryReadOnly; }
  bool HasUnsavedChanges() const { return m_typing.Waits(); }
  bool IsUnreadable() const { return m_unreadable.has_value(); }

  // The person changed the day.
  void OnEdited();
  // Stores what was typed now, as the pause after typing would.
  void SaveTypingNow();
  // Whether a write runs, or its result is not taken in yet.
  bool IsSaving() const;
  // Whether a write runs, or what waits for a store has not run yet.
  bool IsBusy() const;
  // Runs on the saving thread before each write: a seam for a slow disk.
  void SetBeforeWrite(Hook hook);
  // Looks at the day's file and the user's settings now, as a change reported by the file
  // system does.
  void CheckFilesOnDisk();

  // Stores the day, then calls done on this thread (see CVesmiraDoc::StoreThen).
  void StoreThen(CVesmiraDoc::StoreDone done);
  // The store of a closing window: waits for the write in flight, then stores what waits,
  // here and now. Returns the cause when the day is not stored.
  [[nodiscard]] std::optional<FileError> StoreBeforeClose();
  // The last store, when the form goes without asking: a failure goes unreported, and a
  // version changed on disk is not written over: the typing goes beside it.
  void StoreAtExit();

 signals:
  // A write made while typing has ended, stored or not.
  void saveFinished();

 private:
  void StartWrite();
  // Stores the day on this thread, after every write in flight has ended.
  [[nodiscard]] std::optional<FileError> StoreHere();
  void OnWriteDone(const std::string& path, std::uint64_t change, const std::string& bytes,
                   const StoreResult& result);
  void OnStored(const FileIdentity& identity, const std::string& bytes, std::uint64_t change,
                const std::optional<std::filesystem::path>& otherKept);
  // Whether the day on the form differs from the version known: typing waits, or the day has
  // no file yet or one in an older form.
  bool NeedsStore() const;
  void RunWaiting(const std::optional<FileError>& error);
  void StopTimers();
  // The day's file changed on disk: shown, or with typing waiting, kept beside and asked.
  // Returns the cause when it cannot be read or the typing cannot be kept beside it.
  [[nodiscard]] std::optional<FileError> ResolveChangeOnDisk();
  DiskDayVersion ReadDisk(std::optional<DayEntries>* entries,
                          std::optional<FileError>* error) const;
  // The form shows the version on disk, which is now the one known; nothing typed waits.
  void TakeDiskVersion(const DiskDayVersion& disk, const std::optional<DayEntries>& entries);
  void Tell(const QString& text);
  void TellFailure(const FileError& error);
  // "The diary of Anna for 6 December 2026", as the line over the form names the day shown.
  QString DayWords() const;
  void OnKeepMyTyping();
  void OnUseVersionOnDisk();
  void Watch();

  CVesmiraDoc& m_doc;
  KeptDayForm& m_form;
  CDayQuestion& m_question;
  DaySaver* m_saver = nullptr;
  QTimer* m_idleTimer = nullptr;
  QTimer* m_longestTimer = nullptr;
  QTimer* m_diskCheckTimer = nullptr;
  QFileSystemWatcher* m_watcher = nullptr;

  bool m_loaded = false;
  bool m_diaryReadOnly = false;
  std::optional<FileError> m_unreadable;  // the cause, while the day's file cannot be read
  KnownDayVersion m_known;                // the day file as read or last stored
  TypingCount m_typing;
  bool m_saveAgain = false;  // typing came while a write ran
  bool m_failureShown = false;
  bool m_closing = false;  // nothing is asked any more
  bool m_storing = false;  // a store waits for the write in flight, and writes after it
  // What waits for the day to be stored.
  std::vector<CVesmiraDoc::StoreDone> m_waiting;
  int m_posted = 0;  // handed to the event loop, not run yet
  // While the question of a day changed on disk waits: the copy beside the day that holds
  // the typing meanwhile.
  struct PendingChoice {
    std::filesystem::path copy;
    FileIdentity copyIdentity;
  };
  std::optional<PendingChoice> m_pending;
};

}  // namespace vesmira
