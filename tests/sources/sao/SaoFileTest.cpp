#include "sources/sao/SaoFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/Text.h"
#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/Sandbox.h"
#include "tests/support/SaoFixture.h"

namespace talver {
namespace {

using testing::SaoRecord;
using testing::SaoRecordText;

SaoRecord Record(int hour, int minute, std::map<int, std::string> fields) {
  SaoRecord record;
  record.hour = hour;
  record.minute = minute;
  record.fields = std::move(fields);
  return record;
}

const std::string& Value(const SaoDay& day, int hour, SaoCharacteristic c) {
  return day.hours[static_cast<std::size_t>(hour)][c];
}

TEST(ZagruzkaDannyhDigizond, KeepsTheFullHourSoundings) {
  using testing::kFieldFoF2;
  struct Case {
    const char* name;
    std::string text;
    std::function<void(const SaoDay&)> check;
  };
  const Case cases[] = {
      {"all seven characteristics of a 12:00 record",
       SaoRecordText(Record(12, 0,
                            {{kFieldFoF2, "4.850"},
                             {testing::kFieldFoF1, "3.900"},
                             {testing::kFieldM3000, "3.129"},
                             {testing::kFieldFmin, "1.550"},
                             {testing::kFieldEs, "2.550"},
                             {testing::kFieldFoE, "2.560"},
                             {testing::kFieldFoEp, "2.503"}})),
       [](const SaoDay& d) {
         EXPECT_EQ(d.date, (CalendarDate{2019, 10, 7}));
         EXPECT_EQ((d.hours[12]), (std::array<std::string, 7>{"4.850", "3.900", "1.550", "2.560",
                                                              "2.550", "3.129", "2.503"}));
         EXPECT_TRUE(d.loaded);
         EXPECT_EQ(d.lastDataTime, "12:00");
         EXPECT_EQ(d.lastDataDate, "7.10.2019");
       }},
      {"a lone 00:00 record", SaoRecordText(Record(0, 0, {{kFieldFoF2, "3.100"}})),
       [](const SaoDay& d) {
         EXPECT_EQ(Value(d, 0, kSaoFoF2), "3.100");
         EXPECT_EQ(d.lastDataTime, "00:00");
       }},
      {"M(3000)F2 of 0.000 or not a number is dropped; foF2 0.000 counts",
       SaoRecordText(Record(1, 0, {{kFieldFoF2, "0.000"}, {testing::kFieldM3000, "0.000"}})) +
           SaoRecordText(Record(2, 0, {{testing::kFieldM3000, "abc"}})),
       [](const SaoDay& d) {
         EXPECT_EQ(Value(d, 1, kSaoFoF2), "0.000");
         EXPECT_EQ(Value(d, 1, kSaoM3000), "");
         EXPECT_EQ(Value(d, 2, kSaoM3000), "");
         EXPECT_TRUE(d.loaded);
         EXPECT_EQ(d.lastDataTime, "01:00");
       }},
      {"foF2 absent but foE present: stored, not loaded",
       SaoRecordText(Record(5, 0, {{testing::kFieldFoE, "2.100"}})),
       [](const SaoDay& d) {
         EXPECT_EQ(Value(d, 5, kSaoFoE), "2.100");
         EXPECT_FALSE(d.loaded);
         EXPECT_EQ(d.lastDataTime, "");
       }},
      {"the later record of an hour wins where it has a value",
       SaoRecordText(Record(7, 0, {{kFieldFoF2, "5.000"}, {testing::kFieldFoE, "2.000"}})) +
           SaoRecordText(Record(7, 0, {{kFieldFoF2, "5.500"}})),
       [](const SaoDay& d) {
         EXPECT_EQ(Value(d, 7, kSaoFoF2), "5.500");
         EXPECT_EQ(Value(d, 7, kSaoFoE), "2.000");
       }},
      {"a 12:15 record is ignored", SaoRecordText(Record(12, 15, {{kFieldFoF2, "6.000"}})),
       [](const SaoDay& d) {
         EXPECT_EQ(Value(d, 12, kSaoFoF2), "");
         EXPECT_FALSE(d.loaded);
       }},
      {"operator message lines and LF line ends",
       [] {
         SaoRecord record = Record(9, 0, {{kFieldFoF2, "4.400"}});
         record.operatorMessage = true;
         return SaoRecordText(record, "\n");
       }(),
       [](const SaoDay& d) { EXPECT_EQ(Value(d, 9, kSaoFoF2), "4.400"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.check(ZagruzkaDannyhDigizond(c.text, 2019, 280));
  }
}

TEST(ZagruzkaDannyhDigizond, FirstOfJanuaryAndTheDayKey) {
  SaoRecord record = Record(0, 0, {{testing::kFieldFoF2, "3.000"}});
  record.year = 2020;
  record.dayOfYear = 1;
  record.month = 1;
  record.day = 1;
  const SaoDay day = ZagruzkaDannyhDigizond(SaoRecordText(record), 2020, 1);
  EXPECT_EQ(day.date, (CalendarDate{2020, 1, 1}));
  EXPECT_EQ(day.lastDataDate, "1.1.2020");
  // The records of another day are not this file's.
  EXPECT_THROW(ZagruzkaDannyhDigizond(SaoRecordText(record), 2020, 2), SaoFormatError);
}

TEST(ZagruzkaDannyhDigizond, TextsThatAreNoDayFileAreRefused) {
  const std::string record = SaoRecordText(Record(23, 0, {{testing::kFieldFoF2, "3.000"}}));
  const auto lines = SplitLines(record);
  // Preamble lines 0-2, the time stamp on line 3, line A on line 4.
  ASSERT_EQ(lines[3].substr(0, 2), "FF");
  const std::string cutAfterLineA =
      std::string(record.substr(0, record.find(lines[4]))) + std::string(lines[4]) + "\r\n";
  for (const std::string& text :
       {std::string("<html><body>404 Not Found</body></html>\n"), std::string(),
        std::string("FF201928013450000\r\n"), cutAfterLineA}) {
    EXPECT_THROW(ZagruzkaDannyhDigizond(text, 2019, 280), SaoFormatError) << text;
  }
}

std::string RealSample(const std::string& name) {
  return testing::ReadSourceFile("tests/data/real/sao/" + name);
}

TEST(ZagruzkaDannyhDigizond, ReadsRealDigisondeRecords) {
  const SaoDay noon = ZagruzkaDannyhDigizond(RealSample("TR169_2020095120000.SAO"), 2020, 95);
  EXPECT_EQ(noon.date, (CalendarDate{2020, 4, 4}));
  EXPECT_EQ((noon.hours[12]), (std::array<std::string, 7>{"4.275", "3.572", "1.550", "2.560",
                                                          "2.550", "3.129", "2.503"}));

  // Night: the absent values run together ("9999.0009999.000") and are cut by column.
  const SaoDay night = ZagruzkaDannyhDigizond(RealSample("TR169_2020095000000.SAO"), 2020, 95);
  EXPECT_EQ((night.hours[0]),
            (std::array<std::string, 7>{"", "", "3.350", "", "4.900", "", "0.410"}));
  EXPECT_FALSE(night.loaded);
}

TEST(ZagruzkaDannyhDigizond, ReadsARealDayFileWithMixedLineEnds) {
  std::string text = RealSample("JI91J_20240511(132).SAO");
  const SaoDay asPublished = ZagruzkaDannyhDigizond(text, 2024, 132);
  EXPECT_EQ(asPublished.date, (CalendarDate{2024, 5, 11}));
  EXPECT_FALSE(asPublished.loaded);  // every sounding is at minute 3, 8, 13 …

  // Moved to the full hour, the 00:03 sounding and the 21:13 one (behind an operator
  // message) are read from their columns.
  text = StrReplaceAll(text, "FF202413205110003", "FF202413205110000");
  text = StrReplaceAll(text, "FF202413205112113", "FF202413205112100");
  const SaoDay moved = ZagruzkaDannyhDigizond(text, 2024, 132);
  EXPECT_TRUE(moved.loaded);
  EXPECT_EQ(moved.lastDataTime, "21:00");
  EXPECT_EQ(Value(moved, 21, kSaoFoF2), "10.538");
  EXPECT_EQ(Value(moved, 21, kSaoFoF1), "");
  EXPECT_EQ(Value(moved, 21, kSaoM3000), "2.372");
  EXPECT_EQ(Value(moved, 21, kSaoFmin), "1.575");
  EXPECT_EQ(Value(moved, 21, kSaoEs), "12.975");
  EXPECT_EQ(Value(moved, 21, kSaoFoE), "2.940");
  EXPECT_EQ(Value(moved, 21, kSaoFoEp), "2.910");
  EXPECT_FALSE(Value(moved, 0, kSaoFoF2).empty());
}

TEST(WriteSaoDay, RowsEvenWithoutValuesAndHourZeroIntoTheDayBefore) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  const CalendarDate day{2020, 1, 1};
  const CalendarDate eve{2019, 12, 31};
  for (const auto table : kPragueTables.tables) {
    db.EnsureDayRow(table, eve);
  }
  SaoRecord midnight =
      Record(0, 0, {{testing::kFieldFoF2, "3.000"}, {testing::kFieldFoEp, "1.900"}});
  midnight.year = 2020;
  midnight.dayOfYear = 1;
  midnight.month = 1;
  midnight.day = 1;
  const std::string text = SaoRecordText(midnight);
  for (int run = 0; run < 2; ++run) {  // a second parse of the same file changes nothing
    WriteSaoDay(db, kPragueTables, ZagruzkaDannyhDigizond(text, 2020, 1));
  }
  for (const auto table : kPragueTables.tables) {
    EXPECT_EQ(testing::DayRowCount(db, std::string(table), day), 1) << table;
  }
  EXPECT_EQ(testing::DayValue(db, "PragaFoF2day", day, "0"), 3.0);
  EXPECT_EQ(testing::DayValue(db, "PragaFoF2day", eve, "24"), 3.0);
  EXPECT_EQ(testing::DayValue(db, "PragafoEp", eve, "24"), 1.9);
  EXPECT_EQ(testing::DayValue(db, "PragaF0F1day", eve, "24"), std::nullopt);

  SaoRecord empty = Record(6, 0, {});
  WriteSaoDay(db, kPragueTables, ZagruzkaDannyhDigizond(SaoRecordText(empty), 2019, 280));
  EXPECT_EQ(testing::DayRowCount(db, "PragaFminday", {2019, 10, 7}), 1);
}

}  // namespace
}  // namespace talver
