// The SAO day file of a digisonde: a pure parser that keeps the full-hour soundings, and
// the writer that stores them in the station's seven day tables.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/Date.h"
#include "db/Schema.h"

namespace talver {

class Database;

// A text that cannot be read as the SAO day file asked for.
class SaoFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Index of each characteristic, in the order of SaoTableSet.
enum SaoCharacteristic { kSaoFoF2, kSaoFoF1, kSaoFmin, kSaoFoE, kSaoEs, kSaoM3000, kSaoFoEp };

struct SaoDay {
  CalendarDate date;
  // hours[H][characteristic]: the value of the last minute-00 sounding of hour H that had
  // one, as the file writes it; empty when there is none.
  std::array<std::array<std::string, 7>, 24> hours;
  bool loaded = false;       // some hour has a foF2
  std::string lastDataDate;  // "7.10.2019"
  std::string lastDataTime;  // newest hour with a foF2, "12:00"; empty when none
};

// ZagruzkaDannyhDigizond: the records of day `dayOfYear` of `year` (four digits). Raises
// SaoFormatError when the file holds no record of that day, or a record is cut short.
SaoDay ZagruzkaDannyhDigizond(std::string_view text, int year, int dayOfYear);

// Creates the seven day rows of the date (also when no value came), then writes the values;
// each hour-0 value also goes into column "24" of the previous day in its own table.
void WriteSaoDay(Database& database, const SaoTableSet& tables, const SaoDay& day);

}  // namespace talver
