// The hourly Parus/AIS file: a pure parser from its text to a record, and the writer that
// stores the record in the station's five day tables.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/Date.h"
#include "db/Schema.h"

namespace talver {

class Database;

struct ParusRecord {
  // A usable sounding: foF2 is not "N/A" or "NO" (a blank foF2 still counts).
  bool accepted = false;
  CalendarDate date;
  int hour = 0;
  // foF2, M(3000)F2, foF1, Es, foE in the order of ParusTableSet; empty when absent.
  std::array<std::string, 5> values;
  std::string lastDataDate;  // day as read + "." + month without zero + "." + year
  std::string lastDataTime;  // hour as read + ":00"
};

// ZagruzkaDannyh: reads line 0 (date at "DATE:", hour at "(UT):") and the values from their
// fixed lines and columns. A file too short for those positions, or without a readable date
// and hour, carries no usable sounding.
ParusRecord ZagruzkaDannyh(std::string_view text);

// Writes each value into its table, in the hour's column of the record's day; with a
// previous day (the 00 UT file), also into that day's column "24".
void WriteParusRecord(Database& database, const ParusTableSet& tables, const ParusRecord& record,
                      const std::optional<CalendarDate>& previousDay);

}  // namespace talver
