#include "db/Database.h"

#include <sqlite3.h>

#include <charconv>

#include "common/Text.h"

namespace talver {

namespace {

using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

Statement Prepare(sqlite3* db, std::string_view sql, const std::vector<SqlValue>& params) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, nullptr) !=
      SQLITE_OK) {
    throw DatabaseError(sqlite3_errmsg(db));
  }
  Statement statement(raw, &sqlite3_finalize);
  for (std::size_t i = 0; i < params.size(); ++i) {
    const int index = static_cast<int>(i + 1);
    const SqlValue& value = params[i];
    int result = SQLITE_OK;
    if (std::holds_alternative<std::monostate>(value)) {
      result = sqlite3_bind_null(raw, index);
    } else if (const auto* number = std::get_if<std::int64_t>(&value)) {
      result = sqlite3_bind_int64(raw, index, *number);
    } else if (const auto* real = std::get_if<double>(&value)) {
      result = sqlite3_bind_double(raw, index, *real);
    } else {
      const auto& text = std::get<std::string>(value);
      result = sqlite3_bind_text(raw, index, text.data(), static_cast<int>(text.size()),
                                 SQLITE_TRANSIENT);
    }
    if (result != SQLITE_OK) {
      throw DatabaseError(sqlite3_errmsg(db));
    }
  }
  return statement;
}

SqlValue Cell(sqlite3_stmt* statement, int column) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
      return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
      return sqlite3_column_double(statement, column);
    case SQLITE_NULL:
      return std::monostate{};
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
      return std::string(text ? text : "");
    }
  }
}

double PlainNumberValue(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace

std::string DatabaseOpenMessage(std::string_view cause) {
  return "D0CCAE0C: Ошибка при подключении к базе ионосферных данных.\r\nНастройте путь к базе "
         "данных.\r\nПЕРЕЗАГРУЗИТЕ ПРОГРАММУ!\r\n\r\n" +
         std::string(cause);
}

Database::Database(const std::filesystem::path& file) : db_(nullptr, &sqlite3_close) {
  sqlite3* raw = nullptr;
  const int opened = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
  db_.reset(raw);
  if (opened != SQLITE_OK) {
    const std::string cause = raw ? sqlite3_errmsg(raw) : "sqlite3_open_v2";
    throw DatabaseOpenError(DatabaseOpenMessage(cause + ": " + file.string()));
  }
  try {
    sqlite3_busy_timeout(raw, 10000);
    const SqlRows tables = Query("SELECT name FROM sqlite_master WHERE type = 'table'");
    std::string missing;
    for (const auto& table : Catalogue()) {
      bool found = false;
      for (const auto& row : tables.rows) {
        found = found || EqualsIgnoreCase(AsText(row[0]), table.name);
      }
      if (!found) {
        missing += (missing.empty() ? "" : ", ") + table.name;
      }
    }
    if (!missing.empty()) {
      throw DatabaseError("в базе " + file.string() + " нет таблиц: " + missing);
    }
    Query("PRAGMA journal_mode=WAL");
  } catch (const DatabaseError& error) {
    throw DatabaseOpenError(DatabaseOpenMessage(error.what()));
  }
}

Database::~Database() = default;

void Database::Execute(std::string_view sql, const std::vector<SqlValue>& params) {
  const Statement statement = Prepare(db_.get(), sql, params);
  int step = SQLITE_ROW;
  while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
  }
  if (step != SQLITE_DONE) {
    throw DatabaseError(sqlite3_errmsg(db_.get()));
  }
}

SqlRows Database::Query(std::string_view sql, const std::vector<SqlValue>& params) {
  const Statement statement = Prepare(db_.get(), sql, params);
  SqlRows result;
  const int count = sqlite3_column_count(statement.get());
  for (int i = 0; i < count; ++i) {
    result.columns.emplace_back(sqlite3_column_name(statement.get(), i));
  }
  int step = SQLITE_ROW;
  while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
    std::vector<SqlValue> row;
    row.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      row.push_back(Cell(statement.get(), i));
    }
    result.rows.push_back(std::move(row));
  }
  if (step != SQLITE_DONE) {
    throw DatabaseError(sqlite3_errmsg(db_.get()));
  }
  return result;
}

