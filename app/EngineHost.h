// Runs the engine in a thread of its own, with its timers, so that a window or a service
// loop stays free while a cycle works. Every public call may come from any thread.
#pragma once

#include <QObject>
#include <QThread>
#include <memory>

#include "app/Engine.h"

namespace talver {

class EngineWorker;

class EngineHost : public QObject {
  Q_OBJECT

 public:
  EngineHost(EngineOptions options, Display& display, const Clock& clock);
  ~EngineHost() override;

  // Start-up in the engine thread, then the timers run.
  void Start();
  // The button "Загрузить ионосферные данные ": refused at once while a cycle runs.
  void RequestCycle();
  void SelectSource(int index);
  void ClearJournal();
  // Stops a running cycle at its next file, then runs the exit sequence; returns when done.
  void RunExitSequence();

  bool CycleRunning() const;

 private:
  Display& display_;
  QThread thread_;
  EngineWorker* worker_ = nullptr;  // lives in thread_, deleted there
};

}  // namespace talver
