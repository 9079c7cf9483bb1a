#include "tests/support/ParusFixture.h"

#include <algorithm>
#include <vector>

namespace talver::testing {

namespace {

// `value` right-aligned in a field of `width` characters that starts at 1-based `column`.
std::string At(const std::string& label, std::size_t column, std::size_t width,
               const std::string& value, const std::string& unit = "") {
  std::string line = label;
  line.resize(column - 1, ' ');
  std::string field = value;
  if (field.size() < width) {
    field.insert(0, width - field.size(), ' ');
  }
  return line + field + unit;
}

}  // namespace

std::string ParusFileText(const ParusFields& f) {
  std::vector<std::string> lines(static_cast<std::size_t>(std::max(f.lines, 20)));
  lines[0] = f.station + " - DATE: " + f.year + " " + f.month + " " + f.day +
             " - TIME (UT): " + f.hour + ":00";
  lines[1] = "AUTOSCALA 5.3";
  lines[2] = At("foF2", 14, 6, f.foF2, " MHz");
  lines[3] = "MUF(3000)F2 13.1 MHz";
  lines[4] = At("M(3000)F2", 10, 12, f.m3000);
  lines[5] = "fxI 05.7 MHz";
  lines[6] = At("foF1", 14, 6, f.foF1, " MHz");
  lines[7] = At("ftEs", 14, 6, f.es, " MHz");
  lines[8] = "h'Es 094 km";
  lines[9] = "-------------------------------------------------------------------";
  lines[10] = "";
  lines[11] = f.profile;
  lines[12] = "hmF2 430 km";
  lines[13] = "foF2 05.1 MHz";
  lines[14] = "foF1 00.0 MHz [PN]";
  lines[15] = "hmF1 --- km";
  lines[16] = At("foE", 9, 7, f.foE, " MHz");
  for (std::size_t i = 17; i < lines.size(); ++i) {
    lines[i] = "0" + std::to_string(90 + i) + " 00.147";
  }
  lines.resize(static_cast<std::size_t>(f.lines));
  std::string text;
  for (const auto& line : lines) {
    text += line + f.lineEnd;
  }
  return text;
}

}  // namespace talver::testing
