#include "assessment/Freshness.h"

#include <stdexcept>

#include "app/Display.h"
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

}  // namespace talver
