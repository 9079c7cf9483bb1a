#include <gtest/gtest.h>

#include "assessment/Disturbance.h"
#include "assessment/Freshness.h"
#include "assessment/Median.h"
#include "assessment/SourceList.h"
#include "common/Text.h"
#include "db/Database.h"
#include "tests/support/RecordingDisplay.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

TEST(MedianOf, MiddleValueOrMeanOfTheTwo) {
  using Values = std::vector<std::optional<double>>;
  const struct {
    Values values;
    double median;
  } cases[] = {
      {{4.1, 4.3, 4.0, 4.8, 4.5, 4.2, 4.6, 4.4, 4.7, 4.9}, 4.45},
      {{4.1, 4.3, 4.0, 4.8, std::nullopt, 4.2, 4.6, 4.4, 4.7, 4.9}, 4.4},
      {{std::nullopt, 6.2}, 6.2},
      {{std::nullopt, std::nullopt}, 0},
      {{}, 0},
      {{3.0, 5.0}, 4.0},
      {{0.0, 5.0, 0.0}, 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(MedianOf(c.values), c.median);
  }
}

TEST(Classify, EveryBoundOfTheSevenClasses) {
  const double m = 5.0;
  const struct {
    double c;
    const char* text;
    Colour colour;
    const char* percent;
  } cases[] = {
      {5.5, " Спокойное ", colours::kGreen, "10.0"},
      {4.0, " Спокойное ", colours::kGreen, "-20.0"},
      {6.0, " Спокойное ", colours::kGreen, "20.0"},
      {3.9, " Слабое отрицательное возмущение ", colours::kFuchsia, "-22.0"},
      {3.75, " Слабое отрицательное возмущение ", colours::kFuchsia, "-25.0"},
      {3.7, " Умеренное отрицательное возмущение ", colours::kPurple, "-26.0"},
      {3.25, " Умеренное отрицательное возмущение ", colours::kPurple, "-35.0"},
      {3.0, " Сильное отрицательное возмущение ", colours::kRed, "-40.0"},
      {6.05, " Слабое положительное возмущение ", colours::kFuchsia, "21.0"},
      {6.25, " Слабое положительное возмущение ", colours::kFuchsia, "25.0"},
      {6.75, " Умеренное положительное возмущение ", colours::kPurple, "35.0"},
      {7.0, " Сильное положительное возмущение ", colours::kRed, "40.0"},
  };
  for (const auto& c : cases) {
    const double q = (c.c - m) / m;
    EXPECT_EQ(Classify(q).text, c.text) << c.c;
    EXPECT_EQ(Classify(q).colour, c.colour) << c.c;
    EXPECT_EQ(PercentText(q), c.percent) << c.c;
  }
  EXPECT_EQ(PercentText(-0.2246), "-22.5");
  EXPECT_EQ(PercentText(0.03), "3.0");
}

TEST(FreshnessColour, ByHourAndByDate) {
  const auto at = [](int hour, int minute) { return DateTime{{2019, 10, 7}, hour, minute, 0, 0}; };
  EXPECT_EQ(FreshnessColour(13, "7.10.2019", at(13, 40)), colours::kGreen);
  EXPECT_EQ(FreshnessColour(13, "7.10.2019", at(14, 5)), colours::kFuchsia);
  EXPECT_EQ(FreshnessColour(13, "07.10.2019", at(15, 0)), colours::kRed);
  EXPECT_EQ(FreshnessColour(23, "6.10.2019", at(0, 30)), colours::kRed);  // only 90 min old
  EXPECT_EQ(FreshnessColour(13, "6.10.2019", at(13, 40)), colours::kRed);
  EXPECT_EQ(FreshnessColour(16, "7.10.2019", at(13, 40)), std::nullopt);
  EXPECT_THROW(FreshnessColour(13, "7/10/2019", at(13, 40)), std::invalid_argument);
  EXPECT_EQ(FreshnessColour(3, "garbage", at(13, 40)), colours::kRed);  // the date is not read
}

TEST(SourceList, EntriesAsTheOperatorsKnowThem) {
  EXPECT_EQ(kDataSources[0].caption, "Московский центр мониторинга ионосферы (Парус)");
  EXPECT_EQ(kDataSources[8].caption, "США (дигизонд в Болдуер) ");
  EXPECT_EQ(kDataSources[9].caption, "ЮАР (дигизонд) ");
  EXPECT_EQ(kDataSources[10].caption, "Перу (ионозодн Jicamarca)");
  EXPECT_EQ(kDataSources[18].caption, "Австралия (ионозоднд Learmonth)");
  EXPECT_FALSE(kDataSources[23].HasTable());
  EXPECT_EQ(SourceAt(25), nullptr);
  for (const auto& source : kDataSources) {
    if (source.HasTable()) {
      ASSERT_NE(FindTable(source.foF2Table), nullptr) << source.foF2Table;
      EXPECT_NE(FindTable("NameFileLast")->FindColumn(source.freshnessDateColumn), nullptr);
      EXPECT_NE(FindTable("NameFileLast")->FindColumn(source.freshnessTimeColumn), nullptr);
    }
  }
}

class Assessment : public ::testing::Test {
 protected:
  void Store(const std::string& table, const CalendarDate& day, const std::string& column,
             double value) {
    db_.EnsureDayRow(table, day);
    db_.VvodDanBD(table, day.year, day.month, day.day, column, FloatToStrSep('.', value));
  }
  void SetFreshness(const std::string& date, const std::string& time) {
    db_.Execute("UPDATE NameFileLast SET DataLast = ?, TimeLast = ?", {date, time});
  }

  testing::Sandbox sandbox_;
  Database db_{sandbox_.CreateDatabaseFile()};
  testing::RecordingDisplay display_;
};

TEST_F(Assessment, TheWindowIsTheTenDaysBeforeTodayAndTheHourItsColumn) {
  const CalendarDate today{2020, 3, 12};
  // 2 … 11 March carry 5.0 at 07 UT; 1 March and today carry values that must not count.
  for (int day = 2; day <= 11; ++day) {
    Store("MoscowFoF2dayMCMI", {2020, 3, day}, "7", 5.0);
  }
  Store("MoscowFoF2dayMCMI", {2020, 3, 1}, "7", 50.0);
  Store("MoscowFoF2dayMCMI", {2020, 3, 13}, "7", 50.0);
  Store("MoscowFoF2dayMCMI", today, "7", 5.5);
  Store("MoscowFoF2dayMCMI", today, "0700", 1.0);  // no such column in a bare-hour table
  const FixedClock clock(DateTime{today, 7, 40, 0, 0});
  SostoyanieIONO(db_, display_, 0, clock);
  EXPECT_EQ(display_.Label("Label16").text,
            "Текущее состояние ионосферы по выбранному зонду на 7 ч.");
  EXPECT_EQ(display_.Label("lbSostIono").text, " Спокойное 10.0%");
  EXPECT_EQ(display_.Label("lbSostIono").colour, colours::kGreen);
  EXPECT_EQ(display_.Label("lbSostIono").visible, true);
  ASSERT_TRUE(display_.IndicatorState("shSost"));
  EXPECT_TRUE(display_.IndicatorState("shSost")->visible);
  EXPECT_EQ(display_.IndicatorState("shSost")->fill, colours::kGreen);

  for (int day = 2; day <= 11; ++day) {
    Store("MO155FoF2", {2020, 3, day}, "0700", 5.0);
  }
  Store("MO155FoF2", today, "0700", 3.0);
  SostoyanieIONO(db_, display_, 1, clock);
  EXPECT_EQ(display_.Label("lbSostIono").text, " Сильное отрицательное возмущение -40.0%");
}

TEST_F(Assessment, NoMedianOrNoCurrentValueIsNoData) {
  const CalendarDate today{2019, 10, 7};
  const FixedClock clock(DateTime{today, 9, 10, 0, 0});
  SostoyanieIONO(db_, display_, 6, clock);  // nothing stored at all
  EXPECT_EQ(display_.Label("lbSostIono").text, "Нет данных");
  EXPECT_EQ(display_.Label("lbSostIono").colour, colours::kBlack);
  EXPECT_FALSE(display_.IndicatorState("shSost")->visible);

  Store("WarsawFoF2", {2019, 10, 3}, "0900", 0.0);
  Store("WarsawFoF2", {2019, 10, 4}, "0900", 0.0);
  Store("WarsawFoF2", {2019, 10, 5}, "0900", 5.0);
  Store("WarsawFoF2", today, "0900", 4.0);
  SostoyanieIONO(db_, display_, 6, clock);  // the median of 0, 0 and 5 is 0
  EXPECT_EQ(display_.Label("lbSostIono").text, "Нет данных");
  EXPECT_TRUE(display_.Messages().empty());
}

TEST_F(Assessment, AMedianThatCannotBeFormedShowsItsMessage) {
  db_.EnsureDayRow("PragaFoF2day", {2019, 10, 5});
  db_.Execute("UPDATE PragaFoF2day SET \"9\" = 'x'");
  const FixedClock clock(DateTime{{2019, 10, 7}, 9, 10, 0, 0});
  SostoyanieIONO(db_, display_, 3, clock);
  ASSERT_EQ(display_.Messages().size(), 1u);
  EXPECT_EQ(display_.Messages()[0].text.rfind("7430F3F3: Ошибка при обработки данных.\r\n\r\n", 0),
            0u);
  EXPECT_EQ(display_.Label("lbSostIono").text, "Нет данных");
}

TEST_F(Assessment, FreshnessTextColourAndThenTheState) {
  const FixedClock clock(DateTime{{2019, 10, 7}, 13, 40, 0, 0});
  LastData(db_, display_, 0, clock);
  EXPECT_EQ(display_.Label("lbDanny").text, "Нет данных.");
  EXPECT_EQ(display_.Label("lbDanny").colour, colours::kRed);
  EXPECT_EQ(display_.Label("lbSostIono").text, "Нет данных");  // the state still ran

  SetFreshness("7.10.2019", "13:00");
  LastData(db_, display_, 0, clock);
  EXPECT_EQ(display_.Label("lbDanny").text, "Данные актуальны на 13:00 7.10.2019");
  EXPECT_EQ(display_.Label("lbDanny").colour, colours::kGreen);

  // A time without a two-digit hour: the text is shown, the state is not assessed.
  SetFreshness("7.10.2019", "1:00");
  testing::RecordingDisplay fresh;
  LastData(db_, fresh, 0, clock);
  EXPECT_EQ(fresh.Label("lbDanny").text, "Данные актуальны на 1:00 7.10.2019");
  EXPECT_FALSE(fresh.HasLabel("lbSostIono"));

  // A blank entry changes nothing.
  testing::RecordingDisplay blank;
  LastData(db_, blank, 23, clock);
  EXPECT_FALSE(blank.HasLabel("lbDanny"));
  EXPECT_FALSE(blank.HasLabel("lbSostIono"));
}

TEST_F(Assessment, TheLastRowOfTheFreshnessTableIsShown) {
  db_.Execute("INSERT INTO NameFileLast (DataLast, TimeLast) VALUES ('7.10.2019', '12:00')");
  SetFreshness("6.10.2019", "10:00");
  db_.Execute("UPDATE NameFileLast SET DataLast = '7.10.2019' WHERE rowid = 2");
  const FixedClock clock(DateTime{{2019, 10, 7}, 10, 40, 0, 0});
  LastData(db_, display_, 0, clock);
  EXPECT_EQ(display_.Label("lbDanny").text, "Данные актуальны на 10:00 7.10.2019");
}

}  // namespace
}  // namespace talver
