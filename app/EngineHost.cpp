#include "app/EngineHost.h"

#include <QTimer>

namespace talver {

// The engine and its timers, living in the engine thread.
class EngineWorker final : public QObject, public EngineTimers {
 public:
  EngineWorker(EngineOptions options, Display& display, const Clock& clock)
      : engine(std::move(options), display, clock, *this) {
    timerNext.setInterval(1000);
    timerLoadINI.setInterval(2000);
    timerLoadINI.setSingleShot(true);
    timerMemo.setInterval(10000);
    connect(&timerNext, &QTimer::timeout, this, [this] { engine.TimerNextTimer(); });
    connect(&timerLoadINI, &QTimer::timeout, this, [this] { engine.TimerLoadINITimer(); });
    connect(&timerInet, &QTimer::timeout, this, [this] { engine.TimerInetTimer(); });
    connect(&timerMemo, &QTimer::timeout, this, [this] { engine.TimerMemoTimer(); });
  }

  void SetTimerNext(bool enabled) override {
    if (!enabled) {
      timerNext.stop();
    } else if (!timerNext.isActive()) {
      timerNext.start();
    }
  }
  void StartTimerLoadINI() override { timerLoadINI.start(); }
  void SetTimerInet(int intervalMs) override { timerInet.start(intervalMs); }

  Engine engine;
  QTimer timerNext{this};
  QTimer timerLoadINI{this};
  QTimer timerInet{this};
  QTimer timerMemo{this};
};

namespace {

// Runs work in the worker's thread; an escaped error is discarded there.
template <typename Work>
void Post(EngineWorker* worker, Work work, Qt::ConnectionType type = Qt::QueuedConnection) {
  QMetaObject::invokeMethod(
      worker,
      [worker, work] {
        try {
          work(worker->engine);
        } catch (...) {
        }
      },
      type);
}

}  // namespace

EngineHost::EngineHost(EngineOptions options, Display& display, const Clock& clock)
    : display_(display) {
  worker_ = new EngineWorker(std::move(options), display, clock);
  worker_->moveToThread(&thread_);
  thread_.setObjectName("engine");
  thread_.start();
}

EngineHost::~EngineHost() {
  worker_->engine.RequestStop();
  QMetaObject::invokeMethod(
      worker_, [worker = worker_] { delete worker; }, Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
}

void EngineHost::Start() {
  Post(worker_, [worker = worker_](Engine& engine) {
    // The countdown and the memory timer run even when the database cannot be opened.
    worker->timerMemo.start();
    engine.TimeNextZapusk();
    engine.FormCreate();
  });
}

void EngineHost::RequestCycle() {
  if (CycleRunning()) {
    display_.SetStatus(kCycleRefusedText);
    return;
  }
  Post(worker_, [](Engine& engine) { engine.btnZagruzIONOClick(); });
}

void EngineHost::SelectSource(int index) {
  Post(worker_, [index](Engine& engine) { engine.cmbIstDanClick(index); });
}

void EngineHost::ClearJournal() {
  Post(worker_, [](Engine& engine) { engine.btnClearClick(); });
}

void EngineHost::RunExitSequence() {
  worker_->engine.RequestStop();
  Post(
      worker_,
      [worker = worker_](Engine& engine) {
        worker->timerNext.stop();
        worker->timerLoadINI.stop();
        worker->timerInet.stop();
        worker->timerMemo.stop();
        engine.ExitSequence();
      },
      Qt::BlockingQueuedConnection);
}

bool EngineHost::CycleRunning() const {
  return worker_->engine.CycleRunning();
}

}  // namespace talver
