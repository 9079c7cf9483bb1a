#include "sources/swpc/Storm.h"

#include <gtest/gtest.h>

#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/RecordingDisplay.h"
#include "tests/support/Sandbox.h"
#include "tests/support/SwpcFixture.h"

namespace talver {
namespace {

using testing::StormHour;
using testing::StormText;

TEST(ParseStorm, DataLinesStartAtTheTwentyFirst) {
  EXPECT_TRUE(ParseStorm(StormText({})).lines.empty());
  const auto one = ParseStorm(StormText({{3, "7", 94.2, 1.05}}));
  ASSERT_EQ(one.lines.size(), 1u);
  EXPECT_EQ(one.lines[0].ut, 3);
  EXPECT_EQ(one.lines[0].hapText, "7");
  EXPECT_EQ(one.lines[0].values[0], 7);
  EXPECT_EQ(one.lines[0].values[1], 94.2);
  EXPECT_EQ(one.lines[0].values[2], 1.05);
  EXPECT_EQ(one.lines[0].values[7], 1.05);
  // Lines without a whole-number hour are no data lines, a final blank line among them.
  const auto tail = ParseStorm(StormText({{0, "7"}, {1, "9"}}, "  x.5  9  1.0\n\n"));
  ASSERT_EQ(tail.lines.size(), 2u);
  EXPECT_EQ(tail.lines.back().ut, 1);
}

TEST(StoreStorm, EachHourOnceAndNeverUpdated) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  const CalendarDate today{2019, 10, 7};
  StoreStorm(db, today, ParseStorm(StormText({{0, "7"}, {1, "9"}})));
  StoreStorm(db, today, ParseStorm(StormText({{0, "50"}, {1, "9"}, {2, "12"}})));
  StoreStorm(db, today.AddDays(-1), ParseStorm(StormText({{0, "3"}})));
  EXPECT_EQ(testing::RowCount(db, "STORM"), 4);
  const auto hap = db.Query("SELECT Hap FROM STORM WHERE Data = '2019-10-07' AND UT = 0").rows;
  EXPECT_EQ(AsNumber(hap.at(0).at(0)), 7);
  const auto row = db.Query("SELECT IntAp, \"70\", \"_70\" FROM STORM WHERE UT = 2").rows.at(0);
  EXPECT_EQ(AsNumber(row[0]), 94.2);
  EXPECT_EQ(AsNumber(row[1]), 1.0);
  EXPECT_EQ(AsNumber(row[2]), 1.0);
}

TEST(GeomagneticState, EveryBound) {
  const struct {
    int hap;
    const char* text;
    Colour colour;
  } cases[] = {
      {0, "Состояние - СПОКОЙНОЕ", colours::kGreen},
      {7, "Состояние - СПОКОЙНОЕ", colours::kGreen},
      {8, "Состояние - НЕУСТОЙЧИВОЕ", colours::kGrey},
      {15, "Состояние - НЕУСТОЙЧИВОЕ", colours::kGrey},
      {16, "Состояние - ВОЗМУЩЕННОЕ", colours::kPurple},
      {29, "Состояние - ВОЗМУЩЕННОЕ", colours::kPurple},
      {30, "Состояние - СЛАБАЯ МАГНИТНАЯ БУРЯ", colours::kFuchsia},
      {49, "Состояние - СЛАБАЯ МАГНИТНАЯ БУРЯ", colours::kFuchsia},
      {50, "Состояние - СРЕДНЯЯ МАГНИТНАЯ БУРЯ", colours::kMaroon},
      {99, "Состояние - СРЕДНЯЯ МАГНИТНАЯ БУРЯ", colours::kMaroon},
      {100, "Состояние - СИЛЬНАЯ МАГНИТНАЯ БУРЯ", colours::kRed},
      {-1, "Состояние - СИЛЬНАЯ МАГНИТНАЯ БУРЯ", colours::kRed},
  };
  for (const auto& c : cases) {
    const auto state = GeomagneticStateOf(c.hap);
    EXPECT_EQ(state.text, c.text) << c.hap;
    EXPECT_EQ(state.colour, c.colour) << c.hap;
  }
}

TEST(ShowStormState, NewestHourOfTodaysFile) {
  testing::RecordingDisplay display;
  const CalendarDate today{2019, 10, 7};
  ShowStormState(display, ParseStorm(StormText({{2, "20"}, {3, "35"}})), today, "12", "3");
  EXPECT_EQ(display.Label("lbAp").text,
            "Индекс геомагнитной активности на 03 часов 7.10.2019 Ар=12; Ki=3");
  EXPECT_EQ(display.Label("lbApSost").text, "Состояние - СЛАБАЯ МАГНИТНАЯ БУРЯ");
  EXPECT_EQ(display.Label("lbApSost").colour, colours::kFuchsia);

  ShowStormState(display, ParseStorm(StormText({{21, "5"}})), today, "12", "3");
  EXPECT_EQ(display.Label("lbAp").text,
            "Индекс геомагнитной активности на 21 часов 7.10.2019 Ар=12; Ki=3");

  // A Hap with a fraction, or no line at all: no data, the colour stays.
  for (const std::string& text : {StormText({{4, "12.5"}}), StormText({})}) {
    ShowStormState(display, ParseStorm(text), today, "12", "3");
    EXPECT_EQ(display.Label("lbAp").text, kNoStormDataText);
    EXPECT_EQ(display.Label("lbApSost").text, "Нет данных");
    EXPECT_EQ(display.Label("lbApSost").colour, colours::kGreen);
  }
}

TEST(StormInetOff, TheLastStoredRowRoundedHalfToEven) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  testing::RecordingDisplay display;
  StormInetOff(db, display, "");
  EXPECT_EQ(display.Label("lbAp").text, kNoStormDataText);
  EXPECT_EQ(display.Label("lbApSost").text, "Нет данных");

  StoreStorm(db, {2019, 10, 7}, ParseStorm(StormText({{3, "12.5"}})));
  StormInetOff(db, display, "");
  EXPECT_EQ(display.Label("lbAp").text,
            "Индекс геомагнитной активности на 03 часов 07.10.2019 Ар=12.5; Ki=");
  EXPECT_EQ(display.Label("lbApSost").text, "Состояние - НЕУСТОЙЧИВОЕ");  // 12

  StoreStorm(db, {2019, 10, 7}, ParseStorm(StormText({{14, "15.5"}})));
  StormInetOff(db, display, "2");
  EXPECT_EQ(display.Label("lbAp").text,
            "Индекс геомагнитной активности на 14 часов 07.10.2019 Ар=15.5; Ki=2");
  EXPECT_EQ(display.Label("lbApSost").text, "Состояние - ВОЗМУЩЕННОЕ");  // 16
}

}  // namespace
}  // namespace talver
