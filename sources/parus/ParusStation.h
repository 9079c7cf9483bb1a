// The three stations that publish one autoscaled text file per UT hour.
#pragma once

#include <string_view>

#include "db/Schema.h"

namespace talver {

struct ParusStation {
  std::string_view name;
  std::string_view urlKey;  // [URL] key of the base URL
  std::string_view defaultUrl;
  std::string_view fileNameKey;  // [FILE] key of the last file taken
  std::string_view fileDateKey;  // [FILE] key of the time it was taken
  std::string_view statusPrefix;
  bool threeDigitDay;  // day number with leading zeros in the file name
  const ParusTableSet& tables;
  std::string_view freshnessDateColumn;
  std::string_view freshnessTimeColumn;
};

inline constexpr ParusStation kMoscow{
    "Moscow",   "Moscow",      "http://ionos.ingv.it/Moscow/data/",
    "FileName", "DataFile",    "Москва ",
    true,       kMoscowTables, "DataLast",
    "TimeLast"};
inline constexpr ParusStation kNovosibirsk{"Novosibirsk",
                                           "Novosibirsk",
                                           "http://ionosonde.ru/parus/38502/",
                                           "FileNameNovosibirsk",
                                           "DataFileNovosibirsk",
                                           "Новосибирск ",
                                           false,
                                           kNovosibirskTables,
                                           "DataLastNovosibirsk",
                                           "TimeLastNovosibirsk"};
inline constexpr ParusStation kRome{"Rome",        "Rim",         "http://ionos.ingv.it/Roma/data/",
                                    "FileNameRim", "DataFileRim", "Рим ",
                                    true,          kRomeTables,   "DataLastRim",
                                    "TimeLastRim"};

}  // namespace talver
