#include "app/Schedule.h"

#include <gtest/gtest.h>

namespace talver {
namespace {

TEST(TimeNextZapusk, CountsDownToTheNextQuarterPast) {
  const struct {
    DateTime now;
    std::int64_t countdown;
  } cases[] = {
      {{{2019, 10, 7}, 10, 5, 20, 0}, (9 * 60 + 40) * 1000},
      {{{2019, 10, 7}, 10, 40, 0, 0}, 35 * 60 * 1000},
      {{{2019, 10, 7}, 10, 14, 59, 999}, 1},
      {{{2019, 10, 7}, 10, 15, 0, 0}, 0},
      {{{2019, 10, 7}, 23, 30, 0, 0}, 45 * 60 * 1000},
      {{{2019, 12, 31}, 23, 59, 59, 0}, (15 * 60 + 1) * 1000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TimeNextZapusk(c.now), c.countdown) << c.now.Text();
  }
}

TEST(CountdownTitle, PlainMinutesAndSeconds) {
  EXPECT_EQ(CountdownTitle((12 * 60 + 5) * 1000),
            "Тальвер (V 5.0.0.10 от 07.10.2019).  До новой загрузки данных: 12мин 5с");
  EXPECT_EQ(CountdownTitle(65000),
            "Тальвер (V 5.0.0.10 от 07.10.2019).  До новой загрузки данных: 1мин 5с");
  EXPECT_EQ(CountdownTitle(0),
            "Тальвер (V 5.0.0.10 от 07.10.2019).  До новой загрузки данных: 0мин 0с");
}

}  // namespace
}  // namespace talver
