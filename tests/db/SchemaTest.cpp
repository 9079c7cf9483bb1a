#include "db/Schema.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "db/Database.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

std::vector<std::string> ColumnNames(Database& db, const std::string& table) {
  std::vector<std::string> names;
  for (const auto& row : db.Query("PRAGMA table_info(" + QuoteIdentifier(table) + ")").rows) {
    names.push_back(AsText(row[1]));
  }
  return names;
}

TEST(DeliveredDatabase, DayTablesCarryTheirHourColumns) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());

  std::vector<std::string> bare{"Data", "Year", "Month", "Day"};
  for (int hour = 0; hour <= 24; ++hour) {
    bare.push_back(std::to_string(hour));
  }
  EXPECT_EQ(ColumnNames(db, "MoscowFoF2dayMCMI"), bare);
  EXPECT_EQ(ColumnNames(db, "PragafoEp"), bare);

  const auto quarter = ColumnNames(db, "WarsawFoF2");
  ASSERT_EQ(quarter.size(), 4u + 97u);
  EXPECT_EQ(quarter[4], "0000");
  EXPECT_EQ(quarter[5], "0015");
  EXPECT_EQ(quarter[4 + 4 * 13 + 3], "1345");
  EXPECT_EQ(quarter.back(), "2400");
  EXPECT_EQ(ColumnNames(db, "MO155FoEp"), quarter);
}

TEST(DeliveredDatabase, FreshnessTableHasOneRowOfFortySixColumns) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  const auto columns = ColumnNames(db, "NameFileLast");
  ASSERT_EQ(columns.size(), 46u);
  EXPECT_EQ(columns[0], "DataLast");
  EXPECT_EQ(columns[1], "TimeLast");
  EXPECT_EQ(columns[45], "TimeLastNiue");
  const auto rows = db.Query("SELECT * FROM NameFileLast");
  ASSERT_EQ(rows.rows.size(), 1u);
  for (const auto& cell : rows.rows[0]) {
    EXPECT_TRUE(std::holds_alternative<std::monostate>(cell));
  }
}

TEST(DeliveredDatabase, CommandWritesAFileThatSqliteReadsWhole) {
  testing::Sandbox sandbox;
  const auto file = sandbox / "x.sqlite";
  const std::string create = std::string(TALVER_EXECUTABLE) + " --create-database " + file.string();
  ASSERT_EQ(std::system(create.c_str()), 0);
  EXPECT_NE(std::system((create + " 2>/dev/null").c_str()), 0) << "must not overwrite a file";

  std::string script;
  for (const auto& table : Catalogue()) {
    script += "SELECT count(*) FROM " + QuoteIdentifier(table.name) + ";\n";
  }
  const auto scriptFile = sandbox.Write("read.sql", script);
  const std::string read = "sqlite3 -bail " + file.string() + " < " + scriptFile.string() + " > " +
                           (sandbox / "out.txt").string();
  ASSERT_EQ(std::system(read.c_str()), 0);
  Database db(file);  // opens: every catalogue table is there
}

TEST(Catalogue, NamesResolveWithoutRegardToCase) {
  const struct {
    const char* asked;
    const char* found;
  } cases[] = {
      {"ItaliyaFoF2", "ItaliyafoF2"},
      {"WarsawfoEs", "WarsawFoEs"},
      {"warsawFOF1", "WarsawFoF1"},
      {"Moskowm3000daymcmi", "MoskowM3000dayMCMI"},
      {"storm", "STORM"},
      {"namefilelast", "NameFileLast"},
  };
  for (const auto& c : cases) {
    const TableDef* table = FindTable(c.asked);
    ASSERT_NE(table, nullptr) << c.asked;
    EXPECT_EQ(table->name, c.found);
  }
  EXPECT_EQ(FindTable("MoscowFoF2"), nullptr);
  EXPECT_EQ(FindTable("STORM; DROP TABLE AK"), nullptr);
  EXPECT_NE(FindTable("AK")->FindColumn("24"), nullptr);
  EXPECT_EQ(FindTable("MoscowFoF2dayMCMI")->FindColumn("25"), nullptr);
}

TEST(Catalogue, HourColumnsByScheme) {
  EXPECT_EQ(HourColumn(HourScheme::BareHours, 7), "7");
  EXPECT_EQ(HourColumn(HourScheme::BareHours, 13), "13");
  EXPECT_EQ(HourColumn(HourScheme::QuarterHours, 7), "0700");
  EXPECT_EQ(HourColumn(HourScheme::QuarterHours, 13), "1300");
}

}  // namespace
}  // namespace talver
