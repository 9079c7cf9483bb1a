#include "sources/parus/ParusCatchUp.h"

#include <algorithm>
#include <cstdio>

#include "app/Trace.h"
#include "common/Text.h"
#include "sources/Download.h"
#include "sources/parus/ParusFile.h"

namespace talver {

namespace {

std::string TwoDigitYear(int year) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", year % 100);
  return buffer;
}

}  // namespace

std::string ParusFileName(const ParusStation& station, const CalendarDate& day, int hour) {
  const int number = day.DayOfYear();
  return TwoDigitYear(day.year) +
         (station.threeDigitDay ? DayNumber3(number) : std::to_string(number)) +
         HourToLetter(hour) + "00.txt";
}

std::string FileNameZapusk(const DateTime& nowUtc) {
  return TwoDigitYear(nowUtc.date.year) + std::to_string(nowUtc.date.DayOfYear()) +
         HourToLetter(nowUtc.hour) + "00.txt";
}

StoredParusPosition ReadStoredParusName(const ParusStation& station, std::string_view name) {
  StoredParusPosition position;
  int year2 = 0;
  if (ParseWholeNumber(Columns(name, 1, 2), year2) && year2 >= 0) {
    position.year2 = year2;
  }
  std::string_view day;
  std::string_view letter;
  if (station.threeDigitDay) {
    day = Columns(name, 3, 5);
    letter = Columns(name, 6, 6);
  } else if (name.size() == 10) {
    day = Columns(name, 3, 3);
    letter = Columns(name, 4, 4);
  } else if (name.size() == 11) {
    day = Columns(name, 3, 4);
    letter = Columns(name, 5, 5);
  } else if (name.size() == 12) {
    day = Columns(name, 3, 5);
    letter = Columns(name, 6, 6);
  } else {
    return position;
  }
  if (!ParseWholeNumber(day, position.dayNumber)) {
    position.dayNumber = 0;
  }
  position.hour = LetterToHour(letter);
  return position;
}

ParusWalkPlan PlanParusWalk(const ParusStation& station, std::string_view storedName,
                            const DateTime& nowUtc) {
  ParusWalkPlan plan;
  const CalendarDate today = nowUtc.date;
  const int T = today.DayOfYear();
  const CalendarDate restartDay = today.AddDays(-kParusWindowDays);
  CalendarDate start = restartDay;
  int firstHour = 0;

  const std::string_view stored = Trim(storedName);
  if (!stored.empty()) {
    if (stored == FileNameZapusk(nowUtc)) {
      plan.upToDate = true;
      return plan;
    }
    const StoredParusPosition position = ReadStoredParusName(station, stored);
    firstHour = position.hour + 1;
    const int b = position.dayNumber;
    const int storedYear = position.year2 >= 0 ? 2000 + position.year2 : -1;
    const bool readable = storedYear > 0 && b >= 1 && b <= DaysInYear(storedYear);
    bool continues = false;
    if (readable && storedYear == today.year) {
      // More than ten days back, or (after a clock change) a day still to come: restart.
      continues = T - b <= kParusWindowDays && b <= T;
    } else if (readable && storedYear == today.year - 1) {
      // Late December of last year is close enough to carry on from in early January.
      continues = b > T && b > 356;
    }
    if (continues) {
      start = CalendarDate::FromDayOfYear(storedYear, b);
    }
  }

  plan.startsToday = start == today;
  for (CalendarDate day = start; day < today; day = day.AddDays(1)) {
    plan.days.push_back({day, day == start ? firstHour : 0, 23});
  }
  plan.days.push_back({today, plan.startsToday ? firstHour : 0, nowUtc.hour});
  return plan;
}

void CatchUpParusStation(Acquisition& acquisition, const ParusStation& station,
                         std::string_view baseUrl) {
  Display& display = acquisition.display;
  FileState& file = acquisition.file;
  display.SetStatus("Загрузка данных");
  const DateTime now = acquisition.clock.NowUtc();
  const std::string stored = acquisition.settings.Read("FILE", station.fileNameKey);
  const ParusWalkPlan plan = PlanParusWalk(station, stored, now);
  if (plan.upToDate) {
    return;
  }

  const ReceivedFileHandler handler = [&](std::string_view text) -> AcceptFile {
    const ParusRecord record = ZagruzkaDannyh(text);
    return [&acquisition, &station, record] {
      const FileState& state = acquisition.file;
      const bool hourA = state.CurrentHourLetter == "A";
      WriteParusRecord(acquisition.database, station.tables, record,
                       hourA ? state.PreviousDay : std::nullopt);
      RecordTakenFile(acquisition,
                      {station.fileNameKey, station.fileDateKey, station.freshnessDateColumn,
                       station.freshnessTimeColumn},
                      record.accepted, record.lastDataDate, record.lastDataTime);
    };
  };

  for (const ParusWalkDay& day : plan.days) {
    const bool today = day.date == now.date;
    acquisition.progress.Set(0, std::max(0, day.lastHour - day.firstHour + 1));
    for (int hour = day.firstHour; hour <= day.lastHour; ++hour) {
      acquisition.CheckStop();
      acquisition.progress.Advance();
      file.CurrentHourLetter = HourToLetter(hour);
      file.CurrentYear = TwoDigitYear(day.date.year);
      file.CurrentFileName = ParusFileName(station, day.date, hour);
      display.SetStatus(std::string(station.statusPrefix) + file.CurrentFileName);
      if (file.CurrentHourLetter == "A") {
        acquisition.database.InsertFile(station.tables, day.date);
        file.PreviousDay = day.date.AddDays(-1);
      }
      LoadFileInet(acquisition, baseUrl, handler);
      if (today && plan.startsToday) {
        display.SetStatus(kLoadedWaitingText);
      }
    }
  }
  acquisition.progress.Set(0, 0);
}

}  // namespace talver
