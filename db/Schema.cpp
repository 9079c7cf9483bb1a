#include "db/Schema.h"

#include <sqlite3.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "common/Text.h"

namespace talver {

namespace {

std::vector<ColumnDef> DayColumns(HourScheme scheme) {
  std::vector<ColumnDef> columns{{"Data", ColumnType::Text},
                                 {"Year", ColumnType::Integer},
                                 {"Month", ColumnType::Integer},
                                 {"Day", ColumnType::Integer}};
  if (scheme == HourScheme::BareHours) {
    for (int hour = 0; hour <= 24; ++hour) {
      columns.push_back({std::to_string(hour), ColumnType::Real});
    }
  } else {
    char name[8];
    for (int minutes = 0; minutes <= 24 * 60; minutes += 15) {
      std::snprintf(name, sizeof name, "%02d%02d", minutes / 60, minutes % 60);
      columns.push_back({name, ColumnType::Real});
    }
  }
  return columns;
}

TableDef DayTable(std::string name, HourScheme scheme) {
  return TableDef{std::move(name), TableKind::Day, scheme, DayColumns(scheme)};
}

std::vector<TableDef> BuildCatalogue() {
  std::vector<TableDef> tables;
  for (const ParusTableSet* set : {&kMoscowTables, &kRomeTables, &kNovosibirskTables}) {
    for (const auto name : set->tables) {
      tables.push_back(DayTable(std::string(name), HourScheme::BareHours));
    }
  }
  for (const auto name : kPragueTables.tables) {
    tables.push_back(DayTable(std::string(name), HourScheme::BareHours));
  }
  for (const char* name :
       {"MO155FoF2", "MO155M3000", "MO155FoF1", "MO155Es", "MO155FoE", "MO155FoEp"}) {
    tables.push_back(DayTable(name, HourScheme::QuarterHours));
  }
  for (const auto station : kWorldStations) {
    for (const auto suffix : kWorldTableSuffixes) {
      tables.push_back(
          DayTable(std::string(station) + std::string(suffix), HourScheme::QuarterHours));
    }
  }

  TableDef storm{"STORM",
                 TableKind::Storm,
                 HourScheme::BareHours,
                 {{"Data", ColumnType::Text}, {"UT", ColumnType::Integer}}};
  for (const char* name : {"Hap", "IntAp", "70", "50", "30", "_30", "_50", "_70"}) {
    storm.columns.push_back({name, ColumnType::Real});
  }
  tables.push_back(std::move(storm));

  TableDef ak{"AK",
              TableKind::Ak,
              HourScheme::BareHours,
              {{"Data", ColumnType::Text}, {"Ap", ColumnType::Integer}}};
  for (int hour = 3; hour <= 24; hour += 3) {
    ak.columns.push_back({std::to_string(hour), ColumnType::Integer});
  }
  tables.push_back(std::move(ak));

  tables.push_back(
      TableDef{"F107W",
               TableKind::F107W,
               HourScheme::BareHours,
               {{"F107", ColumnType::Real}, {"W", ColumnType::Real}, {"Data", ColumnType::Text}}});

  TableDef freshness{"NameFileLast", TableKind::NameFileLast, HourScheme::BareHours, {}};
  for (const auto suffix : kFreshnessSuffixes) {
    freshness.columns.push_back({"DataLast" + std::string(suffix), ColumnType::Text});
    freshness.columns.push_back({"TimeLast" + std::string(suffix), ColumnType::Text});
  }
  tables.push_back(std::move(freshness));
  return tables;
}

const char* TypeName(ColumnType type) {
  switch (type) {
    case ColumnType::Text:
      return "TEXT";
    case ColumnType::Integer:
      return "INTEGER";
    case ColumnType::Real:
      return "REAL";
  }
  return "";
}

std::string CreateStatements() {
  std::string sql = "BEGIN;\n";
  for (const auto& table : Catalogue()) {
    sql += "CREATE TABLE " + QuoteIdentifier(table.name) + " (";
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
      sql += (i ? ", " : "") + QuoteIdentifier(table.columns[i].name) + " " +
             TypeName(table.columns[i].type);
    }
    sql += ");\n";
    if (table.kind == TableKind::Day) {
      sql += "CREATE UNIQUE INDEX " + QuoteIdentifier(table.name + "_day") + " ON " +
             QuoteIdentifier(table.name) + " (\"Year\", \"Month\", \"Day\");\n";
      sql += "CREATE INDEX " + QuoteIdentifier(table.name + "_data") + " ON " +
             QuoteIdentifier(table.name) + " (\"Data\");\n";
    }
  }
  sql += "CREATE UNIQUE INDEX \"STORM_hour\" ON \"STORM\" (\"Data\", \"UT\");\n";
  sql += "INSERT INTO \"NameFileLast\" DEFAULT VALUES;\n";
  sql += "COMMIT;\n";
  return sql;
}

}  // namespace

const ColumnDef* TableDef::FindColumn(std::string_view column) const {
  for (const auto& def : columns) {
    if (EqualsIgnoreCase(def.name, column)) {
      return &def;
    }
  }
  return nullptr;
}

const std::vector<TableDef>& Catalogue() {
  static const std::vector<TableDef> catalogue = BuildCatalogue();
  return catalogue;
}

const TableDef* FindTable(std::string_view name) {
  for (const auto& table : Catalogue()) {
    if (EqualsIgnoreCase(table.name, name)) {
      return &table;
    }
  }
  return nullptr;
}

std::string QuoteIdentifier(std::string_view name) {
  return "\"" + StrReplaceAll(name, "\"", "\"\"") + "\"";
}

std::string HourColumn(HourScheme scheme, int hour) {
  if (scheme == HourScheme::BareHours) {
    return std::to_string(hour);
  }
  char name[8];
  std::snprintf(name, sizeof name, "%02d00", hour);
  return name;
}

void CreateDatabase(const std::filesystem::path& file) {
  if (std::filesystem::exists(file)) {
    throw std::runtime_error("файл " + file.string() + " уже существует");
  }
  sqlite3* raw = nullptr;
  const int opened =
      sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  const std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db(raw, &sqlite3_close);
  if (opened != SQLITE_OK) {
    throw std::runtime_error(raw ? sqlite3_errmsg(raw) : "sqlite3_open_v2");
  }
  char* error = nullptr;
  if (sqlite3_exec(db.get(), CreateStatements().c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "sqlite3_exec";
    sqlite3_free(error);
    throw std::runtime_error(message);
  }
}

}  // namespace talver
