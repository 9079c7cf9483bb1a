// talver --once as a process, under faketime, against a local HTTP server.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/Journal.h"
#include "app/Settings.h"
#include "common/Files.h"
#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/ParusFixture.h"
#include "tests/support/Process.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ServerProcess.h"

namespace talver {
namespace {

std::string Value(int day, int hour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%05.2f", 3.0 + hour * 0.1 + (day - 270) * 0.01);
  return buffer;
}

std::string FileName(int day, int hour) {
  return "19" + std::to_string(day) + std::string(1, static_cast<char>('A' + hour)) + "00.txt";
}

class OnceParus : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(data_);
    CreateDatabase(data_ / "dbPrognoz.sqlite");
    for (int day = 270; day <= 280; ++day) {
      const CalendarDate date = CalendarDate::FromDayOfYear(2019, day);
      for (int hour = 0; hour <= (day == 280 ? 10 : 23); ++hour) {
        testing::ParusFields fields;
        fields.month =
            date.month < 10 ? "0" + std::to_string(date.month) : std::to_string(date.month);
        fields.day = date.day < 10 ? "0" + std::to_string(date.day) : std::to_string(date.day);
        fields.hour = hour < 10 ? "0" + std::to_string(hour) : std::to_string(hour);
        fields.foF2 = Value(day, hour);
        sandbox_.Write("www/Moscow/data/" + FileName(day, hour), testing::ParusFileText(fields));
      }
    }
  }

  void Configure(int port) { testing::WriteLocalSettings(data_, port); }

  std::vector<JournalRecord> Journal() const {
    return ParseJournalFile(ReadFileText(data_ / "Log.txt"));
  }

  testing::Sandbox sandbox_;
  std::filesystem::path data_ = sandbox_ / "data";
};

TEST_F(OnceParus, CatchesUpTenDaysFromAnEmptySettingsFile) {
  testing::HttpServer server(sandbox_ / "www");
  Configure(server.Port());
  const auto run = testing::RunOnce(data_, "2019-10-07 10:20:00");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("lbDanny: Данные актуальны на 10:00 07.10.2019\n"), std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("lbSostIono:  Спокойное 1.4%\n"), std::string::npos) << run.output;

  std::vector<std::string> moscow;
  for (const auto& path : server.RequestedPaths()) {
    if (path.rfind("/Moscow/data/", 0) == 0) {
      moscow.push_back(path.substr(13));
    }
  }
  std::vector<std::string> expected;
  for (int day = 270; day <= 280; ++day) {
    for (int hour = 0; hour <= (day == 280 ? 10 : 23); ++hour) {
      expected.push_back(FileName(day, hour));
    }
  }
  EXPECT_EQ(moscow, expected);

  Database db(data_ / "dbPrognoz.sqlite");
  for (int day = 270; day <= 280; ++day) {
    const CalendarDate date = CalendarDate::FromDayOfYear(2019, day);
    for (int hour = 0; hour <= (day == 280 ? 10 : 23); ++hour) {
      EXPECT_NEAR(
          testing::DayValue(db, "MoscowFoF2dayMCMI", date, std::to_string(hour)).value_or(-1),
          std::stod(Value(day, hour)), 1e-9)
          << date.Iso() << " " << hour;
    }
    if (day > 270) {
      EXPECT_NEAR(testing::DayValue(db, "MoscowFoF2dayMCMI", date.AddDays(-1), "24").value_or(-1),
                  std::stod(Value(day, 0)), 1e-9)
          << date.Iso();
    }
    EXPECT_EQ(testing::DayValue(db, "MoskowM3000dayMCMI", date, "3"), 2.87) << date.Iso();
    EXPECT_EQ(testing::DayValue(db, "MoscowfoEdayMCMI", date, "3"), 2.51) << date.Iso();
    EXPECT_EQ(testing::DayValue(db, "MoscowF0F1dayMCMI", date, "3"), std::nullopt);
  }

  const Settings settings(data_ / "talver.INI");
  EXPECT_EQ(settings.Read("FILE", "FileName"), "19280K00.txt");
  EXPECT_EQ(settings.Read("FILE", "DataFile").substr(0, 10), "07.10.2019");
  EXPECT_EQ(settings.Read("FILE", "FileNameNovosibirsk"), "");
  const auto freshness = db.Query("SELECT DataLast, TimeLast FROM NameFileLast").rows.at(0);
  EXPECT_EQ(AsText(freshness[0]), "07.10.2019");
  EXPECT_EQ(AsText(freshness[1]), "10:00");

  const auto journal = Journal();
  ASSERT_GE(journal.size(), 3u);
  EXPECT_EQ(journal[0].text, " ИНТЕРНЕТ ПОДКЛЮЧЕН!");
  EXPECT_EQ(journal[1], (JournalRecord{journal[1].time, "", ""}));
  EXPECT_EQ(journal[2].text, "         ОТКРЫТИЕ  ПРОГРАММЫ.");
  EXPECT_EQ(journal[1].time.substr(0, 10), "07.10.2019");
  std::size_t taken = 0;
  for (const auto& record : journal) {
    if (record.text.find("/Moscow/data/") != std::string::npos) {
      EXPECT_TRUE(record.text.ends_with(".txt принят.")) << record.text;
      ++taken;
    }
  }
  EXPECT_EQ(taken, expected.size());
  EXPECT_TRUE(std::filesystem::is_empty(data_ / "Tmp"));
}

TEST_F(OnceParus, WithoutTheServerEveryFileIsRefusedAndNothingMoves) {
  int port = 0;
  {
    testing::HttpServer server(sandbox_ / "www");
    port = server.Port();
  }
  Configure(port);
  const Settings settings(data_ / "talver.INI");
  settings.Write("FILE", "FileName", "19280H00.txt");
  const auto before = ReadFileText(data_ / "talver.INI");
  const auto run = testing::RunOnce(data_, "2019-10-07 10:20:00");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(ReadFileText(data_ / "talver.INI"), before);
  const auto journal = Journal();
  std::vector<std::string> moscow;
  for (const auto& record : journal) {
    if (record.text.find("/Moscow/data/") != std::string::npos) {
      moscow.push_back(record.text);
    }
  }
  const std::string base = " Файл http://127.0.0.1:" + std::to_string(port) + "/Moscow/data/";
  EXPECT_EQ(moscow, (std::vector<std::string>{base + "19280I00.txt не принят.",
                                              base + "19280J00.txt не принят.",
                                              base + "19280K00.txt не принят."}));
}

TEST(OnceProcess, MissingDatabaseFailsTheRun) {
  testing::Sandbox sandbox;
  const auto run = testing::RunOnce(sandbox.Path(), "2019-10-07 10:20:00");
  EXPECT_NE(run.exitCode, 0);
  EXPECT_NE(run.output.find("D0CCAE0C: Ошибка при подключении к базе ионосферных данных."),
            std::string::npos)
      << run.output;
  EXPECT_FALSE(std::filesystem::exists(sandbox / "dbPrognoz.sqlite"));
  EXPECT_FALSE(std::filesystem::exists(sandbox / "Log.txt"));
}

}  // namespace
}  // namespace talver
