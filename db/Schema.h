// The catalogue of every table and column the server names. Statements take table and
// column names from here only, and --create-database writes the delivered file from it.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace talver {

enum class ColumnType { Text, Integer, Real };

// How the value columns of a day table are named.
enum class HourScheme {
  BareHours,     // "0" … "23" and "24"
  QuarterHours,  // "0000", "0015", … "2345" and "2400"
};

enum class TableKind { Day, Storm, Ak, F107W, NameFileLast };

struct ColumnDef {
  std::string name;
  ColumnType type;
};

struct TableDef {
  std::string name;
  TableKind kind;
  HourScheme scheme = HourScheme::BareHours;  // day tables only
  std::vector<ColumnDef> columns;

  // Case-insensitive, as the database resolves names; nullptr when there is none.
  const ColumnDef* FindColumn(std::string_view column) const;
};

const std::vector<TableDef>& Catalogue();
// Case-insensitive; nullptr for a name the catalogue does not hold.
const TableDef* FindTable(std::string_view name);

// "name" with any double quote doubled.
std::string QuoteIdentifier(std::string_view name);

// The value column of UT hour `hour` (0 … 23) in a scheme: "7" or "0700".
std::string HourColumn(HourScheme scheme, int hour);

// The five tables of a Parus station, in the order foF2, M(3000)F2, foF1, Es, foE.
struct ParusTableSet {
  std::array<std::string_view, 5> tables;
};
inline constexpr ParusTableSet kMoscowTables{{"MoscowFoF2dayMCMI", "MoskowM3000dayMCMI",
                                              "MoscowF0F1dayMCMI", "MoscowFtEsdayMCMI",
                                              "MoscowfoEdayMCMI"}};
inline constexpr ParusTableSet kNovosibirskTables{
    {"NovosibirskFoF2", "NovosibirskM3000", "NovosibirskFoF1", "NovosibirskEs", "NovosibirskFoE"}};
inline constexpr ParusTableSet kRomeTables{
    {"ItaliyafoF2", "ItaliyaM3000", "ItaliyafoF1", "ItaliyaEs", "ItaliyafoE"}};

// The seven tables of a digisonde, in the order foF2, foF1, fmin, foE, Es, M(3000)F2, foEp.
struct SaoTableSet {
  std::array<std::string_view, 7> tables;
};
inline constexpr SaoTableSet kPragueTables{{"PragaFoF2day", "PragaF0F1day", "PragaFminday",
                                            "PragafoEday", "PragaFtEsday", "PragaM3000day",
                                            "PragafoEp"}};

// The world stations of the NOAA daily lists, as the source list and the purge order them.
inline constexpr std::array<std::string_view, 18> kWorldStations{
    "Roquetes",  "Warsaw",    "Athens", "Boulder", "Louisvale", "Jicamarca",
    "Canberra",  "Dourbes",   "Eglin",  "Gakona",  "Jeju",      "San_Vito",
    "Juliusruh", "Learmonth", "Hobart", "Darwin",  "Camden",    "Niue"};

// Suffixes of a world station's five tables, as the catalogue spells them.
inline constexpr std::array<std::string_view, 5> kWorldTableSuffixes{"FoF2", "M3000", "FoF1",
                                                                     "FoEs", "foE"};

// The sources of the freshness table, in list order: column "DataLast" + suffix and
// "TimeLast" + suffix.
inline constexpr std::array<std::string_view, 23> kFreshnessSuffixes{
    "",         "MO155",     "Novosibirsk", "Praga",    "Rim",     "Roquetes", "Warsaw", "Athens",
    "Boulder",  "Louisvale", "Jicamarca",   "Canberra", "Dourbes", "Eglin",    "Gakona", "Jeju",
    "San_Vito", "Juliusruh", "Learmonth",   "Hobart",   "Darwin",  "Camden",   "Niue"};

// Writes the delivered database: every catalogue table with its indexes, and the one row of
// NameFileLast. Refuses to touch an existing file. Throws std::runtime_error.
void CreateDatabase(const std::filesystem::path& file);

}  // namespace talver
