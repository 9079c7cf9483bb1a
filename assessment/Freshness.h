// The freshness table NameFileLast: the date and time of each source's newest stored value,
// written after every parse and shown for the selected source.
#pragma once

#include <string>
#include <string_view>

#include "common/Clock.h"
#include "common/Colour.h"

namespace talver {

class Database;
class Display;
struct FileState;

// Stores LastDataDate and LastDataTime in the source's two columns of every row; a failure
// is shown in the 0854CBF4 box naming the file just parsed.
void LastTimeData(Database& database, Display& display, const FileState& file,
                  std::string_view dateColumn, std::string_view timeColumn);

// The colour of lbDanny for a newest value at UT hour `hour` of `dateText` (d.m.yyyy), now
// being `nowUtc`: the rules apply in order, a later one overriding; nullopt when none sets
// a colour. Raises std::invalid_argument when the date rule is reached and the date does
// not read.
std::optional<Colour> FreshnessColour(int hour, const std::string& dateText,
                                      const DateTime& nowUtc);

// LastData: lbDanny for the source at `sourceIndex`, then the state of the ionosphere.
void LastData(Database& database, Display& display, int sourceIndex, const Clock& clock);

}  // namespace talver
