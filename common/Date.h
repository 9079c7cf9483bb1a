// Calendar dates and times of day, and the day-number and hour-letter conventions of the
// station file names.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace talver {

// A proleptic Gregorian calendar day.
struct CalendarDate {
  int year = 1970;
  int month = 1;
  int day = 1;

  static bool IsValid(int year, int month, int day);
  static std::optional<CalendarDate> Make(int year, int month, int day);
  // Day `dayOfYear` (1 for 1 January) of `year`; day 0 is 31 December of the year before.
  static CalendarDate FromDayOfYear(int year, int dayOfYear);
  // "d.m.yyyy" or "dd.mm.yyyy".
  static std::optional<CalendarDate> ParseDayMonthYear(std::string_view text);
  // "yyyy-mm-dd", as stored in the database.
  static std::optional<CalendarDate> ParseIso(std::string_view text);

  std::int64_t DaysSinceEpoch() const;
  static CalendarDate FromDaysSinceEpoch(std::int64_t days);
  CalendarDate AddDays(std::int64_t days) const;
  int DayOfYear() const;

  // "#10/7/2019#": the literal form used in messages and journal texts.
  std::string AccessLiteral() const;
  // "2019-10-07": the form the database stores.
  std::string Iso() const;
  // "7.10.2019": day, month and year without leading zeros.
  std::string DottedNoZeros() const;
  // "07.10.2019": the short date form of the window and the journal.
  std::string ShortText() const;

  auto operator<=>(const CalendarDate&) const = default;
};

bool IsLeapYear(int year);
int DaysInYear(int year);
int DaysInMonth(int year, int month);

// A date and a time of day, without time zone; the clock says which zone it is in.
struct DateTime {
  CalendarDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  std::int64_t MillisecondsSinceEpoch() const;
  static DateTime FromMillisecondsSinceEpoch(std::int64_t ms);
  DateTime AddMilliseconds(std::int64_t ms) const;
  // "10:20:00": the long time form.
  std::string TimeText() const;
  // "07.10.2019 10:20:00".
  std::string Text() const;

  auto operator<=>(const DateTime&) const = default;
};

// Days from 31 December of the year before `currentYear` to `date`: 1 for 1 January of the
// current year, 0 or less for dates of earlier years.
int DayOfCurrentYear(const CalendarDate& date, int currentYear);

// "005", "045" for 1..99, the plain number for 100..367, empty otherwise.
std::string DayNumber3(int dayNumber);

// "A" for hour 0 … "X" for hour 23, empty for any other hour.
std::string HourToLetter(int hour);
// The reverse; any text other than "A" … "X" gives 0.
int LetterToHour(std::string_view letter);

}  // namespace talver
