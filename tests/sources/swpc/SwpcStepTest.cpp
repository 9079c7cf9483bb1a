#include "sources/swpc/SwpcStep.h"

#include <gtest/gtest.h>

#include "app/Trace.h"
#include "db/Database.h"
#include "sources/swpc/Storm.h"
#include "sources/swpc/WorldLists.h"
#include "tests/support/AcquisitionTest.h"
#include "tests/support/DbAccess.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/SwpcFixture.h"

namespace talver {
namespace {

using testing::IonoLine;

class SwpcStep : public testing::AcquisitionTest {
 protected:
  SwpcStep() : AcquisitionTest(DateTime{{2019, 10, 7}, 9, 20, 0, 0}) {
    acquisition_.http.caFile = certificate_.certificate;

    sandbox_.Write("ftp/pub/latest/DSD.txt",
                   testing::DsdText({{"2019 10 06", 67, 0}, {"2019 10 07", 68, 0}}));
    sandbox_.Write("ftp/pub/latest/AK.txt",
                   testing::AkText(6, {"2", "3", "-1", "-1", "-1", "-1", "-1", "-1"}));
    for (const auto station : kWorldListOrder) {
      sandbox_.Write("ftp/pub/lists/iono_day/" + WorldListFile(station),
                     testing::IonoNoDataText(std::string(station), "No data"));
    }
    sandbox_.Write("ftp/pub/lists/iono_day/Warsaw_iono.txt",
                   testing::IonoListText("Warsaw", {{"2019 10 06", "2345", "3.9"},
                                                    {"2019 10 07", "0000", "3.8"},
                                                    {"2019 10 07", "0915", "6.1"}}));
    sandbox_.Write("ftp/pub/lists/iono_day/Juliusruh_iono.txt",
                   testing::IonoListText("Juliusruh", {{"2019 10 07", "0813", "5.5"}}));
    sandbox_.Write("ftp/pub/lists/iono_day/Niue_iono.txt",
                   testing::IonoListText("Niue", {{"2019 10 07", "0900", "7.2"}}));
    sandbox_.Write("www/text/storm-corrections-yesterday.txt",
                   testing::StormText({{22, "5"}, {23, "6"}}));
    sandbox_.Write("www/text/storm-corrections-today.txt",
                   testing::StormText({{0, "9"}, {8, "18"}, {9, "35"}}, "\n"));
  }

