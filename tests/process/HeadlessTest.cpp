// talver --headless as a service: log lines on standard error, the exit sequence on SIGTERM.
#include <gtest/gtest.h>

#include <signal.h>

#include "app/Journal.h"
#include "common/Files.h"
#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/Process.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

TEST(Headless, EndsWithTheExitSequenceOnSigterm) {
  testing::Sandbox sandbox;
  const auto file = sandbox.CreateDatabaseFile();
  {
    Database db(file);
    db.Execute("INSERT INTO STORM (Data, UT, Hap) VALUES ('2019-10-07', 3, 7)");
  }
  sandbox.Write("talver.INI", "[INET]\nOnline=0\n");
  testing::BackgroundTalver talver({"--headless", "--data-dir", sandbox.Path().string()},
                                   sandbox / "out.log");
  ASSERT_TRUE(talver.WaitForOutput("Интернет отключен!", 30)) << talver.Output();
  ASSERT_TRUE(talver.WaitForOutput("Данные базы неактуальны! Подключите Интернет!!", 10))
      << talver.Output();
  EXPECT_NE(
      talver.Output().find("lbAp: Индекс геомагнитной активности на 03 часов 07.10.2019 Ар=7; Ki="),
      std::string::npos)
      << talver.Output();
  EXPECT_EQ(talver.Stop(SIGTERM), 0) << talver.Output();

  const auto journal = ParseJournalFile(ReadFileText(sandbox / "Log.txt"));
  ASSERT_FALSE(journal.empty());
  EXPECT_EQ(journal.front().text, " НЕТ СОЕДИНЕНИЯ С ИНТЕРНЕТОМ.");
  EXPECT_EQ(journal.back().text, " ЗАКРЫТИЕ ПРОГРАММЫ.");
  Database db(file);
  EXPECT_EQ(testing::RowCount(db, "STORM"), 0);
}

}  // namespace
}  // namespace talver
