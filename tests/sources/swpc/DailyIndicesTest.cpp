#include "sources/swpc/DailyIndices.h"

#include <gtest/gtest.h>

#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/RecordingDisplay.h"
#include "tests/support/Sandbox.h"
#include "tests/support/SwpcFixture.h"

namespace talver {
namespace {

TEST(ParseDsd, TheLastLineThatIsNotBlank) {
  const auto real =
      ParseDsd(testing::ReadSourceFile("tests/data/real/swpc_dsd/DSD_issued_20241108_EXCERPT.txt"));
  EXPECT_EQ(real.year + "-" + real.month + "-" + real.day, "2024-10-11");
  EXPECT_EQ(real.sfi, "214");
  EXPECT_EQ(real.w, "130");

  const auto trailing = ParseDsd(testing::DsdText({{"2019 10 07", 68, 0}}) + "\n   \n");
  EXPECT_EQ(trailing.sfi, "68");
  EXPECT_EQ(trailing.w, "0");
  EXPECT_THROW(ParseDsd(""), IndexFileError);
  EXPECT_THROW(ParseDsd("\n \n"), IndexFileError);
}

TEST(ZagruzkaF107W, ShowsTheIndicesAndKeepsOneRow) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  testing::RecordingDisplay display;
  ZagruzkaF107W(db, display, ParseDsd(testing::DsdText({{"2019 10 07", 68, 0}})));
  EXPECT_EQ(display.Label("lbWolf").text, "W = 0; SFI = 68");
  ZagruzkaF107W(db, display, ParseDsd(testing::DsdText({{"2019 10 08", 70, 12}})));
  const auto rows = db.Query("SELECT F107, W, Data FROM F107W").rows;
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(AsNumber(rows[0][0]), 70);
  EXPECT_EQ(AsNumber(rows[0][1]), 12);
  EXPECT_EQ(AsText(rows[0][2]), "2019-10-08");
  // Fields that are not numbers change the label only.
  ZagruzkaF107W(db, display, DailySolarData{"2019", "10", "09", "", ""});
  EXPECT_EQ(display.Label("lbWolf").text, "W = ; SFI = ");
  EXPECT_EQ(AsText(db.Query("SELECT Data FROM F107W").rows.at(0).at(0)), "2019-10-08");
}

TEST(ParseAk, ThePlanetaryLineOfTheRealFile) {
  const auto real =
      ParseAk(testing::ReadSourceFile("tests/data/real/swpc_ak/201001AK_day1_EXCERPT.txt"));
  EXPECT_EQ(real.ap, "1");
  EXPECT_EQ(real.k, (std::array<std::string, 8>{"1", "0", "0", "0", "0", "0", "3", "1"}));
  EXPECT_THROW(ParseAk(testing::AkText(5, {}, 36)), IndexFileError);
}

TEST(ZagruzkaAK, ApKiAndAtMostTwoRows) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  std::string ap = "old";
  std::string ki = "old";
  const CalendarDate today{2019, 10, 7};

  ZagruzkaAK(db, ParseAk(testing::AkText(5, {"2", "3", "-1", "-1", "-1", "-1", "-1", "-1"})), today,
             ap, ki);
  EXPECT_EQ(ap, "5");
  EXPECT_EQ(ki, "3");
  EXPECT_EQ(testing::RowCount(db, "AK"), 1);
  const auto row = db.Query("SELECT Data, Ap, \"3\", \"6\", \"9\", \"24\" FROM AK").rows.at(0);
  EXPECT_EQ(AsText(row[0]), "2019-10-07");
  EXPECT_EQ(AsNumber(row[1]), 5);
  EXPECT_EQ(AsNumber(row[2]), 2);
  EXPECT_EQ(AsNumber(row[3]), 3);
  EXPECT_EQ(AsNumber(row[4]), -1);

  const std::array<std::string, 8> allMissing{"-1", "-1", "-1", "-1", "-1", "-1", "-1", "-1"};
  ZagruzkaAK(db, ParseAk(testing::AkText(7, allMissing)), today, ap, ki);
  EXPECT_EQ(ap, "7");
  EXPECT_EQ(ki, "3");  // no K at all leaves the last one shown
  EXPECT_EQ(testing::RowCount(db, "AK"), 2);
  ZagruzkaAK(db, ParseAk(testing::AkText(9, allMissing)), today, ap, ki);
  EXPECT_EQ(testing::RowCount(db, "AK"), 1);
  EXPECT_EQ(AsNumber(db.Query("SELECT Ap FROM AK").rows.at(0).at(0)), 9);

  // A K that is no whole number: Ap and the K before it count, the table stays.
  EXPECT_THROW(
      ZagruzkaAK(db, ParseAk(testing::AkText(11, {"4", "x", "1", "1", "1", "1", "1", "1"})), today,
                 ap, ki),
      IndexFileError);
  EXPECT_EQ(ap, "11");
  EXPECT_EQ(ki, "4");
  EXPECT_EQ(AsNumber(db.Query("SELECT Ap FROM AK").rows.at(0).at(0)), 9);
}

}  // namespace
}  // namespace talver
