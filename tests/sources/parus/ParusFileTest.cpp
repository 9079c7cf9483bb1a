#include "sources/parus/ParusFile.h"

#include <gtest/gtest.h>

#include <functional>

#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/ParusFixture.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

using testing::ParusFields;
using Values = std::array<std::string, 5>;

struct ParserCase {
  const char* name;
  std::function<void(ParusFields&)> edit;
  bool accepted;
  Values values;  // foF2, M(3000)F2, foF1, Es, foE
};

TEST(ZagruzkaDannyh, ReadsTheFixedLinesAndColumns) {
  const ParserCase cases[] = {
      {"all values",
       [](ParusFields& f) { f.foF1 = "03.90"; },
       true,
       {"04.35", "02.87", "03.90", "03.20", "02.51"}},
      {"N/A and NO fields are absent",
       [](ParusFields& f) {
         f.m3000 = "N/A";
         f.es = "NO";
       },
       true,
       {"04.35", "", "", "", "02.51"}},
      {"foF2 N/A: no sounding", [](ParusFields& f) { f.foF2 = "N/A"; }, false, {}},
      {"foF2 NO: no sounding", [](ParusFields& f) { f.foF2 = "NO"; }, false, {}},
      {"blank foF2 still counts",
       [](ParusFields& f) { f.foF2 = ""; },
       true,
       {"", "02.87", "", "03.20", "02.51"}},
      {"NO PROFILE FOUND: no foE",
       [](ParusFields& f) { f.profile = "  NO PROFILE FOUND"; },
       true,
       {"04.35", "02.87", "", "03.20", ""}},
      {"NO DATA FOR AIP: no foE",
       [](ParusFields& f) { f.profile = "NO DATA FOR AIP"; },
       true,
       {"04.35", "02.87", "", "03.20", ""}},
      {"blank profile columns: no foE",
       [](ParusFields& f) { f.profile = "AIP"; },
       true,
       {"04.35", "02.87", "", "03.20", ""}},
      {"LF line ends",
       [](ParusFields& f) { f.lineEnd = "\n"; },
       true,
       {"04.35", "02.87", "", "03.20", "02.51"}},
      {"11 lines are too few", [](ParusFields& f) { f.lines = 11; }, false, {}},
      {"12 lines without profile suffice",
       [](ParusFields& f) {
         f.lines = 12;
         f.profile = "NO PROFILE FOUND";
       },
       true,
       {"04.35", "02.87", "", "03.20", ""}},
      {"a profile needs line 16", [](ParusFields& f) { f.lines = 16; }, false, {}},
      {"no DATE: marker",
       [](ParusFields& f) {
         f.station = "Moscow -";
         f.year = "?";
       },
       false,
       {}},
  };
  for (const auto& c : cases) {
    ParusFields fields;
    c.edit(fields);
    const ParusRecord record = ZagruzkaDannyh(testing::ParusFileText(fields));
    EXPECT_EQ(record.accepted, c.accepted) << c.name;
    if (c.accepted) {
      EXPECT_EQ(record.values, c.values) << c.name;
      EXPECT_EQ(record.date, (CalendarDate{2019, 10, 7})) << c.name;
      EXPECT_EQ(record.hour, 5) << c.name;
    }
  }
}

TEST(ZagruzkaDannyh, DateAndHourLoseTheirLeadingZeros) {
  ParusFields fields;
  fields.month = "09";
  fields.hour = "00";
  const ParusRecord midnight = ZagruzkaDannyh(testing::ParusFileText(fields));
  EXPECT_EQ(midnight.date, (CalendarDate{2019, 9, 7}));
  EXPECT_EQ(midnight.hour, 0);
  EXPECT_EQ(midnight.lastDataDate, "07.9.2019");
  EXPECT_EQ(midnight.lastDataTime, "00:00");

  fields.hour = "09";
  EXPECT_EQ(ZagruzkaDannyh(testing::ParusFileText(fields)).hour, 9);
  fields.month = "13";
  EXPECT_FALSE(ZagruzkaDannyh(testing::ParusFileText(fields)).accepted);
  EXPECT_FALSE(ZagruzkaDannyh("").accepted);
}

TEST(WriteParusRecord, HourZeroAlsoFillsColumn24OfTheDayBefore) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  const CalendarDate day{2019, 10, 7};
  const CalendarDate before{2019, 10, 6};
  db.InsertFile(kRomeTables, before);
  db.InsertFile(kRomeTables, day);
  ParusFields fields;
  fields.hour = "00";
  const ParusRecord record = ZagruzkaDannyh(testing::ParusFileText(fields));
  WriteParusRecord(db, kRomeTables, record, before);

  EXPECT_EQ(testing::DayValue(db, "ItaliyafoF2", day, "0"), 4.35);
  EXPECT_EQ(testing::DayValue(db, "ItaliyafoF2", before, "24"), 4.35);
  EXPECT_EQ(testing::DayValue(db, "ItaliyaM3000", before, "24"), 2.87);
  EXPECT_EQ(testing::DayValue(db, "ItaliyafoE", day, "0"), 2.51);
  EXPECT_EQ(testing::DayValue(db, "ItaliyafoF1", day, "0"), std::nullopt);
  EXPECT_EQ(testing::DayValue(db, "ItaliyafoF1", before, "24"), std::nullopt);
}

}  // namespace
}  // namespace talver
