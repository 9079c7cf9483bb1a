#include "tests/support/DbAccess.h"

namespace talver::testing {

std::optional<double> DayValue(Database& db, const std::string& table, const CalendarDate& date,
                               const std::string& column) {
  const SqlRows rows = db.Query(
      "SELECT " + QuoteIdentifier(column) + " FROM " + QuoteIdentifier(table) + " WHERE Data = ?",
      {date.Iso()});
  if (rows.rows.empty()) {
    return std::nullopt;
  }
  return AsNumber(rows.rows.front().front());
}

int RowCount(Database& db, const std::string& table) {
  return static_cast<int>(
      *AsNumber(db.Query("SELECT count(*) FROM " + QuoteIdentifier(table)).rows[0][0]));
}

int DayRowCount(Database& db, const std::string& table, const CalendarDate& date) {
  return static_cast<int>(*AsNumber(
      db.Query("SELECT count(*) FROM " + QuoteIdentifier(table) + " WHERE Data = ?", {date.Iso()})
          .rows[0][0]));
}

}  // namespace talver::testing
