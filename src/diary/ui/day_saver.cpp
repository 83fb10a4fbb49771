#include "diary/ui/day_saver.h"

#include <QMetaObject>
#include <utility>

#include "diary/day_file.h"

namespace vesmira {

DaySaver::DaySaver(ResultHandler onResult, QObject* parent)
    : QObject(parent), m_onResult(std::move(onResult)), m_thread([this] { Run(); }) {}

DaySaver::~DaySaver() {
  {
    const std::lock_guard lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_all();
  // A save that runs is finished: a half-written temporary file would be left otherwise.
  m_thread.join();
}

void DaySaver::Start(Job job) {
  {
    const std::lock_guard lock(m_mutex);
    m_job = std::move(job);
    m_running = true;
  }
  m_wake.notify_all();
}

bool DaySaver::IsBusy() const {
  const std::lock_guard lock(m_mutex);
  return m_running || !m_done.empty();
}

void DaySaver::Finish() {
  {
    std::unique_lock lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_running; });
  }
  HandBack();
}

void DaySaver::SetBeforeWrite(Hook hook) {
  const std::lock_guard lock(m_mutex);
  m_beforeWrite = std::move(hook);
}

void DaySaver::Run() {
  std::unique_lock lock(m_mutex);
  for (;;) {
    m_wake.wait(lock, [this] { return m_stop || m_job.has_value(); });
    if (!m_job) return;
    Job job = std::move(*m_job);
    m_job.reset();
    const Hook beforeWrite = m_beforeWrite;
    lock.unlock();
    if (beforeWrite) beforeWrite();
    StoreResult result = StoreDayFile(job.path, job.bytes, job.expected);
    lock.lock();
    m_done.emplace_back(std::move(job), std::move(result));
    m_running = false;
    m_wake.notify_all();
    // Handed back by the owner's event loop, unless Finish takes it first. A saver gone
    // by then takes the call with it.
    QMetaObject::invokeMethod(
        this, [this] { HandBack(); }, Qt::QueuedConnection);
  }
}

void DaySaver::HandBack() {
  std::vector<std::pair<Job, StoreResult>> done;
  {
    const std::lock_guard lock(m_mutex);
    done.swap(m_done);
  }
  for (const auto& [job, result] : done) m_onResult(job, result);
}

}  // namespace vesmira
