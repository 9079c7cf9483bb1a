#include "tests/support/SwpcFixture.h"

#include <cstdio>

#include "common/Text.h"
#include "tests/support/Sandbox.h"

namespace talver::testing {

namespace {

// `value` right-aligned in columns first..last (1-based) of `line`.
void Put(std::string& line, std::size_t first, std::size_t last, const std::string& value) {
  const std::size_t width = last - first + 1;
  if (line.size() < last) {
    line.resize(last, ' ');
  }
  std::string field = value.substr(0, width);
  field.insert(0, width - field.size(), ' ');
  line.replace(first - 1, width, field);
}

}  // namespace

std::string DsdText(const std::vector<DsdDay>& days) {
  const std::string real =
      ReadSourceFile("tests/data/real/swpc_dsd/DSD_issued_20241108_EXCERPT.txt");
  std::string text;
  const auto lines = SplitLines(real);
  for (std::size_t i = 0; i < 13; ++i) {
    text += std::string(lines[i]) + "\n";
  }
  for (const auto& day : days) {
    char line[128];
    std::snprintf(line, sizeof line,
                  "%s  %3d    %3d     1920      0    -999      *   3  2  2  4  2  0  0",
                  day.date.c_str(), day.sfi, day.w);
    text += std::string(line) + "\n";
  }
  return text;
}

std::string AkText(int ap, const std::array<std::string, 8>& k, int lines) {
  const auto real = SplitSourceLines("tests/data/real/swpc_ak/201001AK_day1_EXCERPT.txt");
  std::string text;
  for (int i = 0; i < lines; ++i) {
    std::string line = i < static_cast<int>(real.size()) ? real[static_cast<std::size_t>(i)] : "";
    if (i == 36) {
      line = "Planetary(estimated Ap)";
      Put(line, 28, 30, std::to_string(ap));
      for (std::size_t n = 0; n < k.size(); ++n) {
        Put(line, 35 + 6 * n, 36 + 6 * n, k[n]);
      }
    }
    text += line + "\n";
  }
  return text;
}

std::string StormText(const std::vector<StormHour>& hours, const std::string& tail) {
  static const char* kHeader[] = {
      ":Data_list: RTST-today.txt",
      ":Created: 2019 Oct 07 1030 UTC",
      "# Prepared by the U.S. Dept. of Commerce, NOAA, Space Weather Prediction Center.",
      "# Please send comments and suggestions to swpc.webmaster@noaa.gov",
      "#",
      "# Label: Hap = 3 hour Planetary A Geomagnetic index updated hourly.",
      "# Label: int.ap = Integral of Planetary Ap Geomagnetic index over the previous 33 values",
      "# Label: +70 = Correction factor at 70N Geomagnetic latitude",
      "# Label: +50 = Correction factor at 50N Geomagnetic latitude",
      "# Label: +30 = Correction factor at 30N Geomagnetic latitude",
      "# Label: -30 = Correction factor at 30S Geomagnetic latitude",
      "# Label: -50 = Correction factor at 50S Geomagnetic latitude",
      "# Label: -70 = Correction factor at 70S Geomagnetic latitude",
      "# Source: Hap is from USAF Hourly Magnetometer Analysis Report",
      "# Missing Data: linearly interpolated: 0 = not interpolated",
      "#",
      "# STORM Time Empirical Ionospheric Correction Model",
      "#",
      "# UTC  Hap int.ap   +70  +50  +30  -30  -50  -70 interpolated",
      "#------------------------------------------------------------",
  };
  std::string text;
  for (const char* line : kHeader) {
    text += std::string(line) + "\n";
  }
  for (const auto& hour : hours) {
    char line[128];
    std::snprintf(line, sizeof line, "%4d %4s%7.1f%6.2f%5.2f%5.2f%5.2f%5.2f%5.2f  0", hour.ut,
                  hour.hap.c_str(), hour.intAp, hour.correction, hour.correction, hour.correction,
                  hour.correction, hour.correction, hour.correction);
    text += std::string(line) + "\n";
  }
  return text + tail;
}

namespace {

std::string IonoHeader(const std::string& station) {
  std::string text = ":Product: " + station + "_iono.txt\n:Issued: 2019 Oct 08 2355 UTC\n";
  for (int i = 0; i < 11; ++i) {
    text += "#\n";
  }
  const auto real =
      SplitSourceLines("tests/data/real/swpc_iono_day/Boulder_iono_20160620_line_EXCERPT.txt");
  text += real[0] + "\n" + real[1] + "\n#\n";
  return text;
}

}  // namespace

std::string IonoListText(const std::string& station, const std::vector<IonoLine>& lines) {
  const auto real =
      SplitSourceLines("tests/data/real/swpc_iono_day/Boulder_iono_20160620_line_EXCERPT.txt");
  std::string text = IonoHeader(station);
  for (const auto& values : lines) {
    std::string line = real[2];
    Put(line, 1, 10, values.date);
    Put(line, 13, 16, values.time);
    Put(line, 21, 24, values.foF2);
    Put(line, 30, 34, values.m3000);
    Put(line, 63, 66, values.foF1);
    Put(line, 68, 71, values.foE);
    Put(line, 77, 80, values.foEs);
    text += line + "\n";
  }
  return text;
}

std::string IonoNoDataText(const std::string& station, const std::string& noDataLine) {
  return IonoHeader(station) + noDataLine + "\n";
}

}  // namespace talver::testing
