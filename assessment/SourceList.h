// The data sources of the list cmbIstDan: caption, foF2 table, hour columns and freshness
// columns. The median, the classification, the freshness display and the list widget all
// read this one table.
#pragma once

#include <array>
#include <string_view>

#include "db/Schema.h"

namespace talver {

struct DataSource {
  std::string_view caption;
  std::string_view foF2Table;  // empty for the two blank entries
  HourScheme scheme;
  std::string_view freshnessDateColumn;
  std::string_view freshnessTimeColumn;

  bool HasTable() const { return !foF2Table.empty(); }
};

inline constexpr std::size_t kSourceCount = 25;

// Captions as the operators know them, misprints and trailing blanks included.
inline constexpr std::array<DataSource, kSourceCount> kDataSources{{
    {"Московский центр мониторинга ионосферы (Парус)", "MoscowFoF2dayMCMI", HourScheme::BareHours,
     "DataLast", "TimeLast"},
    {"ИЗМИРАН (дигизонд МО155)", "MO155FoF2", HourScheme::QuarterHours, "DataLastMO155",
     "TimeLastMO155"},
    {"Новосибирск (Коченево - Парус)", "NovosibirskFoF2", HourScheme::BareHours,
     "DataLastNovosibirsk", "TimeLastNovosibirsk"},
    {"Чехия (Прага, дигизонд PQ052)", "PragaFoF2day", HourScheme::BareHours, "DataLastPraga",
     "TimeLastPraga"},
    {"Италия (ионозонд AIS-INGV)", "ItaliyafoF2", HourScheme::BareHours, "DataLastRim",
     "TimeLastRim"},
    {"Испания (дигизонд ЕА036)", "RoquetesFoF2", HourScheme::QuarterHours, "DataLastRoquetes",
     "TimeLastRoquetes"},
    {"Польша (дигизонд MZ152)", "WarsawFoF2", HourScheme::QuarterHours, "DataLastWarsaw",
     "TimeLastWarsaw"},
    {"Греция (дигизонд)", "AthensFoF2", HourScheme::QuarterHours, "DataLastAthens",
     "TimeLastAthens"},
    {"США (дигизонд в Болдуер) ", "BoulderFoF2", HourScheme::QuarterHours, "DataLastBoulder",
     "TimeLastBoulder"},
    {"ЮАР (дигизонд) ", "LouisvaleFoF2", HourScheme::QuarterHours, "DataLastLouisvale",
     "TimeLastLouisvale"},
    {"Перу (ионозодн Jicamarca)", "JicamarcaFoF2", HourScheme::QuarterHours, "DataLastJicamarca",
     "TimeLastJicamarca"},
    {"Австралия (ионозонд Canberra)", "CanberraFoF2", HourScheme::QuarterHours, "DataLastCanberra",
     "TimeLastCanberra"},
    {"Бельгия (ионозонд Dourbes)", "DourbesFoF2", HourScheme::QuarterHours, "DataLastDourbes",
     "TimeLastDourbes"},
    {"США (ионозонд Eglin)", "EglinFoF2", HourScheme::QuarterHours, "DataLastEglin",
     "TimeLastEglin"},
    {"США (ионозонд Gakona)", "GakonaFoF2", HourScheme::QuarterHours, "DataLastGakona",
     "TimeLastGakona"},
    {"Япония (ионозонд Jeju)", "JejuFoF2", HourScheme::QuarterHours, "DataLastJeju",
     "TimeLastJeju"},
    {"Италия (ионозонд San_Vito)", "San_VitoFoF2", HourScheme::QuarterHours, "DataLastSan_Vito",
     "TimeLastSan_Vito"},
    {"Германия (ионозонд Juliusruh)", "JuliusruhFoF2", HourScheme::QuarterHours,
     "DataLastJuliusruh", "TimeLastJuliusruh"},
    {"Австралия (ионозоднд Learmonth)", "LearmonthFoF2", HourScheme::QuarterHours,
     "DataLastLearmonth", "TimeLastLearmonth"},
    {"Австралия (ионозонд Hobart)", "HobartFoF2", HourScheme::QuarterHours, "DataLastHobart",
     "TimeLastHobart"},
    {"Австралия (ионозонд Darwin)", "DarwinFoF2", HourScheme::QuarterHours, "DataLastDarwin",
     "TimeLastDarwin"},
    {"Австралия (ионозонд Camden)", "CamdenFoF2", HourScheme::QuarterHours, "DataLastCamden",
     "TimeLastCamden"},
    {"Новая Зеландия (ионозонд Niue)", "NiueFoF2", HourScheme::QuarterHours, "DataLastNiue",
     "TimeLastNiue"},
    {"", "", HourScheme::BareHours, "", ""},
    {"", "", HourScheme::BareHours, "", ""},
}};

// The entry of a list index; nullptr outside the list.
const DataSource* SourceAt(int index);

}  // namespace talver
