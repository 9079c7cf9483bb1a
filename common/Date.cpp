#include "common/Date.h"

#include <cstdio>

#include "common/Text.h"

namespace talver {

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInYear(int year) {
  return IsLeapYear(year) ? 366 : 365;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) {
    return 0;
  }
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool CalendarDate::IsValid(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

std::optional<CalendarDate> CalendarDate::Make(int year, int month, int day) {
  if (!IsValid(year, month, day)) {
    return std::nullopt;
  }
  return CalendarDate{year, month, day};
}

// Civil-from-days and days-from-civil after H. Hinnant's public-domain algorithms.
std::int64_t CalendarDate::DaysSinceEpoch() const {
  const std::int64_t y = month <= 2 ? year - 1 : year;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t mp = (month + 9) % 12;
  const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CalendarDate CalendarDate::FromDaysSinceEpoch(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
  return CalendarDate{y, m, d};
}

CalendarDate CalendarDate::FromDayOfYear(int year, int dayOfYear) {
  return CalendarDate{year, 1, 1}.AddDays(dayOfYear - 1);
}

CalendarDate CalendarDate::AddDays(std::int64_t days) const {
  return FromDaysSinceEpoch(DaysSinceEpoch() + days);
}

int CalendarDate::DayOfYear() const {
  return static_cast<int>(DaysSinceEpoch() - CalendarDate{year, 1, 1}.DaysSinceEpoch() + 1);
}

std::optional<CalendarDate> CalendarDate::ParseDayMonthYear(std::string_view text) {
  text = Trim(text);
  const std::size_t first = text.find('.');
  const std::size_t second = first == std::string_view::npos ? first : text.find('.', first + 1);
  if (second == std::string_view::npos) {
    return std::nullopt;
  }
  int day = 0;
  int month = 0;
  int year = 0;
  if (!ParseWholeNumber(text.substr(0, first), day) ||
      !ParseWholeNumber(text.substr(first + 1, second - first - 1), month) ||
      !ParseWholeNumber(text.substr(second + 1), year)) {
    return std::nullopt;
  }
  return Make(year, month, day);
}

std::optional<CalendarDate> CalendarDate::ParseIso(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  int year = 0;
  int month = 0;
  int day = 0;
  if (!ParseWholeNumber(text.substr(0, 4), year) || !ParseWholeNumber(text.substr(5, 2), month) ||
      !ParseWholeNumber(text.substr(8, 2), day)) {
    return std::nullopt;
  }
  return Make(year, month, day);
}

std::string CalendarDate::AccessLiteral() const {
  return "#" + std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year) + "#";
}

std::string CalendarDate::Iso() const {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
  return buffer;
}

std::string CalendarDate::DottedNoZeros() const {
  return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
}

std::string CalendarDate::ShortText() const {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", day, month, year);
  return buffer;
}

std::int64_t DateTime::MillisecondsSinceEpoch() const {
  return ((date.DaysSinceEpoch() * 24 + hour) * 60 + minute) * 60000 + second * 1000 + millisecond;
}

DateTime DateTime::FromMillisecondsSinceEpoch(std::int64_t ms) {
  constexpr std::int64_t kDay = 86400000;
  std::int64_t days = ms / kDay;
  std::int64_t rest = ms % kDay;
  if (rest < 0) {
    rest += kDay;
    --days;
  }
  DateTime result;
  result.date = CalendarDate::FromDaysSinceEpoch(days);
  result.hour = static_cast<int>(rest / 3600000);
  result.minute = static_cast<int>(rest / 60000 % 60);
  result.second = static_cast<int>(rest / 1000 % 60);
  result.millisecond = static_cast<int>(rest % 1000);
  return result;
}

DateTime DateTime::AddMilliseconds(std::int64_t ms) const {
  return FromMillisecondsSinceEpoch(MillisecondsSinceEpoch() + ms);
}

std::string DateTime::TimeText() const {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, minute, second);
  return buffer;
}

std::string DateTime::Text() const {
  return date.ShortText() + " " + TimeText();
}

int DayOfCurrentYear(const CalendarDate& date, int currentYear) {
  return static_cast<int>(date.DaysSinceEpoch() -
                          CalendarDate{currentYear - 1, 12, 31}.DaysSinceEpoch());
}

std::string DayNumber3(int dayNumber) {
  if (dayNumber >= 1 && dayNumber <= 99) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%03d", dayNumber);
    return buffer;
  }
  if (dayNumber >= 100 && dayNumber <= 367) {
    return std::to_string(dayNumber);
  }
  return {};
}

std::string HourToLetter(int hour) {
  if (hour < 0 || hour > 23) {
    return {};
  }
  return std::string(1, static_cast<char>('A' + hour));
}

int LetterToHour(std::string_view letter) {
  if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'X') {
    return 0;
  }
  return letter[0] - 'A';
}

}  // namespace talver
