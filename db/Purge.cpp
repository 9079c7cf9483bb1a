#include "db/Purge.h"

#include <array>
#include <string_view>

#include "db/Database.h"
#include "db/Schema.h"

namespace talver {

CalendarDate PurgeCutOff(const CalendarDate& localToday) {
  return localToday.AddDays(-kRetentionDays);
}

std::vector<std::string> PurgedTables() {
  std::vector<std::string> tables;
  std::vector<std::string_view> prefixes{"Novosibirsk", "Italiya"};
  prefixes.insert(prefixes.end(), kWorldStations.begin(), kWorldStations.end());
  prefixes.push_back("MO155");
  for (const auto prefix : prefixes) {
    const bool world = prefix != "Novosibirsk" && prefix != "Italiya" && prefix != "MO155";
    const std::string p(prefix);
    for (const std::string& suffix : {std::string("FoF2"), std::string("M3000"), std::string("FoE"),
                                      std::string(world ? "FoEs" : "Es"), std::string("FoF1")}) {
      tables.push_back(p + suffix);
    }
  }
  for (const char* table : {"MoscowFoF2dayMCMI", "MoskowM3000dayMCMI", "MoscowfoEdayMCMI",
                            "MoscowFtEsdayMCMI", "MoscowF0F1dayMCMI", "MO155FoEp", "PragaFoF2day",
                            "PragaM3000day", "PragafoEp", "PragaFtEsday", "PragaF0F1day"}) {
    tables.emplace_back(table);
  }
  return tables;
}

void btnClearDanClick(Database& database, const CalendarDate& localToday) {
  const std::string cutOff = PurgeCutOff(localToday).Iso();
  for (const auto& name : PurgedTables()) {
    const TableDef* table = FindTable(name);
    if (!table) {
      continue;
    }
    database.VvodDan("DELETE FROM " + QuoteIdentifier(table->name) + " WHERE \"Data\" < ?",
                     {cutOff});
  }
}

}  // namespace talver
