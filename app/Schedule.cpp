#include "app/Schedule.h"

namespace talver {

std::int64_t TimeNextZapusk(const DateTime& nowUtc) {
  const DateTime nextHour = nowUtc.AddMilliseconds(3600000);
  const DateTime target{nextHour.date, nextHour.hour, 15, 0, 0};
  const std::int64_t difference = target.MillisecondsSinceEpoch() - nowUtc.MillisecondsSinceEpoch();
  return difference % 3600000;
}

std::string CountdownTitle(std::int64_t countdownMs) {
  const std::int64_t minutes = countdownMs / 60000;
  const std::int64_t seconds = countdownMs % 60000 / 1000;
  return "Тальвер (V 5.0.0.10 от 07.10.2019).  До новой загрузки данных: " +
         std::to_string(minutes) + "мин " + std::to_string(seconds) + "с";
}

}  // namespace talver
