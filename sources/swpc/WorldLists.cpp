#include "sources/swpc/WorldLists.h"

#include "common/Text.h"
#include "db/Database.h"

namespace talver {

namespace {

struct Field {
  WorldCharacteristic characteristic;
  std::size_t first;
  std::size_t last;
  std::string_view missing;
};

constexpr Field kFields[] = {
    {kWorldFoF2, 21, 24, "-1.0"}, {kWorldM3000, 30, 34, "-1.00"}, {kWorldFoF1, 63, 66, "-1.0"},
    {kWorldFoE, 68, 71, "-1.0"},  {kWorldFoEs, 77, 80, "-1.0"},
};

constexpr std::array<std::string_view, 5> kTableSuffixes{"FoF2", "M3000", "FoF1", "foE", "FoEs"};

std::optional<WorldListDay> DayOf(std::string_view line) {
  WorldListDay day;
  day.yearText = std::string(Columns(line, 1, 4));
  day.monthText = std::string(Columns(line, 6, 7));
  day.dayText = std::string(Columns(line, 9, 10));
  int year = 0;
  int month = 0;
  int number = 0;
  if (!ParseWholeNumber(day.yearText, year) || !ParseWholeNumber(day.monthText, month) ||
      !ParseWholeNumber(day.dayText, number) || !CalendarDate::IsValid(year, month, number)) {
    return std::nullopt;
  }
  day.date = CalendarDate{year, month, number};
  return day;
}

}  // namespace

std::string WorldListFile(std::string_view station) {
  return std::string(station) + "_iono.txt";
}

WorldList ParseWorldList(std::string_view text, std::string_view station) {
  const auto lines = SplitLines(text);
  if (lines.size() < 17) {
    throw WorldListError("в списке " + WorldListFile(station) + " меньше 17 строк");
  }
  WorldList list;
  if (Trim(lines[16].substr(0, 8)) == "No data") {
    list.noData = true;
    return list;
  }
  const bool juliusruh = station == "Juliusruh";
  std::string timeText;
  for (std::size_t i = 16; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (Trim(line).empty()) {
      continue;
    }
    if (list.days.empty() || Columns(line, 9, 10) != list.days.back().dayText) {
      auto day = DayOf(line);
      if (!day) {
        list.complete = false;
        break;
      }
      list.days.push_back(std::move(*day));
    }
    if (juliusruh) {
      // Juliusruh sounds at minute 13; those soundings stand for the hour, others are skipped.
      if (Columns(line, 15, 16) != "13") {
        continue;
      }
      timeText = std::string(Columns(line, 13, 14)) + "00";
    } else {
      timeText = std::string(Columns(line, 13, 16));
    }
    if (Columns(line, 21, 24) == "-1.0") {
      continue;  // without foF2 nothing of the line is kept
    }
    WorldSounding sounding;
    sounding.column = timeText;
    for (const Field& field : kFields) {
      const std::string_view value = Columns(line, field.first, field.last);
      if (value != field.missing) {
        sounding.values[field.characteristic] = std::string(value);
      }
    }
    list.days.back().soundings.push_back(std::move(sounding));
  }
  if (list.complete && !list.days.empty()) {
    const WorldListDay& last = list.days.back();
    list.lastDataDate = last.dayText + "." + last.monthText + "." + last.yearText;
    list.lastDataTime = std::string(Trim(timeText.substr(0, 2))) + ":" +
                        std::string(Trim(timeText.size() > 2 ? timeText.substr(2, 4) : ""));
  }
  return list;
}

void WriteWorldList(Database& database, std::string_view station, const WorldList& list) {
  for (const WorldListDay& day : list.days) {
    for (const char* suffix : {"FoF2", "FoF1", "foE", "FoEs", "M3000"}) {
      database.EnsureDayRow(std::string(station) + suffix, day.date);
    }
    const CalendarDate previous = day.date.AddDays(-1);
    for (const WorldSounding& sounding : day.soundings) {
      for (std::size_t c = 0; c < sounding.values.size(); ++c) {
        if (sounding.values[c].empty()) {
          continue;
        }
        const std::string table = std::string(station) + std::string(kTableSuffixes[c]);
        database.VvodDanBD(table, day.date.year, day.date.month, day.date.day, sounding.column,
                           sounding.values[c]);
        if (sounding.column == "0000") {
          database.VvodDanBD(table, previous.year, previous.month, previous.day, "2400",
                             sounding.values[c]);
        }
      }
    }
  }
}

}  // namespace talver
