// talver --once catching up the Prague digisonde under faketime.
#include <gtest/gtest.h>

#include "app/Journal.h"
#include "app/Settings.h"
#include "common/Files.h"
#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/Process.h"
#include "tests/support/Sandbox.h"
#include "tests/support/SaoFixture.h"
#include "tests/support/ServerProcess.h"

namespace talver {
namespace {

TEST(OncePrague, WalksFromTheStoredDayAndStoresEveryFullHour) {
  testing::Sandbox sandbox;
  const auto data = sandbox / "data";
  std::filesystem::create_directories(data);
  CreateDatabase(data / "dbPrognoz.sqlite");
  for (int number = 270; number <= 280; ++number) {
    const CalendarDate date = CalendarDate::FromDayOfYear(2019, number);
    std::string file;
    for (int hour = 0; hour < 24; hour += 6) {
      testing::SaoRecord record;
      record.dayOfYear = number;
      record.month = date.month;
      record.day = date.day;
      record.hour = hour;
      record.fields[testing::kFieldFoF2] =
          std::to_string(number - 265) + (hour < 10 ? ".0" : ".") + std::to_string(hour);
      record.fields[testing::kFieldFoE] = "2.000";
      file += testing::SaoRecordText(record, hour % 12 ? "\n" : "\r\n");
      record.minute = 15;  // a quarter-hour sounding beside each full-hour one
      record.fields[testing::kFieldFoF2] = "99.000";
      file += testing::SaoRecordText(record);
    }
    sandbox.Write("www/OneDaySecure/PQ052_2019" + std::to_string(number) + ".SAO", file);
  }
  sandbox.Write("www/OneDaySecure/PQ052_2019275.SAO", "<html>Service Unavailable</html>\n");
  testing::HttpServer server(sandbox / "www");
  testing::WriteLocalSettings(data, server.Port());
  Settings(data / "talver.INI").Write("FILE", "FileNamePraga", "PQ052_2019270.SAO");

  const auto run = testing::RunOnce(data, "2019-10-07 20:20:00");
  ASSERT_EQ(run.exitCode, 0) << run.output;

  std::vector<std::string> prague;
  for (const auto& path : server.RequestedPaths()) {
    if (path.rfind("/OneDaySecure/", 0) == 0) {
      prague.push_back(path.substr(14));
    }
  }
  std::vector<std::string> expected;
  for (int number = 270; number <= 280; ++number) {
    expected.push_back("PQ052_2019" + std::to_string(number) + ".SAO");
  }
  EXPECT_EQ(prague, expected);

  Database db(data / "dbPrognoz.sqlite");
  for (int number = 270; number <= 280; ++number) {
    const CalendarDate date = CalendarDate::FromDayOfYear(2019, number);
    if (number == 275) {
      EXPECT_EQ(testing::DayRowCount(db, "PragaFoF2day", date), 0);
      continue;
    }
    for (int hour = 0; hour < 24; hour += 6) {
      EXPECT_NEAR(testing::DayValue(db, "PragaFoF2day", date, std::to_string(hour)).value_or(-1),
                  (number - 265) + hour / 100.0, 1e-9)
          << date.Iso() << " " << hour;
      EXPECT_EQ(testing::DayValue(db, "PragafoEday", date, std::to_string(hour)), 2.0);
    }
    EXPECT_EQ(testing::DayValue(db, "PragaFoF2day", date, "3"), std::nullopt);
  }
  EXPECT_EQ(testing::DayValue(db, "PragaFoF2day", {2019, 10, 6}, "24"), 15.0);

  const Settings settings(data / "talver.INI");
  EXPECT_EQ(settings.Read("FILE", "FileNamePraga"), "PQ052_2019280.SAO");
  EXPECT_EQ(settings.Read("FILE", "DataFilePraga").substr(0, 16), "07.10.2019 20:20");
  const auto freshness =
      db.Query("SELECT DataLastPraga, TimeLastPraga FROM NameFileLast").rows.at(0);
  EXPECT_EQ(AsText(freshness[0]), "7.10.2019");
  EXPECT_EQ(AsText(freshness[1]), "18:00");

  const auto journal = ParseJournalFile(ReadFileText(data / "Log.txt"));
  const auto refused = std::count_if(journal.begin(), journal.end(), [](const JournalRecord& r) {
    return r.text.find("PQ052_2019275.SAO не принят. Причина:") != std::string::npos;
  });
  EXPECT_EQ(refused, 1);
}

}  // namespace
}  // namespace talver
