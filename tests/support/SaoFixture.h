// SAO-4 day files built record by record, for tests.
#pragma once

#include <map>
#include <string>

namespace talver::testing {

// One sounding. Fields are numbered as in the scaled-characteristics group: line A holds
// fields 1..15, line B fields 16..30; an unset field is "9999.000".
struct SaoRecord {
  int year = 2019;
  int dayOfYear = 280;
  int month = 10;
  int day = 7;
  int hour = 12;
  int minute = 0;
  std::map<int, std::string> fields;
  bool operatorMessage = false;  // an extra line before the time stamp, as some stations write
};

// Field numbers of the characteristics the server reads.
inline constexpr int kFieldFoF2 = 1;
inline constexpr int kFieldFoF1 = 2;
inline constexpr int kFieldM3000 = 3;
inline constexpr int kFieldFmin = 5;
inline constexpr int kFieldEs = 6;
inline constexpr int kFieldFoE = 9;
inline constexpr int kFieldFoEp = 28;

std::string SaoRecordText(const SaoRecord& record, const std::string& lineEnd = "\r\n");

}  // namespace talver::testing
