// Hourly Parus/AIS files laid out as the stations publish them, for tests.
#pragma once

#include <string>

namespace talver::testing {

struct ParusFields {
  std::string station = "Moscow (lat: +55.5, lon: 037.3)";
  std::string year = "2019";
  std::string month = "10";
  std::string day = "07";
  std::string hour = "05";
  std::string foF2 = "04.35";
  std::string m3000 = "02.87";
  std::string foF1 = "N/A";
  std::string es = "03.20";
  // Line 11: "NO PROFILE FOUND", "NO DATA FOR AIP", or a profile heading.
  std::string profile = "AIP     output";
  std::string foE = "02.51";
  int lines = 20;
  std::string lineEnd = "\r\n";
};

std::string ParusFileText(const ParusFields& fields);

}  // namespace talver::testing
