// The freshness table NameFileLast: the date and time of each source's newest stored value.
#pragma once

#include <string_view>

namespace talver {

class Database;
class Display;
struct FileState;

// Stores LastDataDate and LastDataTime in the source's two columns of every row; a failure
// is shown in the 0854CBF4 box naming the file just parsed.
void LastTimeData(Database& database, Display& display, const FileState& file,
                  std::string_view dateColumn, std::string_view timeColumn);

}  // namespace talver
