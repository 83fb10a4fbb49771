#pragma once

#include <QObject>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "storage/stored_file.h"

namespace vesmira {

// Stores the day shown on a thread of its own while the person types, so that no key press
// ever waits for the disk. One save at a time, in the order they were handed over; each
// result comes back on the thread that owns the saver.
class DaySaver : public QObject {
  Q_OBJECT

 public:
  struct Job {
    std::filesystem::path path;
    std::string bytes;
    FileIdentity expected;     // the version the form was loaded from or last stored
    std::uint64_t generation;  // which change of the form these bytes hold
  };
  using ResultHandler = std::function<void(const Job&, const StoreResult&)>;
  using Hook = std::function<void()>;

  explicit DaySaver(ResultHandler onResult, QObject* parent = nullptr);
  ~DaySaver() override;

  DaySaver(const DaySaver&) = delete;
  DaySaver& operator=(const DaySaver&) = delete;

  // Starts job on the saving thread. Only while nothing is busy: the form waits for one
  // result before it hands over the next, so each save knows the version it replaces.
  void Start(Job job);
  // Whether a save runs or its result has not been handed back yet.
  bool IsBusy() const;
  // Waits for the save that runs, then hands its result back at once: what the form does
  // before it stores the day itself, leaves it or closes.
  void Finish();

  // Runs on the saving thread before each write: a seam for a slow disk.
  void SetBeforeWrite(Hook hook);

 private:
  void Run();
  void HandBack();

  ResultHandler m_onResult;
  mutable std::mutex m_mutex;
  std::condition_variable m_wake;
  std::optional<Job> m_job;  // handed over, not yet done
  bool m_running = false;
  std::vector<std::pair<Job, StoreResult>> m_done;
  bool m_stop = false;
  Hook m_beforeWrite;
  std::thread m_thread;
};

}  // namespace vesmira
