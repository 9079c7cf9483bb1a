// The daily lists of the world ionosondes on the SWPC FTP server: a pure parser and the
// writer that stores each sounding in the station's five day tables.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/Date.h"

namespace talver {

class Database;

class WorldListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The stations in the order their lists are fetched.
inline constexpr std::array<std::string_view, 18> kWorldListOrder{
    "Warsaw",    "Athens",    "Boulder", "Roquetes", "Louisvale", "Jicamarca",
    "Canberra",  "Dourbes",   "Eglin",   "Gakona",   "Jeju",      "San_Vito",
    "Juliusruh", "Learmonth", "Hobart",  "Darwin",   "Camden",    "Niue"};

// "Warsaw_iono.txt"; the station's name is the file's name without "_iono.txt".
std::string WorldListFile(std::string_view station);

// Index of each characteristic in WorldSounding::values.
enum WorldCharacteristic { kWorldFoF2, kWorldM3000, kWorldFoF1, kWorldFoE, kWorldFoEs };

struct WorldSounding {
  std::string column;                 // the time as column name: "0715"
  std::array<std::string, 5> values;  // empty where the list gives its missing-value text
};

struct WorldListDay {
  CalendarDate date;
  std::string yearText, monthText, dayText;  // as the list writes them
  std::vector<WorldSounding> soundings;
};

struct WorldList {
  bool noData = false;  // the list says "No data"
  std::vector<WorldListDay> days;
  // False when a line's date could not be read: the days before it stand, nothing after.
  bool complete = true;
  std::string lastDataDate;  // "08.10.2019", as the list writes it
  std::string lastDataTime;  // "23:45"
};

// ZagruzkaFtpUSA's reading: 16 header lines, then one sounding per line; the date switches
// where a line's day changes. Raises WorldListError for a list of fewer than 17 lines.
WorldList ParseWorldList(std::string_view text, std::string_view station);

// Creates each day's five rows (AddStrokaTable), then stores the values; a 00:00 value also
// goes into column "2400" of the day before.
void WriteWorldList(Database& database, std::string_view station, const WorldList& list);

}  // namespace talver
