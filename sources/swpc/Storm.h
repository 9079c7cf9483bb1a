// The storm-time correction files of SWPC (yesterday's and today's), the STORM table they
// fill, and the geomagnetic state the window shows from them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Colour.h"
#include "common/Date.h"

namespace talver {

class Database;
class Display;

inline constexpr std::string_view kStormYesterdayFile = "storm-corrections-yesterday.txt";
inline constexpr std::string_view kStormTodayFile = "storm-corrections-today.txt";

struct StormLine {
  int ut = 0;
  std::string utText;
  std::string hapText;
  // Hap, IntAp, 70, 50, 30, _30, _50, _70 as numbers; nullopt when a field is no number.
  std::array<std::optional<double>, 8> values;
};

struct StormLines {
  std::vector<StormLine> lines;  // the data lines with a whole-number UT, in file order
};

// ZagruzkaStorm's reading: 20 header lines, then one line per hour at fixed columns.
StormLines ParseStorm(std::string_view text);

// Inserts the lines of a file dated `date` whose (Data, UT) is not yet stored; rows already
// there are never changed. Lines with a field that is not a number are not stored.
void StoreStorm(Database& database, const CalendarDate& date, const StormLines& storm);

struct GeomagneticState {
  std::string text;
  Colour colour;
};
GeomagneticState GeomagneticStateOf(int hap);

// lbAp and lbApSost from the newest hour of today's file.
void ShowStormState(Display& display, const StormLines& today, const CalendarDate& utcToday,
                    const std::string& apText, const std::string& kiText);

// StormInetOff: lbAp and lbApSost from the last STORM row, while there is no internet.
void StormInetOff(Database& database, Display& display, const std::string& kiText);

inline constexpr std::string_view kNoStormDataText = "Индекс геомагнитной активности: Нет данных";

}  // namespace talver
