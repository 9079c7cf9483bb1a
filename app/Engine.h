// The server's engine: start-up, the timers' events, the acquisition cycle and the exit
// sequence. It reaches the operator only through Display and knows no window toolkit; the
// timers themselves are kept by whoever hosts it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/Display.h"
#include "app/Journal.h"
#include "app/Settings.h"
#include "common/Clock.h"

namespace talver {

class Database;
struct Acquisition;

// The timers of the engine, as the host keeps them.
class EngineTimers {
 public:
  virtual ~EngineTimers() = default;
  // TimerNext: the countdown step every 1000 ms.
  virtual void SetTimerNext(bool enabled) = 0;
  // TimerLoadINI: the first cycle, once, 2000 ms from now.
  virtual void StartTimerLoadINI() = 0;
  // TimerInet: the internet monitor, enabled with this interval.
  virtual void SetTimerInet(int intervalMs) = 0;
};

// Timers that never fire, for a single cycle.
class NoTimers final : public EngineTimers {
 public:
  void SetTimerNext(bool) override {}
  void StartTimerLoadINI() override {}
  void SetTimerInet(int) override {}
};

struct EngineOptions {
  // Folder of the settings, journal, Tmp and (by default) the database.
  std::filesystem::path programFolder;
  // The pause before the first internet check.
  std::chrono::milliseconds startupWait{5000};
  // The pause of the first-cycle timer before its cycle.
  std::chrono::milliseconds firstCycleWait{100};
};

inline constexpr const char* kCycleRefusedText =
    "Загрузка данных уже идёт: повторный запуск отклонён.";

class Engine {
 public:
  Engine(EngineOptions options, Display& display, const Clock& clock, EngineTimers& timers);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // FormCreate: the start-up sequence. False when the database could not be opened; the
  // engine then idles with its clocks but never downloads.
  bool FormCreate();

  // LoadINI: one acquisition cycle. A request while one runs is refused.
  void LoadINI();

  void TimeNextZapusk();
  void TimerNextTimer();
  void TimerLoadINITimer();
  void TimerInetTimer();
  void TimerMemoTimer();

  // The button "Загрузить ионосферные данные ".
  void btnZagruzIONOClick();
  // A pick in the source list.
  void cmbIstDanClick(int index);
  // "Очистить журнал".
  void btnClearClick();
  // Shows the journal size in LogSize.
  void btnSizeClick();
  // Exit: STORM emptied, the retention purge, the closing journal line.
  void ExitSequence();

  // Ends a running cycle at its next file and lets no further step run; from any thread.
  void RequestStop() { stopRequested_ = true; }

  bool CycleRunning() const { return cycleRunning_; }
  bool InternetOnline() const { return internetOnline_; }
  bool DatabaseOpen() const;
  int SelectedSource() const { return selectedSource_; }
  std::int64_t NextRunCountdown() const { return nextRunCountdown_; }
  const std::filesystem::path& ProgramFolder() const { return options_.programFolder; }
  const Journal& EventJournal() const { return journal_; }

 private:
  // Runs one step of an event; an error that escapes it is discarded, as at every event's
  // entry, and the next step goes on.
  void Guarded(const char* step, const std::function<void()>& work);
  void InetConnectProverka();
  void FolderCreate();
  void ShowInternetState();
  void RunCycleSteps();
  std::filesystem::path DatabasePath() const;

  EngineOptions options_;
  Display& display_;
  const Clock& clock_;
  EngineTimers& timers_;
  Settings settings_;
  Journal journal_;
  std::unique_ptr<Database> database_;
  std::unique_ptr<Acquisition> acquisition_;
  bool internetOnline_ = false;
  std::string passiveMode_;
  int selectedSource_ = 0;
  std::int64_t nextRunCountdown_ = 0;
  std::atomic<bool> cycleRunning_{false};
  std::atomic<bool> stopRequested_{false};
};

}  // namespace talver
