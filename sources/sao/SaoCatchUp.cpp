#include "sources/sao/SaoCatchUp.h"

#include "common/Text.h"
#include "sources/Download.h"
#include "sources/sao/SaoFile.h"

namespace talver {

std::string SaoFileName(const SaoStation& station, const CalendarDate& day) {
  return std::string(station.prefix) + std::to_string(day.year) + DayNumber3(day.DayOfYear()) +
         ".SAO";
}

SaoWalkPlan PlanSaoWalk(const SaoStation& station, std::string_view storedName,
                        const CalendarDate& todayUtc) {
  SaoWalkPlan plan;
  const int T = todayUtc.DayOfYear();
  CalendarDate start = todayUtc.AddDays(-station.windowDays);
  const std::string_view stored = Trim(storedName);
  if (!stored.empty()) {
    const std::string_view base = stored.substr(0, stored.find('.'));
    int year = 0;
    int D = 0;
    const bool readable = ParseWholeNumber(Columns(base, 7, 10), year) &&
                          ParseWholeNumber(Columns(base, 11, 13), D) && year >= 1 && D >= 1 &&
                          D <= DaysInYear(year);
    if (readable && year == todayUtc.year && D == T) {
      plan.storedDayOnly = true;
      plan.days.push_back(todayUtc);
      return plan;
    }
    bool continues = false;
    if (readable && year == todayUtc.year) {
      // A day still to come (the clock was set back) restarts too: the walk must reach today.
      continues = D < T && T - D <= station.windowDays;
    } else if (readable && year == todayUtc.year - 1) {
      continues = D > T && D > 356;
    }
    if (continues) {
      start = CalendarDate::FromDayOfYear(year, D);
    }
  }
  for (CalendarDate day = start; day <= todayUtc; day = day.AddDays(1)) {
    plan.days.push_back(day);
  }
  return plan;
}

void SAOFile(Acquisition& acquisition, const SaoStation& station, std::string_view baseUrl) {
  if (!acquisition.internetOnline) {
    return;
  }
  Display& display = acquisition.display;
  FileState& file = acquisition.file;
  display.SetStatus("Загрузка данных...");
  const CalendarDate today = acquisition.clock.NowUtc().date;
  const SaoWalkPlan plan =
      PlanSaoWalk(station, acquisition.settings.Read("FILE", station.fileNameKey), today);

  const ReceivedFileHandler handler = [&](std::string_view text) -> AcceptFile {
    SaoDay day;
    try {
      day = ZagruzkaDannyhDigizond(text, std::stoi(file.CurrentYear), file.CurrentDayOfYear);
    } catch (const SaoFormatError& error) {
      throw RejectedFile(error.what());
    }
    return [&acquisition, &station, day] {
      WriteSaoDay(acquisition.database, station.tables, day);
      RecordTakenFile(acquisition,
                      {station.fileNameKey, station.fileDateKey, station.freshnessDateColumn,
                       station.freshnessTimeColumn},
                      day.loaded, day.lastDataDate, day.lastDataTime);
    };
  };

  if (!plan.storedDayOnly) {
    acquisition.progress.Set(0, static_cast<std::int64_t>(plan.days.size()));
  }
  for (const CalendarDate& day : plan.days) {
    acquisition.CheckStop();
    file.CurrentYear = std::to_string(day.year);
    file.CurrentDayOfYear = day.DayOfYear();
    file.CurrentFileName = SaoFileName(station, day);
    display.SetStatus("Загрузка " + file.CurrentFileName);
    LoadFileInet(acquisition, baseUrl, handler);
  }
  if (!plan.storedDayOnly) {
    acquisition.progress.Set(0, 0);
  }
}

}  // namespace talver
