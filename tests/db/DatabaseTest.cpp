#include "db/Database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "tests/support/DbAccess.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

using testing::DayValue;

TEST(DatabaseOpen, MissingFileFailsWithoutCreatingOne) {
  testing::Sandbox sandbox;
  const auto file = sandbox / "dbPrognoz.sqlite";
  try {
    Database db(file);
    FAIL() << "opened a missing file";
  } catch (const DatabaseOpenError& error) {
    const std::string text = error.what();
    EXPECT_EQ(text.rfind(DatabaseOpenMessage(""), 0), 0u) << text;
    EXPECT_GT(text.size(), DatabaseOpenMessage("").size());
  }
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(DatabaseOpen, FileWithoutTheCatalogueTablesFails) {
  testing::Sandbox sandbox;
  const auto file = sandbox.CreateDatabaseFile();
  {
    Database db(file);
    db.Execute("DROP TABLE PragafoEp");
  }
  try {
    Database db(file);
    FAIL() << "opened a database without PragafoEp";
  } catch (const DatabaseOpenError& error) {
    EXPECT_NE(std::string(error.what()).find("PragafoEp"), std::string::npos) << error.what();
  }
  const auto notDatabase = sandbox.Write("text.sqlite", "this is not a database file at all");
  EXPECT_THROW(Database{notDatabase}, DatabaseOpenError);
}

class DatabaseWrites : public ::testing::Test {
 protected:
  testing::Sandbox sandbox_;
  std::filesystem::path file_ = sandbox_.CreateDatabaseFile();
  Database db_{file_};
};

TEST_F(DatabaseWrites, ValueGoesIntoItsDayRowAndHourColumn) {
  const CalendarDate day{2019, 10, 7};
  db_.InsertFile(kMoscowTables, day);
  db_.VvodDanBD("MoscowFoF2dayMCMI", 2019, 10, 7, "5", "4.35");
  db_.VvodDanBD("moscowfof2daymcmi", 2019, 10, 7, "6", "05.10");
  EXPECT_EQ(DayValue(db_, "MoscowFoF2dayMCMI", day, "5"), 4.35);
  EXPECT_EQ(DayValue(db_, "MoscowFoF2dayMCMI", day, "6"), 5.1);
  EXPECT_EQ(DayValue(db_, "MoscowFoF2dayMCMI", day, "7"), std::nullopt);
}

TEST_F(DatabaseWrites, ValuesThatAreNotPlainNumbersAreNotWritten) {
  const CalendarDate day{2019, 10, 7};
  db_.InsertFile(kMoscowTables, day);
  db_.VvodDanBD("MoscowFoF2dayMCMI", 2019, 10, 7, "5", "4.35");
  for (const char* value : {"N/A", "NO", "4,35", "", "1); DELETE FROM STORM; --", "0x10"}) {
    db_.VvodDanBD("MoscowFoF2dayMCMI", 2019, 10, 7, "5", value);
    EXPECT_EQ(DayValue(db_, "MoscowFoF2dayMCMI", day, "5"), 4.35) << value;
  }
  // Names outside the catalogue and rows that do not exist change nothing, and never raise.
  db_.VvodDanBD("MoscowFoF2dayMCMI", 2019, 10, 7, "25", "1.0");
  db_.VvodDanBD("NoSuchTable", 2019, 10, 7, "5", "1.0");
  db_.VvodDanBD("MoscowFoF2dayMCMI", 2019, 10, 8, "5", "1.0");
  EXPECT_EQ(testing::RowCount(db_, "MoscowFoF2dayMCMI"), 1);
}

TEST_F(DatabaseWrites, HourAOfFirstJanuaryAlsoFillsTheLastColumnOfTheYearBefore) {
  const CalendarDate newYear{2020, 1, 1};
  const CalendarDate eve{2019, 12, 31};
  db_.InsertFile(kNovosibirskTables, eve);
  db_.InsertFile(kNovosibirskTables, newYear);
  db_.VvodDanBD("NovosibirskFoF2", 2020, 1, 1, "0", "3.15", eve);
  EXPECT_EQ(DayValue(db_, "NovosibirskFoF2", newYear, "0"), 3.15);
  EXPECT_EQ(DayValue(db_, "NovosibirskFoF2", eve, "24"), 3.15);
  EXPECT_EQ(DayValue(db_, "NovosibirskFoF2", eve, "0"), std::nullopt);
}

TEST_F(DatabaseWrites, InsertFileCreatesOnlyTheMissingRows) {
  const CalendarDate day{2019, 10, 7};
  db_.EnsureDayRow("MoscowFoF2dayMCMI", day);
  db_.EnsureDayRow("MoscowfoEdayMCMI", day);
  db_.VvodDanBD("MoscowFoF2dayMCMI", 2019, 10, 7, "3", "4.1");
  db_.InsertFile(kMoscowTables, day);
  db_.InsertFile(kMoscowTables, day);
  for (const auto table : kMoscowTables.tables) {
    EXPECT_EQ(testing::DayRowCount(db_, std::string(table), day), 1) << table;
  }
  EXPECT_EQ(DayValue(db_, "MoscowFoF2dayMCMI", day, "3"), 4.1);
  const auto row = db_.Query("SELECT Data, Year, Month, Day FROM MoskowM3000dayMCMI").rows.at(0);
  EXPECT_EQ(AsText(row[0]), "2019-10-07");
  EXPECT_EQ(AsNumber(row[1]), 2019);
  EXPECT_EQ(AsNumber(row[2]), 10);
  EXPECT_EQ(AsNumber(row[3]), 7);
}

TEST_F(DatabaseWrites, ReadersOfTheFileDoNotMakeWritesFail) {
  EXPECT_EQ(AsText(db_.Query("PRAGMA journal_mode").rows.at(0).at(0)), "wal");
  const CalendarDate day{2019, 10, 7};
  db_.InsertFile(kRomeTables, day);

  sqlite3* raw = nullptr;
  ASSERT_EQ(sqlite3_open(file_.c_str(), &raw), SQLITE_OK);
  const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> other(raw, &sqlite3_close);
  // A reader in the middle of a transaction: WAL lets the write through.
  ASSERT_EQ(
      sqlite3_exec(raw, "BEGIN; SELECT count(*) FROM ItaliyafoF2;", nullptr, nullptr, nullptr),
      SQLITE_OK);
  db_.VvodDanBD("ItaliyafoF2", 2019, 10, 7, "1", "5.5");
  EXPECT_EQ(DayValue(db_, "ItaliyafoF2", day, "1"), 5.5);
  ASSERT_EQ(sqlite3_exec(raw, "COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);

  // Another writer holding the lock for a moment: the write waits instead of failing.
  ASSERT_EQ(sqlite3_exec(raw, "BEGIN IMMEDIATE;", nullptr, nullptr, nullptr), SQLITE_OK);
  std::thread release([raw] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    sqlite3_exec(raw, "COMMIT;", nullptr, nullptr, nullptr);
  });
  db_.VvodDanBD("ItaliyafoF2", 2019, 10, 7, "2", "6.5");
  release.join();
  EXPECT_EQ(DayValue(db_, "ItaliyafoF2", day, "2"), 6.5);
}

TEST_F(DatabaseWrites, EnsureDayRowFindsRowsByDate) {
  const CalendarDate day{2019, 10, 7};
  db_.EnsureDayRow("WarsawFoEs", day);
  db_.EnsureDayRow("warsawfoes", day);
  EXPECT_EQ(testing::RowCount(db_, "WarsawFoEs"), 1);
  EXPECT_THROW(db_.EnsureDayRow("NoSuchTable", day), DatabaseError);
}

}  // namespace
}  // namespace talver
