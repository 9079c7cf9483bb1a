#include "assessment/Median.h"

#include <algorithm>
#include <stdexcept>

#include "app/Display.h"
#include "assessment/SourceList.h"
#include "db/Database.h"

namespace talver {

double MedianOf(std::vector<std::optional<double>> values) {
  std::vector<double> present;
  for (const auto& value : values) {
    if (value) {
      present.push_back(*value);
    }
  }
  if (present.empty()) {
    return 0;
  }
  std::sort(present.begin(), present.end());
  const std::size_t n = present.size();
  return n % 2 == 1 ? present[n / 2] : (present[n / 2 - 1] + present[n / 2]) / 2;
}

double Mediana10(Database& database, Display& display, const DataSource& source, int hour,
                 const CalendarDate& first, const CalendarDate& last) {
  try {
    const TableDef* table = FindTable(source.foF2Table);
    const std::string column = HourColumn(source.scheme, hour);
    if (!table || !table->FindColumn(column)) {
      throw DatabaseError("нет столбца " + column + " в таблице " + std::string(source.foF2Table));
    }
    const SqlRows rows =
        database.Query("SELECT " + QuoteIdentifier(column) + " FROM " +
                           QuoteIdentifier(table->name) + " WHERE \"Data\" BETWEEN ? AND ?",
                       {first.Iso(), last.Iso()});
    std::vector<std::optional<double>> values;
    for (const auto& row : rows.rows) {
      if (std::holds_alternative<std::string>(row[0])) {
        throw DatabaseError("значение \"" + std::get<std::string>(row[0]) + "\" не число");
      }
      values.push_back(AsNumber(row[0]));
    }
    return MedianOf(std::move(values));
  } catch (const std::exception& error) {
    display.ShowMessage(
        {"", std::string("7430F3F3: Ошибка при обработки данных.\r\n\r\n") + error.what(),
         MessageIcon::Error});
    return 0;
  }
}

}  // namespace talver
