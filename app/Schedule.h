// The hourly schedule: cycles run at a quarter past every UT hour.
#pragma once

#include <cstdint>
#include <string>

#include "common/Date.h"

namespace talver {

// TimeNextZapusk: milliseconds from now to the next HH:15:00 UTC. The whole hours of the
// difference to "the next hour at minute 15" are dropped, which is what makes the target
// the next quarter past, never more than an hour away.
std::int64_t TimeNextZapusk(const DateTime& nowUtc);

// The window title during the countdown: "…До новой загрузки данных: 12мин 5с".
std::string CountdownTitle(std::int64_t countdownMs);

inline constexpr const char* kDesignTitle = "Тальвер. V 5.0.0.10 от 07.10.2019";
inline constexpr const char* kOfflineTitle = "Тальвер (v 5.0.0.10). ИНТЕРНЕТ ОТКЛЮЧЕН!!!";

}  // namespace talver
