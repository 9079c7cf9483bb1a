// talver --once with the SWPC step against local FTP and HTTPS servers, under faketime.
#include <gtest/gtest.h>

#include "app/Settings.h"
#include "db/Database.h"
#include "sources/swpc/WorldLists.h"
#include "tests/support/DbAccess.h"
#include "tests/support/Process.h"
#include "tests/support/Sandbox.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/SwpcFixture.h"

namespace talver {
namespace {

class OnceSwpc : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(data_);
    CreateDatabase(data_ / "dbPrognoz.sqlite");
    sandbox_.Write("ftp/pub/latest/DSD.txt", testing::DsdText({{"2019 10 07", 68, 0}}));
    sandbox_.Write("ftp/pub/latest/AK.txt",
                   testing::AkText(4, {"1", "2", "2", "-1", "-1", "-1", "-1", "-1"}));
    for (const auto station : kWorldListOrder) {
      sandbox_.Write("ftp/pub/lists/iono_day/" + WorldListFile(station),
                     testing::IonoListText(std::string(station), {{"2019 10 06", "2345", "4.0"},
                                                                  {"2019 10 07", "0000", "4.1"},
                                                                  {"2019 10 07", "0815", "5.2"},
                                                                  {"2019 10 07", "0913", "5.3"}}));
    }
    sandbox_.Write("www/text/storm-corrections-yesterday.txt",
                   testing::StormText({{21, "4"}, {22, "5"}, {23, "6"}}));
    sandbox_.Write("www/text/storm-corrections-today.txt",
                   testing::StormText({{0, "6"}, {8, "9"}, {9, "10"}}));
  }

  void Configure(int httpsPort, int ftpPort) {
    testing::WriteLocalSettings(data_, httpsPort, ftpPort, "https", certificate_.certificate);
    const Settings settings(data_ / "talver.INI");
    // The station walks are up to date, so the run is the SWPC step.
    settings.Write("FILE", "FileName", "19280J00.txt");
    settings.Write("FILE", "FileNameNovosibirsk", "19280J00.txt");
    settings.Write("FILE", "FileNameRim", "19280J00.txt");
    settings.Write("FILE", "FileNamePraga", "PQ052_2019280.SAO");
  }

  testing::Sandbox sandbox_;
  std::filesystem::path data_ = sandbox_ / "data";
  testing::TestCertificate certificate_ = testing::MakeTestCertificate(sandbox_.Path());
};

TEST_F(OnceSwpc, FillsIndicesWorldTablesAndStormAndShowsThem) {
  testing::HttpServer https(sandbox_ / "www", certificate_.certificate, certificate_.key);
  testing::FtpServer ftp(sandbox_ / "ftp");
  Configure(https.Port(), ftp.Port());
  for (int run = 0; run < 2; ++run) {
    const auto result = testing::RunOnce(data_, "2019-10-07 09:20:00");
    ASSERT_EQ(result.exitCode, 0) << result.output;
    if (run == 1) {
      EXPECT_NE(result.output.find("lbWolf: W = 0; SFI = 68\n"), std::string::npos)
          << result.output;
      EXPECT_NE(result.output.find("lbAp: Индекс геомагнитной активности на 09 часов 7.10.2019 "
                                   "Ар=4; Ki=2\n"),
                std::string::npos)
          << result.output;
      EXPECT_NE(result.output.find("lbApSost: Состояние - НЕУСТОЙЧИВОЕ\n"), std::string::npos);
    }
  }
  Database db(data_ / "dbPrognoz.sqlite");
  EXPECT_EQ(testing::RowCount(db, "F107W"), 1);
  EXPECT_EQ(testing::RowCount(db, "AK"), 2);
  EXPECT_EQ(testing::RowCount(db, "STORM"), 6);
  EXPECT_EQ(testing::DayRowCount(db, "STORM", {2019, 10, 6}), 3);
  for (const auto station : kWorldListOrder) {
    const std::string table = std::string(station) + "FoF2";
    const bool juliusruh = station == "Juliusruh";
    EXPECT_EQ(testing::DayValue(db, table, {2019, 10, 6}, "2400"),
              juliusruh ? std::nullopt : std::optional(4.1))
        << table;
    EXPECT_EQ(testing::DayValue(db, table, {2019, 10, 7}, "0815"),
              juliusruh ? std::nullopt : std::optional(5.2))
        << table;
    EXPECT_EQ(testing::DayValue(db, table, {2019, 10, 7}, "0900"),
              juliusruh ? std::optional(5.3) : std::nullopt)
        << table;
    const auto freshness = db.Query("SELECT DataLast" + std::string(station) + ", TimeLast" +
                                    std::string(station) + " FROM NameFileLast")
                               .rows.at(0);
    EXPECT_EQ(AsText(freshness[0]), "07.10.2019") << station;
    EXPECT_EQ(AsText(freshness[1]), juliusruh ? "09:00" : "09:13") << station;
  }
}

TEST_F(OnceSwpc, WithoutTheFtpServerTheStormCorrectionsStillArrive) {
  testing::HttpServer https(sandbox_ / "www", certificate_.certificate, certificate_.key);
  Configure(https.Port(), 1);
  const auto result = testing::RunOnce(data_, "2019-10-07 09:20:00");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  EXPECT_NE(result.output.find("Нет соединения с 127.0.0.1\n"), std::string::npos) << result.output;
  Database db(data_ / "dbPrognoz.sqlite");
  EXPECT_EQ(testing::RowCount(db, "STORM"), 6);
  EXPECT_EQ(testing::RowCount(db, "F107W"), 0);
}

}  // namespace
}  // namespace talver
