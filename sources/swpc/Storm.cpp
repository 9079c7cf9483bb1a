#include "sources/swpc/Storm.h"

#include <cmath>

#include "app/Display.h"
#include "common/Text.h"
#include "db/Database.h"

namespace talver {

namespace {

struct Field {
  std::size_t first;
  std::size_t last;
};

// Hap ends at column 10 and IntAp begins there: both read it.
constexpr Field kUt{1, 4};
constexpr std::array<Field, 8> kValueFields{
    {{6, 10}, {10, 16}, {17, 22}, {23, 27}, {28, 32}, {33, 37}, {38, 42}, {43, 47}}};

std::string HourText(int ut, const std::string& utText) {
  return ut >= 10 ? utText : "0" + utText;
}

void ShowState(Display& display, int hap) {
  const GeomagneticState state = GeomagneticStateOf(hap);
  display.SetLabel("lbApSost", {state.text, state.colour, std::nullopt});
}

void ShowNoData(Display& display) {
  display.SetLabel("lbAp", {std::string(kNoStormDataText), std::nullopt, std::nullopt});
  display.SetLabel("lbApSost", {"Нет данных", std::nullopt, std::nullopt});
}

}  // namespace

StormLines ParseStorm(std::string_view text) {
  StormLines storm;
  const auto lines = SplitLines(text);
  for (std::size_t i = 20; i < lines.size(); ++i) {
    StormLine line;
    line.utText = std::string(Columns(lines[i], kUt.first, kUt.last));
    if (!ParseWholeNumber(line.utText, line.ut)) {
      continue;  // a line without an hour cannot be stored or shown
    }
    line.hapText = std::string(Columns(lines[i], kValueFields[0].first, kValueFields[0].last));
    for (std::size_t f = 0; f < kValueFields.size(); ++f) {
      const std::string_view value = Columns(lines[i], kValueFields[f].first, kValueFields[f].last);
      if (IsPlainNumber(value)) {
        line.values[f] = StrToFloatTolerant(value);
      }
    }
    storm.lines.push_back(std::move(line));
  }
  return storm;
}

void StoreStorm(Database& database, const CalendarDate& date, const StormLines& storm) {
  for (const StormLine& line : storm.lines) {
    std::vector<SqlValue> values{date.Iso(), std::int64_t{line.ut}};
    bool complete = true;
    for (const auto& value : line.values) {
      complete = complete && value.has_value();
      values.emplace_back(value.value_or(0));
    }
    if (!complete) {
      continue;
    }
    const SqlRows existing = database.Query(
        "SELECT 1 FROM \"STORM\" WHERE \"Data\" = ? AND \"UT\" = ?", {values[0], values[1]});
    if (existing.rows.empty()) {
      database.VvodDan(
          "INSERT INTO \"STORM\" (\"Data\", \"UT\", \"Hap\", \"IntAp\", \"70\", \"50\", \"30\", "
          "\"_30\", \"_50\", \"_70\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
          values);
    }
  }
}

GeomagneticState GeomagneticStateOf(int hap) {
  if (hap >= 0 && hap <= 7) {
    return {"Состояние - СПОКОЙНОЕ", colours::kGreen};
  }
  if (hap >= 8 && hap <= 15) {
    return {"Состояние - НЕУСТОЙЧИВОЕ", colours::kGrey};
  }
  if (hap >= 16 && hap <= 29) {
    return {"Состояние - ВОЗМУЩЕННОЕ", colours::kPurple};
  }
  if (hap >= 30 && hap <= 49) {
    return {"Состояние - СЛАБАЯ МАГНИТНАЯ БУРЯ", colours::kFuchsia};
  }
  if (hap >= 50 && hap <= 99) {
    return {"Состояние - СРЕДНЯЯ МАГНИТНАЯ БУРЯ", colours::kMaroon};
  }
  return {"Состояние - СИЛЬНАЯ МАГНИТНАЯ БУРЯ", colours::kRed};
}

void ShowStormState(Display& display, const StormLines& today, const CalendarDate& utcToday,
                    const std::string& apText, const std::string& kiText) {
  int hap = 0;
  if (today.lines.empty() || !ParseWholeNumber(today.lines.back().hapText, hap)) {
    ShowNoData(display);
    return;
  }
  const StormLine& newest = today.lines.back();
  display.SetLabel("lbAp",
                   {"Индекс геомагнитной активности на " + HourText(newest.ut, newest.utText) +
                        " часов " + utcToday.DottedNoZeros() + " Ар=" + apText + "; Ki=" + kiText,
                    std::nullopt, std::nullopt});
  ShowState(display, hap);
}

void StormInetOff(Database& database, Display& display, const std::string& kiText) {
  const SqlRows last =
      database.Query("SELECT \"UT\", \"Hap\", \"Data\" FROM \"STORM\" ORDER BY rowid DESC LIMIT 1");
  if (last.rows.empty()) {
    ShowNoData(display);  // the table is emptied at every exit, so this is the usual case
    return;
  }
  const auto& row = last.rows[0];
  const auto date = CalendarDate::ParseIso(AsText(row[2]));
  if (!AsNumber(row[0]) || !AsNumber(row[1]) || !date) {
    ShowNoData(display);
    return;
  }
  const int hour = static_cast<int>(AsNumber(row[0]).value_or(0));
  const double hap = AsNumber(row[1]).value_or(0);
  display.SetLabel(
      "lbAp",
      {"Индекс геомагнитной активности на " + HourText(hour, std::to_string(hour)) + " часов " +
           date->ShortText() + " Ар=" + FloatToStrSep('.', hap) + "; Ki=" + kiText,
       std::nullopt, std::nullopt});
  // Halves go to the even neighbour.
  ShowState(display, static_cast<int>(std::nearbyint(hap)));
}

}  // namespace talver
