#include "common/Clock.h"

#include <ctime>

namespace talver {

namespace {

DateTime FromTm(const std::tm& tm, long nanoseconds) {
  DateTime result;
  result.date = CalendarDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
  result.hour = tm.tm_hour;
  result.minute = tm.tm_min;
  result.second = tm.tm_sec > 59 ? 59 : tm.tm_sec;
  result.millisecond = static_cast<int>(nanoseconds / 1000000);
  return result;
}

}  // namespace

DateTime SystemClock::NowUtc() const {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm tm{};
  gmtime_r(&now.tv_sec, &tm);
  return FromTm(tm, now.tv_nsec);
}

DateTime SystemClock::NowLocal() const {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm tm{};
  localtime_r(&now.tv_sec, &tm);
  return FromTm(tm, now.tv_nsec);
}

}  // namespace talver
