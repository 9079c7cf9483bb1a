#include "sources/sao/SaoFile.h"

#include <algorithm>
#include <cstdio>

#include "common/Text.h"
#include "db/Database.h"

namespace talver {

namespace {

struct FieldPosition {
  SaoCharacteristic characteristic;
  bool secondLine;
  std::size_t first;
  std::size_t last;
};

constexpr FieldPosition kFields[] = {
    {kSaoFoF2, false, 1, 8},   {kSaoFoF1, false, 9, 16}, {kSaoM3000, false, 17, 24},
    {kSaoFmin, false, 33, 40}, {kSaoEs, false, 41, 48},  {kSaoFoE, false, 65, 72},
    {kSaoFoEp, true, 97, 104},
};

// "9999.000" marks an absent value; a value that is not a plain number is no value either.
std::string FieldValue(std::string_view line, const FieldPosition& field) {
  const std::string_view text = Columns(line, field.first, field.last);
  if (text == "9999.000" || !IsPlainNumber(text)) {
    return {};
  }
  if (field.characteristic == kSaoM3000 && !(StrToFloatTolerant(text) > 0)) {
    return {};
  }
  return std::string(text);
}

std::string TwoDigits(int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", number);
  return buffer;
}

}  // namespace

SaoDay ZagruzkaDannyhDigizond(std::string_view text, int year, int dayOfYear) {
  const auto lines = SplitLines(text);
  const std::string dayKey = "FF" + std::to_string(year) + DayNumber3(dayOfYear);

  std::size_t first = 0;
  while (first < lines.size() && lines[first].find(dayKey) == std::string_view::npos) {
    ++first;
  }
  if (first == lines.size()) {
    throw SaoFormatError("в файле нет записей за день " + dayKey.substr(2));
  }
  int month = 0;
  int day = 0;
  if (!ParseWholeNumber(Columns(lines[first], 10, 11), month) ||
      !ParseWholeNumber(Columns(lines[first], 12, 13), day) ||
      !CalendarDate::IsValid(year, month, day)) {
    throw SaoFormatError("неверная дата в строке " + std::string(lines[first].substr(0, 17)));
  }
  SaoDay result;
  result.date = CalendarDate{year, month, day};
  result.lastDataDate = result.date.DottedNoZeros();
  const std::string recordKey = dayKey + std::string(Columns(lines[first], 10, 13));

  int newestFoF2Hour = -1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t at = lines[i].find(recordKey);
    if (at == std::string_view::npos) {
      continue;
    }
    const std::string_view time = lines[i].substr(at + recordKey.size(), 4);
    int hour = 0;
    if (time.size() != 4 || time.substr(2) != "00" || !ParseWholeNumber(time.substr(0, 2), hour) ||
        hour < 0 || hour > 23) {
      continue;  // a sounding off the full hour is never stored
    }
    if (i + 2 >= lines.size()) {
      throw SaoFormatError("запись " + std::string(lines[i].substr(at, 17)) + " оборвана");
    }
    for (const FieldPosition& field : kFields) {
      const std::string value = FieldValue(lines[i + (field.secondLine ? 2 : 1)], field);
      if (!value.empty()) {
        result.hours[static_cast<std::size_t>(hour)][field.characteristic] = value;
      }
    }
    if (!result.hours[static_cast<std::size_t>(hour)][kSaoFoF2].empty()) {
      newestFoF2Hour = std::max(newestFoF2Hour, hour);
    }
  }
  if (newestFoF2Hour >= 0) {
    result.loaded = true;
    result.lastDataTime = TwoDigits(newestFoF2Hour) + ":00";
  }
  return result;
}

void WriteSaoDay(Database& database, const SaoTableSet& tables, const SaoDay& day) {
  for (const auto table : tables.tables) {
    database.EnsureDayRow(table, day.date);
  }
  const CalendarDate previous = day.date.AddDays(-1);
  for (int hour = 0; hour < 24; ++hour) {
    const auto& values = day.hours[static_cast<std::size_t>(hour)];
    for (std::size_t c = 0; c < values.size(); ++c) {
      if (values[c].empty()) {
        continue;
      }
      database.VvodDanBD(tables.tables[c], day.date.year, day.date.month, day.date.day,
                         std::to_string(hour), values[c],
                         hour == 0 ? std::optional<CalendarDate>(previous) : std::nullopt);
    }
  }
}

}  // namespace talver
