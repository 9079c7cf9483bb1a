#include "assessment/Disturbance.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "app/Display.h"
#include "assessment/Median.h"
#include "assessment/SourceList.h"
#include "common/Text.h"
#include "db/Database.h"

namespace talver {

DisturbanceClass Classify(double q) {
  if (q >= -0.2 && q <= 0.2) {
    return {" Спокойное ", colours::kGreen};
  }
  if (q < -0.35) {
    return {" Сильное отрицательное возмущение ", colours::kRed};
  }
  if (q < -0.25) {
    return {" Умеренное отрицательное возмущение ", colours::kPurple};
  }
  if (q < -0.2) {
    return {" Слабое отрицательное возмущение ", colours::kFuchsia};
  }
  if (q > 0.35) {
    return {" Сильное положительное возмущение ", colours::kRed};
  }
  if (q > 0.25) {
    return {" Умеренное положительное возмущение ", colours::kPurple};
  }
  return {" Слабое положительное возмущение ", colours::kFuchsia};
}

std::string PercentText(double q) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.3e", q * 100);
  const double rounded = std::strtod(buffer, nullptr);
  std::snprintf(buffer, sizeof buffer, "%.1f", rounded);
  return buffer;  // printf writes the locale's decimal separator, as the operator reads it
}

void SostoyanieIONO(Database& database, Display& display, int sourceIndex, const Clock& clock) {
  const DataSource* source = SourceAt(sourceIndex);
  if (!source || !source->HasTable()) {
    return;
  }
  const TableDef* table = FindTable(source->foF2Table);
  if (!table) {
    throw DatabaseError("нет таблицы " + std::string(source->foF2Table));
  }
  const CalendarDate today = clock.NowLocal().date;
  const int hour = clock.NowUtc().hour;
  const double median =
      Mediana10(database, display, *source, hour, today.AddDays(-10), today.AddDays(-1));

  const std::string column = HourColumn(source->scheme, hour);
  if (!table->FindColumn(column)) {
    throw DatabaseError("нет столбца " + column + " в таблице " + table->name);
  }
  const SqlRows current = database.Query(
      "SELECT " + QuoteIdentifier(column) + " FROM " + QuoteIdentifier(table->name) +
          " WHERE \"Year\" = ? AND \"Month\" = ? AND \"Day\" = ?",
      {std::int64_t{today.year}, std::int64_t{today.month}, std::int64_t{today.day}});
  const double value = current.rows.empty() ? 0 : AsNumber(current.rows[0][0]).value_or(0);

  display.SetLabel("Label16", {"Текущее состояние ионосферы по выбранному зонду на " +
                                   std::to_string(hour) + " ч.",
                               std::nullopt, std::nullopt});
  if (median == 0 || value == 0) {
    display.SetLabel("lbSostIono", {"Нет данных", colours::kBlack, true});
    display.SetIndicator("shSost", false, colours::kBlack);
    return;
  }
  const double q = (value - median) / median;
  const DisturbanceClass state = Classify(q);
  display.SetLabel("lbSostIono", {state.text + PercentText(q) + "%", state.colour, true});
  display.SetIndicator("shSost", true, state.colour);
}

}  // namespace talver
