#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QSocketNotifier;

namespace vesmira {

// Ends the program as a close of its window does when a desktop session or a terminal ends
// it: SIGTERM, SIGINT and SIGHUP close the window, which saves the day shown. The handler only
// writes the signal's number to a pipe; the window is closed from the event loop, where a
// save may run, when the pipe's reading end becomes readable.
//
// One instance at a time; the earlier dispositions come back when it is destroyed.
class TerminationSignals : public QObject {
  Q_OBJECT

 public:
  explicit TerminationSignals(QWidget* window, QObject* parent = nullptr);
  ~TerminationSignals() override;

  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // Whether the pipe and the three handlers are in place.
  bool IsInstalled() const { return m_installed; }

 signals:
  // Emitted on the event loop for each signal received, before the window is closed.
  void terminationRequested(int signalNumber);

 private:
  void OnPipeReadable();

  QPointer<QWidget> m_window;
  QSocketNotifier* m_notifier = nullptr;
  bool m_installed = false;
  bool m_closing = false;
};

}  // namespace vesmira
