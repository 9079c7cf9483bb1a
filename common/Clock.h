// The source of the current time. Logic takes a Clock so that tests can set the time.
#pragma once

#include <atomic>

#include "common/Date.h"

namespace talver {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime NowUtc() const = 0;
  virtual DateTime NowLocal() const = 0;
};

// The computer's clock (UTC and the local time zone of the process).
class SystemClock final : public Clock {
 public:
  DateTime NowUtc() const override;
  DateTime NowLocal() const override;
};

// A clock that shows a set time (the local time is the UTC time plus a fixed offset). It may
// be set from one thread while others read it.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime utc, int localOffsetMinutes = 0)
      : utcMs_(utc.MillisecondsSinceEpoch()), offsetMinutes_(localOffsetMinutes) {}
  void Set(DateTime utc) { utcMs_ = utc.MillisecondsSinceEpoch(); }
  DateTime NowUtc() const override { return DateTime::FromMillisecondsSinceEpoch(utcMs_); }
  DateTime NowLocal() const override {
    return DateTime::FromMillisecondsSinceEpoch(utcMs_ +
                                                static_cast<std::int64_t>(offsetMinutes_) * 60000);
  }

 private:
  std::atomic<std::int64_t> utcMs_;
  int offsetMinutes_;
};

}  // namespace talver
