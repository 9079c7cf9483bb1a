// The catch-up walk of a digisonde's SAO day files: every day from the last file taken up
// to today; today's file grows during the day, so it is fetched again on every run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Date.h"
#include "db/Schema.h"
#include "sources/Acquisition.h"

namespace talver {

struct SaoStation {
  std::string_view name;
  std::string_view prefix;
  std::string_view fileNameKey;  // [FILE] key of the last file taken
  std::string_view fileDateKey;
  int windowDays;
  std::string_view urlKey;
  std::string_view defaultUrl;
  const SaoTableSet& tables;
  std::string_view freshnessDateColumn;
  std::string_view freshnessTimeColumn;
};

inline constexpr SaoStation kPrague{"Praga",
                                    "PQ052_",
                                    "FileNamePraga",
                                    "DataFilePraga",
                                    10,
                                    "Praga",
                                    "http://digisonde.ufa.cas.cz/OneDaySecure/",
                                    kPragueTables,
                                    "DataLastPraga",
                                    "TimeLastPraga"};

// "PQ052_2019280.SAO".
std::string SaoFileName(const SaoStation& station, const CalendarDate& day);

struct SaoWalkPlan {
  // The stored file is today's: it alone is fetched, once.
  bool storedDayOnly = false;
  std::vector<CalendarDate> days;
};

SaoWalkPlan PlanSaoWalk(const SaoStation& station, std::string_view storedName,
                        const CalendarDate& todayUtc);

// SAOFile: fetches every day of the plan; a file that is not the expected SAO day file is
// refused with a journal line and the walk goes on.
void SAOFile(Acquisition& acquisition, const SaoStation& station, std::string_view baseUrl);

}  // namespace talver
