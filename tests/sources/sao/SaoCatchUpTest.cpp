#include "sources/sao/SaoCatchUp.h"

#include <gtest/gtest.h>

#include "db/Database.h"
#include "tests/support/AcquisitionTest.h"
#include "tests/support/DbAccess.h"
#include "tests/support/SaoFixture.h"
#include "tests/support/ServerProcess.h"

namespace talver {
namespace {

std::vector<std::string> Names(const SaoWalkPlan& plan) {
  std::vector<std::string> names;
  for (const auto& day : plan.days) {
    names.push_back(SaoFileName(kPrague, day));
  }
  return names;
}

std::vector<std::string> Range(int year, int first, int last) {
  std::vector<std::string> names;
  for (int day = first; day <= last; ++day) {
    names.push_back(SaoFileName(kPrague, CalendarDate::FromDayOfYear(year, day)));
  }
  return names;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(SaoWalkPlan, FromTheStoredDayOrTheWindowUpToToday) {
  const auto day = [](int year, int number) { return CalendarDate::FromDayOfYear(year, number); };
  const struct {
    const char* stored;
    CalendarDate today;
    std::vector<std::string> names;
  } cases[] = {
      {"PQ052_2019280.SAO", day(2019, 280), Range(2019, 280, 280)},
      {"PQ052_2019270.SAO", day(2019, 280), Range(2019, 270, 280)},
      {"PQ052_2019270.SAO", day(2019, 284), Range(2019, 274, 284)},
      {"PQ052_2018362.SAO", day(2019, 3), Join(Range(2018, 362, 365), Range(2019, 1, 3))},
      {"", day(2019, 3), Join(Range(2018, 358, 365), Range(2019, 1, 3))},
      {"  ", day(2019, 10), Join(Range(2018, 365, 365), Range(2019, 1, 10))},
      {"PQ052_2018350.SAO", day(2019, 3), Join(Range(2018, 358, 365), Range(2019, 1, 3))},
      // Outside what the day comparisons were made for: restart ten days back.
      {"PQ052_2019290.SAO", day(2019, 280), Range(2019, 270, 280)},
      {"PQ052_2017362.SAO", day(2019, 3), Join(Range(2018, 358, 365), Range(2019, 1, 3))},
      {"PQ052_2018002.SAO", day(2019, 3), Join(Range(2018, 358, 365), Range(2019, 1, 3))},
      {"PQ052_2018003.SAO", day(2019, 3), Join(Range(2018, 358, 365), Range(2019, 1, 3))},
      {"rubbish", day(2019, 280), Range(2019, 270, 280)},
  };
  for (const auto& c : cases) {
    const SaoWalkPlan plan = PlanSaoWalk(kPrague, c.stored, c.today);
    EXPECT_EQ(Names(plan), c.names) << c.stored << " on " << c.today.Iso();
  }
  EXPECT_TRUE(PlanSaoWalk(kPrague, "PQ052_2019280.SAO", day(2019, 280)).storedDayOnly);
  EXPECT_FALSE(PlanSaoWalk(kPrague, "PQ052_2019279.SAO", day(2019, 280)).storedDayOnly);
}

class SaoWalkWithServer : public testing::AcquisitionTest {
 protected:
  SaoWalkWithServer() : AcquisitionTest(DateTime{{2019, 10, 7}, 10, 20, 0, 0}) {}
  void Publish(int dayOfYear, int hour, const std::string& foF2) {
    testing::SaoRecord record;
    record.dayOfYear = dayOfYear;
    const CalendarDate date = CalendarDate::FromDayOfYear(2019, dayOfYear);
    record.month = date.month;
    record.day = date.day;
    record.hour = hour;
    record.fields[testing::kFieldFoF2] = foF2;
    sandbox_.Write("www/OneDaySecure/" + SaoFileName(kPrague, date),
                   testing::SaoRecordText(record));
  }

  testing::HttpServer server_{sandbox_ / "www"};
};

TEST_F(SaoWalkWithServer, AFileThatIsNotSaoIsRefusedAndTheWalkGoesOn) {
  settings_.Write("FILE", "FileNamePraga", "PQ052_2019277.SAO");
  Publish(277, 5, "4.100");
  sandbox_.Write("www/OneDaySecure/PQ052_2019278.SAO", "<html><body>Server busy</body></html>");
  Publish(279, 9, "4.300");
  Publish(280, 8, "4.400");
  const std::string base = server_.Url("/OneDaySecure/");
  SAOFile(acquisition_, kPrague, base);

  EXPECT_EQ(server_.RequestedPaths(),
            (std::vector<std::string>{
                "/OneDaySecure/PQ052_2019277.SAO", "/OneDaySecure/PQ052_2019278.SAO",
                "/OneDaySecure/PQ052_2019279.SAO", "/OneDaySecure/PQ052_2019280.SAO"}));
  EXPECT_EQ(testing::DayValue(db_, "PragaFoF2day", {2019, 10, 6}, "9"), 4.3);
  EXPECT_EQ(testing::DayValue(db_, "PragaFoF2day", {2019, 10, 7}, "8"), 4.4);
  EXPECT_EQ(testing::DayRowCount(db_, "PragaFoF2day", {2019, 10, 5}), 0);
  EXPECT_EQ(settings_.Read("FILE", "FileNamePraga"), "PQ052_2019280.SAO");
  const auto& records = journal_.Records();
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[1].text.rfind(" Файл " + base + "PQ052_2019278.SAO не принят. Причина: ", 0),
            0u)
      << records[1].text;
  EXPECT_EQ(records[2].text, " Файл " + base + "PQ052_2019279.SAO принят.");
  const auto freshness =
      db_.Query("SELECT DataLastPraga, TimeLastPraga FROM NameFileLast").rows.at(0);
  EXPECT_EQ(AsText(freshness[0]), "7.10.2019");
  EXPECT_EQ(AsText(freshness[1]), "08:00");
  EXPECT_EQ(display_.Statuses().front(), "Загрузка данных...");
  EXPECT_TRUE(StatusShown("Загрузка PQ052_2019279.SAO"));
}

TEST_F(SaoWalkWithServer, ARejectedLastFileLeavesTheStoredNameWhereItWas) {
  settings_.Write("FILE", "FileNamePraga", "PQ052_2019280.SAO");
  sandbox_.Write("www/OneDaySecure/PQ052_2019280.SAO", "not a day file");
  SAOFile(acquisition_, kPrague, server_.Url("/OneDaySecure/"));
  EXPECT_EQ(server_.RequestedPaths(), std::vector<std::string>{"/OneDaySecure/PQ052_2019280.SAO"});
  EXPECT_EQ(settings_.Read("FILE", "DataFilePraga"), "");
  acquisition_.internetOnline = false;
  SAOFile(acquisition_, kPrague, server_.Url("/OneDaySecure/"));
  EXPECT_EQ(server_.RequestedPaths().size(), 1u);
}

}  // namespace
}  // namespace talver
