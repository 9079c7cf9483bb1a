// SWPC files laid out as SWPC publishes them, for tests.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace talver::testing {

// DSD.txt: the real header and one line per day ("2019 10 07", SFI, W).
struct DsdDay {
  std::string date;  // "2019 10 07"
  int sfi;
  int w;
};
std::string DsdText(const std::vector<DsdDay>& days);

// AK.txt whose 37th line, the planetary one, holds this A index and these K indices.
std::string AkText(int ap, const std::array<std::string, 8>& k, int lines = 40);

// A storm-corrections file: the 20 header lines, then one line per hour.
struct StormHour {
  int ut;
  std::string hap;  // as written, "7" or "12.5"
  double intAp = 94.2;
  double correction = 1.0;
};
std::string StormText(const std::vector<StormHour>& hours, const std::string& tail = "");

// One line of a world station's daily list.
struct IonoLine {
  std::string date = "2019 10 08";
  std::string time = "0000";
  std::string foF2 = "4.5";
  std::string m3000 = "2.98";
  std::string foF1 = "-1.0";
  std::string foE = "-1.0";
  std::string foEs = "2.2";
};
// A daily list: 16 header lines, then the lines (or "No data").
std::string IonoListText(const std::string& station, const std::vector<IonoLine>& lines);
std::string IonoNoDataText(const std::string& station, const std::string& noDataLine);

}  // namespace talver::testing
