#include "sources/swpc/WorldLists.h"

#include <gtest/gtest.h>

#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/Sandbox.h"
#include "tests/support/SwpcFixture.h"

namespace talver {
namespace {

using testing::IonoLine;
using testing::IonoListText;

TEST(ParseWorldList, HeaderNoDataAndShortLists) {
  EXPECT_THROW(ParseWorldList(testing::IonoNoDataText("Warsaw", "").substr(0, 10), "Warsaw"),
               WorldListError);
  const std::string sixteen = IonoListText("Warsaw", {});
  EXPECT_THROW(ParseWorldList(sixteen, "Warsaw"), WorldListError);
  for (const char* line : {"No data", "No data     ", "No data available"}) {
    EXPECT_TRUE(ParseWorldList(testing::IonoNoDataText("Warsaw", line), "Warsaw").noData) << line;
  }
}

TEST(ParseWorldList, ValuesByColumnWithTheirMissingTexts) {
  const auto list = ParseWorldList(
      IonoListText("Warsaw", {{"2019 10 08", "0000", "4.5", "2.98", "-1.0", "-1.0", "2.2"},
                              {"2019 10 08", "0015", "-1.0", "3.10", "3.4", "2.3", "2.5"},
                              {"2019 10 08", "0100", "4.7", "-1.00", "3.5", "2.4", "-1.0"}}),
      "Warsaw");
  ASSERT_EQ(list.days.size(), 1u);
  const auto& soundings = list.days[0].soundings;
  ASSERT_EQ(soundings.size(), 2u);  // the line without foF2 is dropped whole
  EXPECT_EQ(soundings[0].column, "0000");
  EXPECT_EQ(soundings[0].values, (std::array<std::string, 5>{"4.5", "2.98", "", "", "2.2"}));
  EXPECT_EQ(soundings[1].column, "0100");
  EXPECT_EQ(soundings[1].values, (std::array<std::string, 5>{"4.7", "", "3.5", "2.4", ""}));
  EXPECT_EQ(list.lastDataTime, "01:00");
  EXPECT_EQ(list.lastDataDate, "08.10.2019");
}

TEST(ParseWorldList, FreshnessIsTheLastLineAsTheListWritesIt) {
  const auto list = ParseWorldList(
      IonoListText("Dourbes", {{"2019 10 08", "0000", "4.1"}, {"2019 10 08", "2345", "3.6"}}),
      "Dourbes");
  EXPECT_EQ(list.lastDataTime, "23:45");
  EXPECT_EQ(list.lastDataDate, "08.10.2019");
}

TEST(ParseWorldList, RealDataLineAndQuarterHours) {
  const auto line = testing::SplitSourceLines(
      "tests/data/real/swpc_iono_day/Boulder_iono_20181223_line_EXCERPT.txt");
  std::string text = IonoListText("Boulder", {});
  text += line.at(1) + "\n";
  const auto list = ParseWorldList(text, "Boulder");
  ASSERT_EQ(list.days.size(), 1u);
  EXPECT_EQ(list.days[0].date, (CalendarDate{2018, 12, 23}));
  ASSERT_EQ(list.days[0].soundings.size(), 1u);
  EXPECT_EQ(list.days[0].soundings[0].column, "1615");
  EXPECT_EQ(list.days[0].soundings[0].values,
            (std::array<std::string, 5>{"4.6", "3.83", "3.4", "2.3", "2.3"}));
  EXPECT_EQ(list.lastDataTime, "16:15");
}

TEST(ParseWorldList, JuliusruhSoundsAtMinuteThirteen) {
  const auto list = ParseWorldList(IonoListText("Juliusruh", {{"2019 10 08", "0700", "9.9"},
                                                              {"2019 10 08", "0713", "5.1"},
                                                              {"2019 10 08", "0745", "9.8"}}),
                                   "Juliusruh");
  ASSERT_EQ(list.days[0].soundings.size(), 1u);
  EXPECT_EQ(list.days[0].soundings[0].column, "0700");
  EXPECT_EQ(list.days[0].soundings[0].values[kWorldFoF2], "5.1");
  EXPECT_EQ(list.lastDataTime, "07:00");
}

TEST(WriteWorldList, TwoDaysWithMidnightIntoTheDayBefore) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  const auto list = ParseWorldList(
      IonoListText("Athens", {{"2019 10 07", "2345", "3.9", "3.00", "-1.0", "-1.0", "-1.0"},
                              {"2019 10 08", "0000", "3.8", "2.90", "-1.0", "-1.0", "1.9"},
                              {"2019 10 08", "0015", "3.7"}}),
      "Athens");
  ASSERT_EQ(list.days.size(), 2u);
  WriteWorldList(db, "Athens", list);
  for (const char* table : {"AthensFoF2", "AthensFoF1", "AthensfoE", "AthensFoEs", "AthensM3000"}) {
    EXPECT_EQ(testing::RowCount(db, table), 2) << table;
  }
  EXPECT_EQ(testing::DayValue(db, "AthensFoF2", {2019, 10, 7}, "2345"), 3.9);
  EXPECT_EQ(testing::DayValue(db, "AthensFoF2", {2019, 10, 7}, "2400"), 3.8);
  EXPECT_EQ(testing::DayValue(db, "AthensFoEs", {2019, 10, 7}, "2400"), 1.9);
  EXPECT_EQ(testing::DayValue(db, "AthensFoF2", {2019, 10, 8}, "0000"), 3.8);
  EXPECT_EQ(testing::DayValue(db, "AthensFoF2", {2019, 10, 8}, "0015"), 3.7);
  EXPECT_EQ(testing::DayValue(db, "AthensM3000", {2019, 10, 8}, "0000"), 2.9);
  EXPECT_EQ(list.lastDataTime, "00:15");
  EXPECT_EQ(list.lastDataDate, "08.10.2019");
}

TEST(ParseWorldList, AnUnreadableDateEndsTheListWithoutFreshness) {
  const auto list = ParseWorldList(
      IonoListText("Eglin", {{"2019 10 08", "0000", "3.8"}, {"2019 xx 09", "0000", "3.9"}}),
      "Eglin");
  EXPECT_FALSE(list.complete);
  ASSERT_EQ(list.days.size(), 1u);
  EXPECT_EQ(list.days[0].soundings.size(), 1u);
  EXPECT_EQ(list.lastDataTime, "");
}

}  // namespace
}  // namespace talver
