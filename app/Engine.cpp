#include "app/Engine.h"

#include <malloc.h>

#include <thread>

#include "app/Internet.h"
#include "app/Schedule.h"
#include "assessment/Freshness.h"
#include "common/Files.h"
#include "common/Text.h"
#include "db/Database.h"
#include "db/Purge.h"
#include "sources/Acquisition.h"
#include "sources/parus/ParusCatchUp.h"
#include "sources/sao/SaoCatchUp.h"
#include "sources/swpc/Storm.h"
#include "sources/swpc/SwpcStep.h"

namespace talver {

namespace {

// Memory the cycle freed goes back to the system between sources.
void RamClean() {
  malloc_trim(0);
}

std::string BaseUrl(const Settings& settings, std::string_view key, std::string_view fallback) {
  std::string url(Trim(settings.ReadOr("URL", key, fallback)));
  if (!url.empty() && url.back() != '/') {
    url += '/';
  }
  return url;
}

}  // namespace

Engine::Engine(EngineOptions options, Display& display, const Clock& clock, EngineTimers& timers)
    : options_(std::move(options)),
      display_(display),
      clock_(clock),
      timers_(timers),
      settings_(SettingsFileIn(options_.programFolder)),
      journal_(clock) {}

Engine::~Engine() = default;

bool Engine::DatabaseOpen() const {
  return database_ != nullptr;
}

std::filesystem::path Engine::DatabasePath() const {
  const std::filesystem::path configured(Trim(settings_.Read("BDIONO", "Database")));
  if (configured.empty()) {
    return options_.programFolder / "dbPrognoz.sqlite";
  }
  return configured.is_absolute() ? configured : options_.programFolder / configured;
}

void Engine::Guarded(const char* step, const std::function<void()>& work) {
  if (stopRequested_) {
    return;
  }
  try {
    work();
  } catch (const std::exception& error) {
    display_.LogDetail("ошибка пропущена (" + std::string(step) + "): " + error.what());
  } catch (...) {
    display_.LogDetail("ошибка пропущена (" + std::string(step) + ")");
  }
}

bool Engine::FormCreate() {
  display_.SetLabel("lbWolf", {"", std::nullopt, std::nullopt});
  display_.SetBusyWarning(false);
  display_.SetLabel("LogSize", {"Размер журнала", std::nullopt, false});
  display_.SetTitle(kDesignTitle);

  passiveMode_ = settings_.Read("INET", "Passive");
  int index = 0;
  if (!ParseWholeNumber(settings_.Read("BDIONO", "IstDan"), index) || index < 0 || index > 24) {
    index = 0;
  }
  selectedSource_ = index;
  display_.SetSelectedSource(index);

  try {
    database_ = std::make_unique<Database>(DatabasePath());
  } catch (const DatabaseOpenError& error) {
    display_.ShowMessage({"", error.what(), MessageIcon::Error});
    return false;
  }
  acquisition_ = std::make_unique<Acquisition>(options_.programFolder, settings_, journal_,
                                               display_, *database_, clock_);
  acquisition_->stopRequested = &stopRequested_;

  OpenJournalAtStartup(journal_, options_.programFolder / "Log.txt");
  internetOnline_ = false;
  InetConnectProverka();
  AddOpeningLines(journal_);

  try {
    FolderCreate();
  } catch (const std::exception& error) {
    // An unusable working folder ends the start-up here, as any escaped error would.
    display_.LogDetail(error.what());
    return true;
  }
  display_.SetPassiveMode(passiveMode_ == "1");
  if (internetOnline_) {
    timers_.StartTimerLoadINI();
  } else {
    Guarded("StormInetOff", [this] {
      StormInetOff(*database_, display_, acquisition_->KiText);
      LastData(*database_, display_, selectedSource_, clock_);
      display_.SetStatus("Данные базы неактуальны! Подключите Интернет!!");
    });
  }
  TimeNextZapusk();
  return true;
}

void Engine::ShowInternetState() {
  display_.SetInternetState(internetOnline_);
}

void Engine::InetConnectProverka() {
  std::this_thread::sleep_for(options_.startupWait);
  if (InetConnected(settings_)) {
    internetOnline_ = true;
    journal_.AddJournalLine(" -", " ИНТЕРНЕТ ПОДКЛЮЧЕН!");
  } else {
    internetOnline_ = false;
    timers_.SetTimerNext(false);
    journal_.AddJournalLine(" -", " НЕТ СОЕДИНЕНИЯ С ИНТЕРНЕТОМ.");
  }
  ShowInternetState();
  timers_.SetTimerInet(1000);
}

void Engine::FolderCreate() {
  const auto tmp = options_.programFolder / "Tmp";
  std::error_code error;
  std::filesystem::create_directories(tmp, error);
  if (!std::filesystem::is_directory(tmp)) {
    // The folder keeps its trailing separator, so the text shows it doubled.
    std::string folder = options_.programFolder.string();
    if (folder.empty() || folder.back() != '/') {
      folder += '/';
    }
    throw std::runtime_error("Не могу создать папку: " + folder + "/Tmp");
  }
}

void Engine::TimeNextZapusk() {
  nextRunCountdown_ = talver::TimeNextZapusk(clock_.NowUtc());
  timers_.SetTimerNext(true);
}

void Engine::TimerNextTimer() {
  nextRunCountdown_ -= 1000;
  display_.SetTitle(CountdownTitle(nextRunCountdown_));
  if (nextRunCountdown_ > 0) {
    return;
  }
  timers_.SetTimerNext(false);
  if (internetOnline_) {
    LoadINI();
  }
  display_.SetBusyWarning(false);
  TimeNextZapusk();
}

void Engine::TimerLoadINITimer() {
  std::this_thread::sleep_for(options_.firstCycleWait);
  LoadINI();
}

void Engine::TimerInetTimer() {
  if (InetConnected(settings_)) {
    internetOnline_ = true;
    ShowInternetState();
    display_.SetStatus("Ожидание загрузки..");
    timers_.SetTimerInet(60000);
    TimeNextZapusk();
  } else {
    internetOnline_ = false;
    timers_.SetTimerNext(false);
    ShowInternetState();
    display_.SetTitle(kOfflineTitle);
    timers_.SetTimerInet(30000);
  }
}

void Engine::TimerMemoTimer() {
  RamClean();
}

void Engine::LoadINI() {
  if (cycleRunning_.exchange(true)) {
    display_.SetStatus(kCycleRefusedText);
    return;
  }
  struct Finished {
    std::atomic<bool>& flag;
    ~Finished() { flag = false; }
  } finished{cycleRunning_};
  if (!acquisition_) {
    return;
  }
  TmpClean(options_.programFolder);
  if (!internetOnline_ || stopRequested_) {
    return;
  }
  RunCycleSteps();
}

void Engine::RunCycleSteps() {
  Acquisition& acquisition = *acquisition_;
  acquisition.internetOnline = internetOnline_;
  acquisition.http.caFile = std::string(Trim(settings_.Read("INET", "CAFile")));

  display_.SetBusyWarning(true);
  journal_.AddJournalLine("", "");
  const auto parus = [&](const ParusStation& station) {
    return [&acquisition, &station, this] {
      CatchUpParusStation(acquisition, station,
                          BaseUrl(settings_, station.urlKey, station.defaultUrl));
    };
  };
  Guarded("Москва", parus(kMoscow));
  display_.ClearTrace();
  Guarded("Новосибирск", parus(kNovosibirsk));
  Guarded("Рим", parus(kRome));
  RamClean();
  Guarded("Прага", [&] {
    SAOFile(acquisition, kPrague, BaseUrl(settings_, kPrague.urlKey, kPrague.defaultUrl));
  });
  RamClean();
  Guarded("SWPC", [&] { LoadFileStorm(acquisition, ReadSwpcEndpoints(settings_)); });
  Guarded("LastData", [this] { LastData(*database_, display_, selectedSource_, clock_); });
  RamClean();
  btnSizeClick();
  display_.SetBusyWarning(false);
  TmpClean(options_.programFolder);
}

void Engine::btnZagruzIONOClick() {
  if (internetOnline_) {
    LoadINI();
  } else {
    display_.ShowMessage({"Тальвер", "Интернет отключен. Загрузка невозможна.", MessageIcon::None});
  }
}

void Engine::cmbIstDanClick(int index) {
  settings_.Write("BDIONO", "IstDan", std::to_string(index));
  selectedSource_ = index;
  if (database_) {
    LastData(*database_, display_, selectedSource_, clock_);
  }
}

void Engine::btnClearClick() {
  journal_.ClearJournal();
}

void Engine::btnSizeClick() {
  display_.SetLabel(
      "LogSize", {"Размер журнала " + std::to_string(FileSizeBytes(journal_.FileName())) + " байт",
                  std::nullopt, true});
}

void Engine::ExitSequence() {
  if (database_) {
    database_->VvodDan("DELETE FROM \"STORM\"");
    btnClearDanClick(*database_, clock_.NowLocal().date);
  }
  journal_.AddJournalLine(" -", " ЗАКРЫТИЕ ПРОГРАММЫ.");
}

}  // namespace talver
