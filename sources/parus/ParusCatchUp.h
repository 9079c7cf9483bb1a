// The catch-up walk of a Parus station: every hourly file from the one after the last
// taken up to the current UT hour, or from ten days back.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Date.h"
#include "sources/Acquisition.h"
#include "sources/parus/ParusStation.h"

namespace talver {

inline constexpr int kParusWindowDays = 10;

// "19280F00.txt" (Moscow, Rome) or "19280F00.txt"/"195A00.txt" (Novosibirsk, no zeros).
std::string ParusFileName(const ParusStation& station, const CalendarDate& day, int hour);

// FileNameZapusk: the file of the current UT hour with the day number without zeros.
std::string FileNameZapusk(const DateTime& nowUtc);

struct StoredParusPosition {
  int year2 = -1;  // -1 when the name gives no two-digit year
  int dayNumber = 0;
  int hour = 0;
};
StoredParusPosition ReadStoredParusName(const ParusStation& station, std::string_view name);

struct ParusWalkDay {
  CalendarDate date;
  int firstHour = 0;
  int lastHour = 23;  // nothing is fetched on a day whose first hour is after its last
};

struct ParusWalkPlan {
  bool upToDate = false;  // the stored file is the current hour's: nothing to fetch
  bool startsToday = false;
  std::vector<ParusWalkDay> days;  // the last one is today
};

// Which files the walk fetches, from the stored last file and the UT clock.
ParusWalkPlan PlanParusWalk(const ParusStation& station, std::string_view storedName,
                            const DateTime& nowUtc);

// Walks the plan: names each file, creates the day rows at 00 UT, downloads and parses.
void CatchUpParusStation(Acquisition& acquisition, const ParusStation& station,
                         std::string_view baseUrl);

}  // namespace talver
