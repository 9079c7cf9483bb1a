// The source of the current time. Logic takes a Clock so that tests can set the time.
#pragma once

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

// A clock that shows a set time; the local time is the UTC time plus a fixed offset.
class FixedClock final : public Clock {
 public:
  explicit FixedClock(DateTime utc, int localOffsetMinutes = 0)
      : utc_(utc), offsetMinutes_(localOffsetMinutes) {}
  void Set(DateTime utc) { utc_ = utc; }
  DateTime NowUtc() const override { return utc_; }
  DateTime NowLocal() const override {
    return utc_.AddMilliseconds(static_cast<std::int64_t>(offsetMinutes_) * 60000);
  }

 private:
  DateTime utc_;
  int offsetMinutes_;
};

}  // namespace talver
