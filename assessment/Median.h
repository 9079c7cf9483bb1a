// Running medians of a day-table column: the quiet level a current value is judged against.
#pragma once

#include <optional>
#include <vector>

#include "common/Date.h"

namespace talver {

class Database;
class Display;
struct DataSource;

// The middle value, or the mean of the two middle values, of the values that are there;
// 0 when there is none. A stored 0 counts like any value.
double MedianOf(std::vector<std::optional<double>> values);

// Mediana10: the median of the source's foF2 at UT hour `hour` over the day rows dated
// from `first` to `last`. A failure shows the 7430F3F3 box and gives 0.
double Mediana10(Database& database, Display& display, const DataSource& source, int hour,
                 const CalendarDate& first, const CalendarDate& last);

}  // namespace talver
