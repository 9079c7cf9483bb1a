#include "sources/parus/ParusFile.h"

#include "common/Text.h"
#include "db/Database.h"

namespace talver {

namespace {

bool IsMissing(std::string_view value) {
  return value == "N/A" || value == "NO";
}

std::string WithoutLeadingZero(std::string_view text) {
  if (text.size() == 2 && text[0] == '0') {
    return std::string(text.substr(1));
  }
  return std::string(text);
}

// p is the 1-based column of the marker's first character.
std::size_t MarkerColumn(std::string_view line, std::string_view marker) {
  const std::size_t at = line.find(marker);
  return at == std::string_view::npos ? 0 : at + 1;
}

}  // namespace

ParusRecord ZagruzkaDannyh(std::string_view text) {
  ParusRecord record;
  const auto lines = SplitLines(text);
  if (lines.size() < 12) {
    return record;
  }
  const std::string_view first = lines[0];
  const std::size_t p = MarkerColumn(first, "DATE:");
  const std::size_t q = MarkerColumn(first, "(UT):");
  if (p == 0 || q == 0) {
    return record;
  }
  const std::string_view yearText = Columns(first, p + 6, p + 9);
  const std::string_view monthText = Columns(first, p + 11, p + 12);
  const std::string_view dayText = Columns(first, p + 14, p + 15);
  const std::string_view hourText = Columns(first, q + 6, q + 7);
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  if (!ParseWholeNumber(yearText, year) || !ParseWholeNumber(monthText, month) ||
      !ParseWholeNumber(dayText, day) || !ParseWholeNumber(hourText, hour) || hour < 0 ||
      hour > 23 || !CalendarDate::IsValid(year, month, day)) {
    return record;
  }

  const std::string_view foF2 = Columns(lines[2], 14, 19);
  if (IsMissing(foF2)) {
    return record;
  }
  const std::string_view profile = Trim(lines[11]);
  const bool noProfile = profile == "NO PROFILE FOUND" || profile == "NO DATA FOR AIP";
  const bool hasProfile = !noProfile && !Columns(lines[11], 9, 15).empty();
  if (hasProfile && lines.size() < 17) {
    return record;
  }

  const auto valueOrEmpty = [](std::string_view value) {
    return IsMissing(value) ? std::string() : std::string(value);
  };
  record.accepted = true;
  record.date = CalendarDate{year, month, day};
  record.hour = hour;
  record.values[0] = std::string(foF2);
  record.values[1] = valueOrEmpty(Columns(lines[4], 10, 21));
  record.values[2] = valueOrEmpty(Columns(lines[6], 14, 19));
  record.values[3] = valueOrEmpty(Columns(lines[7], 14, 19));
  record.values[4] = hasProfile ? std::string(Columns(lines[16], 9, 15)) : std::string();
  record.lastDataTime = std::string(hourText) + ":00";
  record.lastDataDate =
      std::string(dayText) + "." + WithoutLeadingZero(monthText) + "." + std::string(yearText);
  return record;
}

void WriteParusRecord(Database& database, const ParusTableSet& tables, const ParusRecord& record,
                      const std::optional<CalendarDate>& previousDay) {
  if (!record.accepted) {
    return;
  }
  const std::string column = std::to_string(record.hour);
  for (std::size_t i = 0; i < tables.tables.size(); ++i) {
    if (!record.values[i].empty()) {
      database.VvodDanBD(tables.tables[i], record.date.year, record.date.month, record.date.day,
                         column, record.values[i], previousDay);
    }
  }
}

}  // namespace talver
