#include "common/Date.h"

#include <gtest/gtest.h>

namespace talver {
namespace {

TEST(DayOfCurrentYear, CountsFromTheLastDayOfThePreviousYear) {
  EXPECT_EQ(DayOfCurrentYear({2019, 1, 1}, 2019), 1);
  EXPECT_EQ(DayOfCurrentYear({2019, 10, 7}, 2019), 280);
  EXPECT_EQ(DayOfCurrentYear({2019, 12, 31}, 2019), 365);
  EXPECT_EQ(DayOfCurrentYear({2020, 12, 31}, 2020), 366);
  EXPECT_EQ(DayOfCurrentYear({2018, 12, 31}, 2019), 0);
  EXPECT_EQ(DayOfCurrentYear({2018, 12, 30}, 2019), -1);
}

TEST(DayNumber3, ThreeDigitsInItsRangeOnly) {
  const std::pair<int, const char*> cases[] = {{0, ""},      {1, "001"},   {45, "045"}, {99, "099"},
                                               {100, "100"}, {367, "367"}, {368, ""},   {-5, ""}};
  for (const auto& [number, text] : cases) {
    EXPECT_EQ(DayNumber3(number), text) << number;
  }
}

TEST(HourLetters, AToXAndNothingElse) {
  EXPECT_EQ(HourToLetter(0), "A");
  EXPECT_EQ(HourToLetter(5), "F");
  EXPECT_EQ(HourToLetter(23), "X");
  EXPECT_EQ(HourToLetter(24), "");
  EXPECT_EQ(HourToLetter(-1), "");
  EXPECT_EQ(LetterToHour("A"), 0);
  EXPECT_EQ(LetterToHour("K"), 10);
  EXPECT_EQ(LetterToHour("X"), 23);
  for (const char* other : {"Y", "a", "", "AB", " "}) {
    EXPECT_EQ(LetterToHour(other), 0) << other;
  }
}

TEST(CalendarDate, TextFormsAndArithmetic) {
  const CalendarDate date{2019, 10, 7};
  EXPECT_EQ(date.AccessLiteral(), "#10/7/2019#");
  EXPECT_EQ(date.Iso(), "2019-10-07");
  EXPECT_EQ(date.DottedNoZeros(), "7.10.2019");
  EXPECT_EQ(date.ShortText(), "07.10.2019");
  EXPECT_EQ(date.DayOfYear(), 280);
  EXPECT_EQ(CalendarDate::FromDayOfYear(2019, 280), date);
  EXPECT_EQ(CalendarDate::FromDayOfYear(2019, 0), (CalendarDate{2018, 12, 31}));
  EXPECT_EQ(CalendarDate::FromDayOfYear(2020, 366), (CalendarDate{2020, 12, 31}));
  EXPECT_EQ((CalendarDate{2020, 3, 30}.AddDays(-30)), (CalendarDate{2020, 2, 29}));
  EXPECT_EQ((CalendarDate{2020, 1, 1}.AddDays(-1)), (CalendarDate{2019, 12, 31}));
  EXPECT_LT((CalendarDate{2019, 12, 31}), (CalendarDate{2020, 1, 1}));
}

TEST(CalendarDate, ParsesDottedAndIsoTexts) {
  EXPECT_EQ(CalendarDate::ParseDayMonthYear("7.10.2019"), (CalendarDate{2019, 10, 7}));
  EXPECT_EQ(CalendarDate::ParseDayMonthYear("07.09.2019"), (CalendarDate{2019, 9, 7}));
  for (const char* bad : {"", "7.10", "7.13.2019", "31.2.2019", "a.b.c", "7..2019"}) {
    EXPECT_FALSE(CalendarDate::ParseDayMonthYear(bad)) << bad;
  }
  EXPECT_EQ(CalendarDate::ParseIso("2020-02-29"), (CalendarDate{2020, 2, 29}));
  EXPECT_FALSE(CalendarDate::ParseIso("2019-02-29"));
}

TEST(DateTime, MillisecondArithmeticCrossesDays) {
  const DateTime late{{2019, 12, 31}, 23, 30, 0, 0};
  const DateTime next = late.AddMilliseconds(45 * 60000);
  EXPECT_EQ(next, (DateTime{{2020, 1, 1}, 0, 15, 0, 0}));
  EXPECT_EQ(next.Text(), "01.01.2020 00:15:00");
}

}  // namespace
}  // namespace talver
