#include "sources/parus/ParusCatchUp.h"

#include <gtest/gtest.h>

#include "db/Database.h"
#include "tests/support/AcquisitionTest.h"
#include "tests/support/DbAccess.h"
#include "tests/support/ParusFixture.h"
#include "tests/support/ServerProcess.h"

namespace talver {
namespace {

std::vector<std::string> FileNames(const ParusStation& station, const ParusWalkPlan& plan) {
  std::vector<std::string> names;
  for (const auto& day : plan.days) {
    for (int hour = day.firstHour; hour <= day.lastHour; ++hour) {
      names.push_back(ParusFileName(station, day.date, hour));
    }
  }
  return names;
}

DateTime At(int year, int month, int day, int hour, int minute = 20) {
  return DateTime{{year, month, day}, hour, minute, 0, 0};
}

TEST(ParusFileNames, DayNumberWithOrWithoutZeros) {
  EXPECT_EQ(ParusFileName(kMoscow, {2019, 10, 7}, 5), "19280F00.txt");
  EXPECT_EQ(ParusFileName(kMoscow, {2020, 1, 5}, 0), "20005A00.txt");
  EXPECT_EQ(ParusFileName(kRome, {2020, 2, 1}, 23), "20032X00.txt");
  EXPECT_EQ(ParusFileName(kNovosibirsk, {2020, 1, 5}, 0), "205A00.txt");
  EXPECT_EQ(ParusFileName(kNovosibirsk, {2020, 2, 1}, 1), "2032B00.txt");
  EXPECT_EQ(FileNameZapusk(At(2020, 1, 5, 0)), "205A00.txt");
}

TEST(ParusStoredName, ReadBackPerStation) {
  const struct {
    const ParusStation& station;
    const char* name;
    int day;
    int hour;
  } cases[] = {
      {kMoscow, "19280F00.txt", 280, 5},       {kRome, "20005A00.txt", 5, 0},
      {kNovosibirsk, "195A00.txt", 5, 0},      {kNovosibirsk, "1945X00.txt", 45, 23},
      {kNovosibirsk, "19280K00.txt", 280, 10}, {kNovosibirsk, "19.txt", 0, 0},
  };
  for (const auto& c : cases) {
    const auto position = ReadStoredParusName(c.station, c.name);
    EXPECT_EQ(position.year2, 19 + (std::string(c.name).rfind("20", 0) == 0)) << c.name;
    EXPECT_EQ(position.dayNumber, c.day) << c.name;
    EXPECT_EQ(position.hour, c.hour) << c.name;
  }
}

TEST(ParusWalkPlan, StartsFromTheStoredFileOrTenDaysBack) {
  const auto plan = [](const ParusStation& station, const char* stored, DateTime now) {
    return FileNames(station, PlanParusWalk(station, stored, now));
  };
  using Names = std::vector<std::string>;

  EXPECT_TRUE(PlanParusWalk(kMoscow, "19280F00.txt", At(2019, 10, 7, 5, 40)).upToDate);
  EXPECT_TRUE(PlanParusWalk(kRome, " 19280F00.txt ", At(2019, 10, 7, 5, 0)).upToDate);

  const auto sameDay = PlanParusWalk(kMoscow, "19280C00.txt", At(2019, 10, 7, 5));
  EXPECT_TRUE(sameDay.startsToday);
  EXPECT_EQ(FileNames(kMoscow, sameDay), (Names{"19280D00.txt", "19280E00.txt", "19280F00.txt"}));

  const Names afterMidnight = plan(kMoscow, "19278X00.txt", At(2019, 10, 7, 0));
  ASSERT_EQ(afterMidnight.size(), 25u);
  EXPECT_EQ(afterMidnight.front(), "19279A00.txt");
  EXPECT_EQ(afterMidnight[23], "19279X00.txt");
  EXPECT_EQ(afterMidnight.back(), "19280A00.txt");

  const Names firstRun = plan(kMoscow, "", At(2020, 1, 5, 2));
  ASSERT_EQ(firstRun.size(), 10u * 24u + 3u);
  EXPECT_EQ(firstRun.front(), "19360A00.txt");
  EXPECT_EQ(firstRun[6 * 24 - 1], "19365X00.txt");
  EXPECT_EQ(firstRun[6 * 24], "20001A00.txt");
  EXPECT_EQ(firstRun.back(), "20005C00.txt");

  // Day 360 of last year is late enough to carry on from; day 200 is not.
  EXPECT_EQ(plan(kMoscow, "19360K00.txt", At(2020, 1, 3, 1)).front(), "19360L00.txt");
  const Names restarted = plan(kMoscow, "19200K00.txt", At(2020, 1, 3, 1));
  EXPECT_EQ(restarted.front(), "19358L00.txt");  // 24 December 2019, the hour after K
  EXPECT_EQ(restarted.back(), "20003B00.txt");

  EXPECT_EQ(plan(kNovosibirsk, "195A00.txt", At(2019, 1, 5, 3)),
            (Names{"195B00.txt", "195C00.txt", "195D00.txt"}));
  EXPECT_TRUE(plan(kMoscow, "19280X00.txt", At(2019, 10, 7, 23)).empty());
}

TEST(ParusWalkPlan, StoredNamesOutsideTheComparedRangesRestartTenDaysBack) {
  const DateTime now = At(2020, 1, 10, 1);
  for (const char* stored : {"17355A00.txt", "19005A00.txt", "20012A00.txt", "garbage",
                             "20400A00.txt", "xx005A00.txt"}) {
    const auto names = FileNames(kMoscow, PlanParusWalk(kMoscow, stored, now));
    ASSERT_FALSE(names.empty()) << stored;
    EXPECT_EQ(names.front().substr(0, 5), "19365") << stored;  // 31 December 2019
    EXPECT_EQ(names.back(), "20010B00.txt") << stored;
  }
}

class ParusWalkWithServer : public testing::AcquisitionTest {
 protected:
  ParusWalkWithServer() : AcquisitionTest(At(2019, 10, 6, 14, 20)) {}

