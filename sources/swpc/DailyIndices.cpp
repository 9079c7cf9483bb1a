#include "sources/swpc/DailyIndices.h"

#include "app/Display.h"
#include "common/Text.h"
#include "db/Database.h"

namespace talver {

namespace {

double Number(const std::string& text) {
  return StrToFloatTolerant(text);
}

}  // namespace

DailySolarData ParseDsd(std::string_view text) {
  const auto lines = SplitLines(text);
  auto last = lines.rbegin();
  while (last != lines.rend() && Trim(*last).empty()) {
    ++last;
  }
  if (last == lines.rend()) {
    throw IndexFileError("в файле DSD.txt нет строк");
  }
  const std::string_view line = *last;
  return DailySolarData{std::string(Columns(line, 1, 4)), std::string(Columns(line, 6, 7)),
                        std::string(Columns(line, 9, 10)), std::string(Columns(line, 12, 15)),
                        std::string(Columns(line, 19, 22))};
}

void ZagruzkaF107W(Database& database, Display& display, const DailySolarData& data) {
  display.SetLabel("lbWolf", {"W = " + data.w + "; SFI = " + data.sfi, std::nullopt, std::nullopt});
  int year = 0;
  int month = 0;
  int day = 0;
  const bool dated = ParseWholeNumber(data.year, year) && ParseWholeNumber(data.month, month) &&
                     ParseWholeNumber(data.day, day) && CalendarDate::IsValid(year, month, day);
  if (!dated || !IsPlainNumber(data.sfi) || !IsPlainNumber(data.w)) {
    return;  // the table keeps what it has
  }
  const std::vector<SqlValue> values{Number(data.sfi), Number(data.w),
                                     CalendarDate{year, month, day}.Iso()};
  try {
    if (database.Query("SELECT 1 FROM \"F107W\"").rows.empty()) {
      database.VvodDan("INSERT INTO \"F107W\" (\"F107\", \"W\", \"Data\") VALUES (?, ?, ?)",
                       values);
    } else {
      database.VvodDan("UPDATE \"F107W\" SET \"F107\" = ?, \"W\" = ?, \"Data\" = ?", values);
    }
  } catch (const DatabaseError&) {
    // As a failed statement: nothing changes.
  }
}

DailyGeomagneticData ParseAk(std::string_view text) {
  const auto lines = SplitLines(text);
  if (lines.size() < 37) {
    throw IndexFileError("в файле AK.txt меньше 37 строк");
  }
  const std::string_view line = lines[36];
  DailyGeomagneticData data;
  data.ap = std::string(Columns(line, 28, 30));
  for (std::size_t i = 0; i < data.k.size(); ++i) {
    const std::size_t first = 35 + 6 * i;
    data.k[i] = std::string(Columns(line, first, first + 1));
  }
  return data;
}

void ZagruzkaAK(Database& database, const DailyGeomagneticData& data,
                const CalendarDate& localToday, std::string& apText, std::string& kiText) {
  apText = data.ap;
  std::vector<SqlValue> values{localToday.Iso()};
  int ap = 0;
  const bool apValid = ParseWholeNumber(data.ap, ap);
  values.emplace_back(std::int64_t{ap});
  for (const std::string& k : data.k) {
    int value = 0;
    if (!ParseWholeNumber(k, value)) {
      throw IndexFileError("индекс K \"" + k + "\" в AK.txt не целое число");
    }
    if (value != -1) {
      kiText = k;
    }
    values.emplace_back(std::int64_t{value});
  }
  if (!apValid) {
    return;  // the insert could not be formed; the table keeps its rows
  }
  try {
    if (database.Query("SELECT 1 FROM \"AK\"").rows.size() > 1) {
      database.VvodDan("DELETE FROM \"AK\"");
    }
    database.VvodDan(
        "INSERT INTO \"AK\" (\"Data\", \"Ap\", \"3\", \"6\", \"9\", \"12\", \"15\", \"18\", "
        "\"21\", \"24\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        values);
  } catch (const DatabaseError&) {
  }
}

}  // namespace talver
