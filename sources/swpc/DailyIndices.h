// The daily solar data (DSD.txt) and the daily geomagnetic indices (AK.txt) of SWPC: pure
// parsers and the operations that store and show what they read.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/Date.h"

namespace talver {

class Database;
class Display;

class IndexFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct DailySolarData {
  std::string year, month, day;  // as the line writes them
  std::string sfi;               // the 10.7 cm radio flux
  std::string w;                 // the sunspot (Wolf) number
};

// The newest day of DSD.txt: its last line that is not blank. Raises IndexFileError for a
// file without one.
DailySolarData ParseDsd(std::string_view text);

// ZagruzkaF107W: lbWolf "W = …; SFI = …", and the one row of F107W (inserted into an empty
// table, otherwise overwritten).
void ZagruzkaF107W(Database& database, Display& display, const DailySolarData& data);

struct DailyGeomagneticData {
  std::string ap;
  std::array<std::string, 8> k;  // the 3-hourly K indices, -1 where missing
};

// The 37th line of AK.txt. Raises IndexFileError when the file is shorter.
DailyGeomagneticData ParseAk(std::string_view text);

// ZagruzkaAK: ApText := the A index; KiText := the last K that is not -1; a row dated the
// local day in AK, which keeps at most two rows. A K that is not a whole number raises
// IndexFileError after ApText (and KiText as far as it got) changed, and leaves AK alone.
void ZagruzkaAK(Database& database, const DailyGeomagneticData& data,
                const CalendarDate& localToday, std::string& apText, std::string& kiText);

}  // namespace talver