  void Publish(const std::string& name, const std::string& day, const std::string& hour,
               const std::string& foF2) {
    testing::ParusFields fields;
    fields.day = day;
    fields.hour = hour;
    fields.foF2 = foF2;
    sandbox_.Write("www/Moscow/data/" + name, testing::ParusFileText(fields));
  }

  testing::HttpServer server_{sandbox_ / "www"};
};

TEST_F(ParusWalkWithServer, ARefusedFileIsPassedOverOnceALaterOneIsTaken) {
  settings_.Write("FILE", "FileName", "19279L00.txt");
  Publish("19279M00.txt", "06", "12", "05.10");
  Publish("19279O00.txt", "06", "14", "05.40");  // 19279N00.txt is missing
  const std::string base = server_.Url("/Moscow/data/");
  CatchUpParusStation(acquisition_, kMoscow, base);

  EXPECT_EQ(server_.RequestedPaths(),
            (std::vector<std::string>{"/Moscow/data/19279M00.txt", "/Moscow/data/19279N00.txt",
                                      "/Moscow/data/19279O00.txt"}));
  EXPECT_EQ(settings_.Read("FILE", "FileName"), "19279O00.txt");
  EXPECT_EQ(JournalTexts(), (std::vector<std::string>{" Файл " + base + "19279M00.txt принят.",
                                                      " Файл " + base + "19279N00.txt не принят.",
                                                      " Файл " + base + "19279O00.txt принят."}));
  const auto freshness = db_.Query("SELECT DataLast, TimeLast FROM NameFileLast").rows.at(0);
  EXPECT_EQ(AsText(freshness[0]), "06.10.2019");
  EXPECT_EQ(AsText(freshness[1]), "14:00");
  EXPECT_TRUE(StatusShown("Москва 19279N00.txt"));
  EXPECT_TRUE(StatusShown("Файл 19279N00.txt не принят."));
  EXPECT_TRUE(std::filesystem::is_empty(sandbox_ / "Tmp"));

  // The next cycle asks for what came after the last file taken, never for hour 13 again.
  clock_.Set(At(2019, 10, 6, 15, 20));
  CatchUpParusStation(acquisition_, kMoscow, base);
  EXPECT_EQ(server_.RequestedPaths().back(), "/Moscow/data/19279P00.txt");
  EXPECT_EQ(server_.RequestedPaths().size(), 4u);
}

TEST_F(ParusWalkWithServer, HourAFilesCreateTheDayRowsAndReachBackOneDay) {
  settings_.Write("FILE", "FileName", "19279X00.txt");
  clock_.Set(At(2019, 10, 7, 0, 20));
  db_.InsertFile(kMoscowTables, {2019, 10, 6});
  Publish("19280A00.txt", "07", "00", "03.30");
  CatchUpParusStation(acquisition_, kMoscow, server_.Url("/Moscow/data/"));
  EXPECT_EQ(testing::DayValue(db_, "MoscowFoF2dayMCMI", {2019, 10, 7}, "0"), 3.3);
  EXPECT_EQ(testing::DayValue(db_, "MoscowFoF2dayMCMI", {2019, 10, 6}, "24"), 3.3);
  EXPECT_EQ(testing::DayRowCount(db_, "MoscowfoEdayMCMI", {2019, 10, 7}), 1);
}

TEST_F(ParusWalkWithServer, AFileWithoutSoundingIsTakenButStoresNothing) {
  settings_.Write("FILE", "FileName", "19279M00.txt");
  clock_.Set(At(2019, 10, 6, 13, 20));
  Publish("19279N00.txt", "06", "13", "NO");
  CatchUpParusStation(acquisition_, kMoscow, server_.Url("/Moscow/data/"));
  EXPECT_EQ(settings_.Read("FILE", "FileName"), "19279N00.txt");
  EXPECT_FALSE(settings_.Read("FILE", "DataFile").empty());
  EXPECT_EQ(AsText(db_.Query("SELECT DataLast FROM NameFileLast").rows.at(0).at(0)), "");
  EXPECT_EQ(JournalTexts().back(),
            " Файл " + server_.Url("/Moscow/data/") + "19279N00.txt принят.");
}

}  // namespace
}  // namespace talver
