#include "db/Purge.h"

#include <gtest/gtest.h>

#include <set>

#include "db/Database.h"
#include "tests/support/DbAccess.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

TEST(Purge, CutOffIsThirtyDaysBeforeTheLocalDate) {
  EXPECT_EQ(PurgeCutOff({2019, 10, 7}), (CalendarDate{2019, 9, 7}));
  EXPECT_EQ(PurgeCutOff({2020, 3, 30}), (CalendarDate{2020, 2, 29}));
  EXPECT_EQ(PurgeCutOff({2020, 1, 15}), (CalendarDate{2019, 12, 16}));
}

TEST(Purge, DeletesOldRowsOfEveryStationTableButTwo) {
  testing::Sandbox sandbox;
  Database db(sandbox.CreateDatabaseFile());
  const CalendarDate old{2019, 9, 6};
  const CalendarDate kept{2019, 9, 7};
  for (const auto& table : Catalogue()) {
    if (table.kind == TableKind::Day) {
      db.EnsureDayRow(table.name, old);
      db.EnsureDayRow(table.name, kept);
    }
  }
  btnClearDanClick(db, {2019, 10, 7});

  const std::set<std::string> keepsEverything{"PragafoEday", "PragaFminday"};
  for (const auto& table : Catalogue()) {
    if (table.kind != TableKind::Day) {
      continue;
    }
    EXPECT_EQ(testing::DayRowCount(db, table.name, kept), 1) << table.name;
    EXPECT_EQ(testing::DayRowCount(db, table.name, old), keepsEverything.count(table.name))
        << table.name;
  }
}

}  // namespace
}  // namespace talver
