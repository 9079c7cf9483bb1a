#include "assessment/Freshness.h"

#include <stdexcept>

#include "app/Display.h"
#include "assessment/Disturbance.h"
#include "assessment/SourceList.h"
#include "common/Text.h"
#include "db/Database.h"
#include "db/Schema.h"
#include "sources/Acquisition.h"

namespace talver {

namespace {

// The freshness columns take at most 20 characters.
std::string Bound(const std::string& text) {
  return text.substr(0, 20);
}

const ColumnDef& FreshnessColumn(std::string_view column) {
  const ColumnDef* def = FindTable("NameFileLast")->FindColumn(column);
  if (!def) {
    throw DatabaseError("в таблице NameFileLast нет столбца " + std::string(column));
  }
  return *def;
}

}  // namespace

void LastTimeData(Database& database, Display& display, const FileState& file,
                  std::string_view dateColumn, std::string_view timeColumn) {
  try {
    database.Execute("UPDATE \"NameFileLast\" SET " +
                         QuoteIdentifier(FreshnessColumn(dateColumn).name) + " = ?, " +
                         QuoteIdentifier(FreshnessColumn(timeColumn).name) + " = ?",
                     {Bound(file.LastDataDate), Bound(file.LastDataTime)});
  } catch (const std::exception& error) {
    display.ShowMessage({"",
                         "0854CBF4: Ошибка в записи данных имени файла \r\n" +
                             file.CurrentFileName + "\r\n\r\n" + error.what(),
                         MessageIcon::Error});
  }
}

std::optional<Colour> FreshnessColour(int hour, const std::string& dateText,
                                      const DateTime& nowUtc) {
  const int now = nowUtc.hour;
  std::optional<Colour> colour;
  if (hour == now) {
    colour = colours::kGreen;
  }
  if (hour == now - 1) {
    colour = colours::kFuchsia;
  }
  if (hour <= now - 2) {
    colour = colours::kRed;
  } else {
    const auto date = CalendarDate::ParseDayMonthYear(dateText);
    if (!date) {
      throw std::invalid_argument("дата \"" + dateText + "\" не читается");
    }
    if (*date < nowUtc.date) {
      colour = colours::kRed;
    }
  }
  return colour;
}

void LastData(Database& database, Display& display, int sourceIndex, const Clock& clock) {
  const DataSource* source = SourceAt(sourceIndex);
  std::string date;
  std::string time;
  try {
    if (!source || source->freshnessDateColumn.empty()) {
      return;  // a blank entry: nothing to show, nothing to assess
    }
    const SqlRows rows = database.Query(
        "SELECT " + QuoteIdentifier(FreshnessColumn(source->freshnessDateColumn).name) + ", " +
        QuoteIdentifier(FreshnessColumn(source->freshnessTimeColumn).name) +
        " FROM \"NameFileLast\" ORDER BY rowid DESC LIMIT 1");
    if (!rows.rows.empty()) {
      date = AsText(rows.rows[0][0]);
      time = AsText(rows.rows[0][1]);
    }
  } catch (const DatabaseError&) {
    return;
  }
  if (date.empty() || time.empty()) {
    display.SetLabel("lbDanny", {"Нет данных.", colours::kRed, std::nullopt});
  } else {
    const std::string text = "Данные актуальны на " + time + " " + date;
    int hour = 0;
    const std::string_view hourText = Trim(std::string_view(time).substr(0, 2));
    std::optional<Colour> colour;
    bool readable = hourText.size() == 2 && ParseWholeNumber(hourText, hour);
    if (readable) {
      try {
        colour = FreshnessColour(hour, date, clock.NowUtc());
      } catch (const std::invalid_argument&) {
        readable = false;
      }
    }
    display.SetLabel("lbDanny", {text, colour, std::nullopt});
    if (!readable) {
      display.LogDetail("время или дата свежести не читаются: " + text);
      return;
    }
  }
  SostoyanieIONO(database, display, sourceIndex, clock);
}

}  // namespace talver
