// Direct looks into a database file for tests, beside the program's own connection.
#pragma once

#include <optional>
#include <string>

#include "db/Database.h"

namespace talver::testing {

// The value of one cell of the day row of `date`, or nullopt for NULL or no row.
std::optional<double> DayValue(Database& db, const std::string& table, const CalendarDate& date,
                               const std::string& column);
int RowCount(Database& db, const std::string& table);
int DayRowCount(Database& db, const std::string& table, const CalendarDate& date);

}  // namespace talver::testing