  SwpcEndpoints Endpoints(int ftpPort) const {
    return SwpcEndpoints{"127.0.0.1", ftpPort, https_.Url("/text/"),
                         "https://127.0.0.1:" + std::to_string(https_.Port())};
  }
  testing::TestCertificate certificate_ = testing::MakeTestCertificate(sandbox_.Path());
  testing::HttpServer https_{sandbox_ / "www", certificate_.certificate, certificate_.key};
};

TEST_F(SwpcStep, StoresIndicesListsAndStormCorrections) {
  testing::FtpServer ftp(sandbox_ / "ftp");
  LoadFileStorm(acquisition_, Endpoints(ftp.Port()));
  LoadFileStorm(acquisition_, Endpoints(ftp.Port()));  // a second run adds no STORM rows

  EXPECT_EQ(display_.Label("lbWolf").text, "W = 0; SFI = 68");
  EXPECT_EQ(testing::RowCount(db_, "F107W"), 1);
  EXPECT_EQ(testing::RowCount(db_, "AK"), 2);
  EXPECT_EQ(acquisition_.ApText, "6");
  EXPECT_EQ(acquisition_.KiText, "3");

  EXPECT_EQ(testing::DayValue(db_, "WarsawFoF2", {2019, 10, 6}, "2345"), 3.9);
  EXPECT_EQ(testing::DayValue(db_, "WarsawFoF2", {2019, 10, 6}, "2400"), 3.8);
  EXPECT_EQ(testing::DayValue(db_, "WarsawFoF2", {2019, 10, 7}, "0915"), 6.1);
  EXPECT_EQ(testing::DayValue(db_, "JuliusruhFoF2", {2019, 10, 7}, "0800"), 5.5);
  EXPECT_EQ(testing::DayValue(db_, "NiueFoF2", {2019, 10, 7}, "0900"), 7.2);
  EXPECT_EQ(testing::RowCount(db_, "AthensFoF2"), 0);
  const auto freshness =
      db_.Query("SELECT DataLastWarsaw, TimeLastWarsaw, DataLastNiue FROM NameFileLast").rows.at(0);
  EXPECT_EQ(AsText(freshness[0]), "07.10.2019");
  EXPECT_EQ(AsText(freshness[1]), "09:15");
  EXPECT_EQ(AsText(freshness[2]), "07.10.2019");
  const auto journal = JournalTexts();
  EXPECT_EQ(std::count(journal.begin(), journal.end(), " Файл Warsaw_iono.txt принят."), 2);
  EXPECT_EQ(std::count(journal.begin(), journal.end(), " Файл Athens_iono.txt принят."), 0);
  EXPECT_TRUE(StatusShown("Нет данных"));
  EXPECT_TRUE(StatusShown("Загрузка WARSAW_IONO.TXT"));

  EXPECT_EQ(testing::RowCount(db_, "STORM"), 5);
  EXPECT_EQ(testing::DayRowCount(db_, "STORM", {2019, 10, 6}), 2);
  EXPECT_EQ(display_.Label("lbAp").text,
            "Индекс геомагнитной активности на 09 часов 7.10.2019 Ар=6; Ki=3");
  EXPECT_EQ(display_.Label("lbApSost").text, "Состояние - СЛАБАЯ МАГНИТНАЯ БУРЯ");
  EXPECT_TRUE(std::filesystem::is_empty(sandbox_ / "Tmp"));

  const auto trace = display_.TraceLines();
  const std::string user = std::string(kTraceSentPrefix) + "USER anonymous";
  EXPECT_NE(std::find(trace.begin(), trace.end(), user), trace.end());
  EXPECT_TRUE(std::any_of(trace.begin(), trace.end(), [](const std::string& line) {
    return line.rfind(std::string(kTraceReceivedPrefix) + "230", 0) == 0;
  }));
}

TEST_F(SwpcStep, WithoutTheFtpServerTheStormCorrectionsStillArrive) {
  LoadFileStorm(acquisition_, Endpoints(1));
  EXPECT_TRUE(StatusShown("Нет соединения с 127.0.0.1"));
  EXPECT_TRUE(StatusShown("Нет соединения с https://127.0.0.1:" + std::to_string(https_.Port())));
  EXPECT_EQ(testing::RowCount(db_, "STORM"), 5);
  EXPECT_EQ(testing::RowCount(db_, "F107W"), 0);
  EXPECT_EQ(display_.Label("lbAp").text,
            "Индекс геомагнитной активности на 09 часов 7.10.2019 Ар=; Ki=");
}

TEST_F(SwpcStep, AnFtpErrorOnTheSolarDataEndsTheStep) {
  std::filesystem::remove(sandbox_ / "ftp/pub/latest/DSD.txt");
  testing::FtpServer ftp(sandbox_ / "ftp");
  LoadFileStorm(acquisition_, Endpoints(ftp.Port()));
  EXPECT_EQ(display_.Statuses().back(), "Ошибка ФТП");
  EXPECT_TRUE(https_.RequestedPaths().empty());
  EXPECT_EQ(testing::RowCount(db_, "STORM"), 0);
}

TEST_F(SwpcStep, AMissingListSkipsTheRestOfTheListsButNotTheStorm) {
  std::filesystem::remove(sandbox_ / "ftp/pub/lists/iono_day/Athens_iono.txt");
  testing::FtpServer ftp(sandbox_ / "ftp");
  LoadFileStorm(acquisition_, Endpoints(ftp.Port()));
  EXPECT_EQ(testing::RowCount(db_, "WarsawFoF2"), 2);
  EXPECT_EQ(testing::RowCount(db_, "NiueFoF2"), 0);
  EXPECT_EQ(testing::RowCount(db_, "STORM"), 5);
}

TEST_F(SwpcStep, AnUntrustedCertificateRefusesTheStormFiles) {
  acquisition_.http.caFile.clear();
  LoadFileStorm(acquisition_, Endpoints(1));
  EXPECT_EQ(testing::RowCount(db_, "STORM"), 0);
  const auto journal = JournalTexts();
  EXPECT_EQ(journal.back(),
            " Файл " + https_.Url("/text/") + "storm-corrections-today.txt не принят.");
}

}  // namespace
}  // namespace talver
