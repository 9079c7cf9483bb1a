// The retention purge run at exit: day rows older than 30 days leave the station tables.
#pragma once

#include <string>
#include <vector>

#include "common/Date.h"

namespace talver {

class Database;

inline constexpr int kRetentionDays = 30;

// The first day that is kept: the local date minus 30 days.
CalendarDate PurgeCutOff(const CalendarDate& localToday);

// The purged tables, in the order the purge visits them.
std::vector<std::string> PurgedTables();

// Deletes every row dated before the cut-off from each purged table; a failing statement
// is skipped and the purge goes on.
void btnClearDanClick(Database& database, const CalendarDate& localToday);

}  // namespace talver
