// What one acquisition cycle carries along its call chain: the services it works with and
// the state of the file in hand.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "app/Display.h"
#include "app/Journal.h"
#include "app/Settings.h"
#include "common/Clock.h"
#include "common/Date.h"
#include "db/Database.h"
#include "net/HttpClient.h"

namespace talver {

// The state of the file being named, fetched and parsed.
struct FileState {
  std::string CurrentFileName;
  std::string CurrentYear;
  int CurrentDayOfYear = 0;
  std::string CurrentHourLetter;
  std::optional<CalendarDate> PreviousDay;
  // Date and time of the newest value the last parse stored; the freshness record takes them.
  std::string LastDataDate;
  std::string LastDataTime;
};

// ProgressBar1 as the walks and transfers move it.
class ProgressBar {
 public:
  explicit ProgressBar(Display& display) : display_(display) {}
  void Set(std::int64_t position, std::int64_t maximum);
  void SetPosition(std::int64_t position) { Set(position, maximum_); }
  void Advance() { Set(position_ + 1, maximum_); }

 private:
  Display& display_;
  std::int64_t position_ = 0;
  std::int64_t maximum_ = 0;
};

// Raised between two files when the program is closing.
class CycleStopped : public std::runtime_error {
 public:
  CycleStopped() : std::runtime_error("загрузка прервана: программа закрывается") {}
};

struct Acquisition {
  Acquisition(std::filesystem::path folder, const Settings& settingsFile, Journal& eventJournal,
              Display& screen, Database& db, const Clock& time)
      : programFolder(std::move(folder)),
        settings(settingsFile),
        journal(eventJournal),
        display(screen),
        database(db),
        clock(time),
        progress(screen) {}

  std::filesystem::path TmpFolder() const { return programFolder / "Tmp"; }
  void CheckStop() const {
    if (stopRequested && *stopRequested) {
      throw CycleStopped();
    }
  }

  std::filesystem::path programFolder;
  const Settings& settings;
  Journal& journal;
  Display& display;
  Database& database;
  const Clock& clock;
  HttpOptions http;
  bool internetOnline = false;
  const std::atomic<bool>* stopRequested = nullptr;
  FileState file;
  // The latest daily A index and the latest K index that is not -1, kept between cycles.
  std::string ApText;
  std::string KiText;
  ProgressBar progress;
};

}  // namespace talver
