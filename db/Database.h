// The connection to the ionospheric database and the write operations every source uses.
// Values are always bound parameters; table and column names come from the catalogue.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "common/Date.h"
#include "db/Schema.h"

struct sqlite3;

namespace talver {

using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string>;

struct SqlRows {
  std::vector<std::string> columns;
  std::vector<std::vector<SqlValue>> rows;
};

class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// what() is the whole D0CCAE0C message, ready to be shown.
class DatabaseOpenError : public DatabaseError {
 public:
  using DatabaseError::DatabaseError;
};

// The D0CCAE0C message for a failed open with its cause.
std::string DatabaseOpenMessage(std::string_view cause);

class Database {
 public:
  // Opens an existing file read-write (never creates one), checks that every catalogue table
  // is there, and turns on WAL with a busy timeout so readers never make a write fail.
  explicit Database(const std::filesystem::path& file);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  void Execute(std::string_view sql, const std::vector<SqlValue>& params = {});
  SqlRows Query(std::string_view sql, const std::vector<SqlValue>& params = {});

  // Executes one statement and discards any error.
  void VvodDan(std::string_view sql, const std::vector<SqlValue>& params = {}) noexcept;

  // Writes one value into the day row (year, month, day) of a table; with a previous day,
  // also into its column "24". A value text that is not a plain number, or a table or column
  // the catalogue does not hold, writes nothing, like a statement that fails.
  void VvodDanBD(std::string_view table, int year, int month, int day, std::string_view column,
                 std::string_view value,
                 const std::optional<CalendarDate>& previousDay = std::nullopt) noexcept;

  // Creates the missing day rows of a date in a Parus station's five tables, found by Year,
  // Month and Day. An error of the existence check raises.
  void InsertFile(const ParusTableSet& tables, const CalendarDate& date);

  // Creates the day row of a date when the table has none with that Data; an error of the
  // existence check raises.
  void EnsureDayRow(std::string_view table, const CalendarDate& date);

 private:
  const TableDef& CatalogueTable(std::string_view table) const;

  std::unique_ptr<sqlite3, int (*)(sqlite3*)> db_;
};

// Numeric value of a result cell (integer or real); nullopt for NULL or text.
std::optional<double> AsNumber(const SqlValue& value);
// Text of a result cell; numbers are formatted, NULL is empty.
std::string AsText(const SqlValue& value);

}  // namespace talver
