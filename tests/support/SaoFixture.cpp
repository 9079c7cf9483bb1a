#include "tests/support/SaoFixture.h"

#include <cstdio>

namespace talver::testing {

namespace {

std::string Field(const SaoRecord& record, int number) {
  const auto found = record.fields.find(number);
  std::string value = found == record.fields.end() ? "9999.000" : found->second;
  if (value.size() < 8) {
    value.insert(0, 8 - value.size(), ' ');
  }
  return value;
}

}  // namespace

std::string SaoRecordText(const SaoRecord& record, const std::string& lineEnd) {
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "FF%04d%03d%02d%02d%02d%02d04", record.year, record.dayOfYear,
                record.month, record.day, record.hour, record.minute);
  std::string text;
  text += "  5  1 77 43 20  8 14  0 14 14 14 18  0 18 18 18 21  0 21" + lineEnd;
  text += "  1.500 77.600 69.600 19.200 -1.000" + lineEnd;
  text += "DPS-4 052/PQ052, ARTIST 5002" + lineEnd;
  if (record.operatorMessage) {
    text += "AR.5002.49: Problems inverting F-tra" + lineEnd;
  }
  text += std::string(stamp) + "0700701101000005016000010001107501000080501280000G201" + lineEnd;
  for (int line = 0; line < 2; ++line) {
    for (int i = 1; i <= 15; ++i) {
      text += Field(record, line * 15 + i);
    }
    text += lineEnd;
  }
  text += "   3.676 227.500 170.000 144.585" + lineEnd;
  text += " 1 2 0 1 0 0 0 0 011 0 0 0 0 3 0 0 0 0 0" + lineEnd;
  return text;
}

}  // namespace talver::testing