void Database::VvodDan(std::string_view sql, const std::vector<SqlValue>& params) noexcept {
  try {
    Execute(sql, params);
  } catch (...) {
    // A statement that fails changes nothing; the caller goes on with the next one.
  }
}

void Database::VvodDanBD(std::string_view table, int year, int month, int day,
                         std::string_view column, std::string_view value,
                         const std::optional<CalendarDate>& previousDay) noexcept {
  const TableDef* def = FindTable(table);
  const ColumnDef* columnDef = def ? def->FindColumn(column) : nullptr;
  if (!columnDef || def->kind != TableKind::Day || !IsPlainNumber(value)) {
    return;
  }
  const double number = PlainNumberValue(value);
  const std::string update = "UPDATE " + QuoteIdentifier(def->name) + " SET " +
                             QuoteIdentifier(columnDef->name) +
                             " = ? WHERE (\"Year\" = ? AND \"Month\" = ? AND \"Day\" = ?)";
  VvodDan(update, {number, std::int64_t{year}, std::int64_t{month}, std::int64_t{day}});
  if (previousDay) {
    const std::string copy =
        "UPDATE " + QuoteIdentifier(def->name) +
        " SET \"24\" = ? WHERE (\"Year\" = ? AND \"Month\" = ? AND \"Day\" = ?)";
    VvodDan(copy, {number, std::int64_t{previousDay->year}, std::int64_t{previousDay->month},
                   std::int64_t{previousDay->day}});
  }
}

const TableDef& Database::CatalogueTable(std::string_view table) const {
  const TableDef* def = FindTable(table);
  if (!def) {
    throw DatabaseError("таблица " + std::string(table) + " не описана в каталоге");
  }
  return *def;
}

void Database::InsertFile(const ParusTableSet& tables, const CalendarDate& date) {
  for (const auto name : tables.tables) {
    const std::string quoted = QuoteIdentifier(CatalogueTable(name).name);
    const SqlRows existing = Query(
        "SELECT \"Day\" FROM " + quoted + " WHERE (\"Year\" = ? AND \"Month\" = ? AND \"Day\" = ?)",
        {std::int64_t{date.year}, std::int64_t{date.month}, std::int64_t{date.day}});
    if (existing.rows.empty()) {
      VvodDan(
          "INSERT INTO " + quoted + " (\"Data\", \"Year\", \"Month\", \"Day\") VALUES (?, ?, ?, ?)",
          {date.Iso(), std::int64_t{date.year}, std::int64_t{date.month}, std::int64_t{date.day}});
    }
  }
}

void Database::EnsureDayRow(std::string_view table, const CalendarDate& date) {
  const std::string quoted = QuoteIdentifier(CatalogueTable(table).name);
  const SqlRows existing =
      Query("SELECT \"Data\" FROM " + quoted + " WHERE \"Data\" = ?", {date.Iso()});
  if (existing.rows.empty()) {
    VvodDan(
        "INSERT INTO " + quoted + " (\"Data\", \"Year\", \"Month\", \"Day\") VALUES (?, ?, ?, ?)",
        {date.Iso(), std::int64_t{date.year}, std::int64_t{date.month}, std::int64_t{date.day}});
  }
}

std::optional<double> AsNumber(const SqlValue& value) {
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    return static_cast<double>(*number);
  }
  if (const auto* real = std::get_if<double>(&value)) {
    return *real;
  }
  return std::nullopt;
}

std::string AsText(const SqlValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    return *text;
  }
  if (const auto* number = std::get_if<std::int64_t>(&value)) {
    return std::to_string(*number);
  }
  if (const auto* real = std::get_if<double>(&value)) {
    return FloatToStrSep('.', *real);
  }
  return {};
}

}  // namespace talver
