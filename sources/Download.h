// LoadFileInet: fetch one file over HTTP(S) into Tmp, record it in the journal and hand its
// text to the handler of its source.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "sources/Acquisition.h"

namespace talver {

// Raised by a handler that will not take a file it received (not of its format, say); the
// file is then reported as not accepted, like one the server does not have.
class RejectedFile : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What to do once a received file is accepted.
using AcceptFile = std::function<void()>;
// Reads the received text (purely) and returns what to do with it; may raise RejectedFile.
using ReceivedFileHandler = std::function<AcceptFile(std::string_view text)>;

// Fetches baseUrl + CurrentFileName. Returns true when the file was taken and handed on.
bool LoadFileInet(Acquisition& acquisition, std::string_view baseUrl,
                  const ReceivedFileHandler& handler);

// Records a file as the station's last taken: its name, then the UTC time of taking it.
void SaveIni(const Settings& settings, std::string_view fileKey, std::string_view dateKey,
             std::string_view fileName, const DateTime& nowUtc);

// What a station records once it took a file: the file as its last (SaveIni), and, when the
// file brought data, the time of its newest value in the station's freshness columns.
struct StationRecordKeys {
  std::string_view fileNameKey;
  std::string_view fileDateKey;
  std::string_view freshnessDateColumn;
  std::string_view freshnessTimeColumn;
};
void RecordTakenFile(Acquisition& acquisition, const StationRecordKeys& keys, bool brought,
                     const std::string& lastDataDate, const std::string& lastDataTime);

inline constexpr std::string_view kMissingDataFileText = "Файл данных не найден";

}  // namespace talver
