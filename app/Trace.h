// The FTP protocol trace and the transfer progress texts: pure functions that the FTP step
// feeds and the display shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/Colour.h"

namespace talver {

inline constexpr std::string_view kTraceSentPrefix = "=>> К серверу:  ";
inline constexpr std::string_view kTraceReceivedPrefix = "<<= От сервера: ";

// The trace lines of one block of protocol data: split at each CR (an LF right after it
// goes too), each line with the prefix; a block without CR is one line.
std::vector<std::string> SplitTraceLines(std::string_view prefix, std::string_view data);

// Green for lines with ">>" from their second character on (what was sent), blue otherwise.
Colour TraceLineColour(std::string_view line);

// " Осталось " + "%2d:%2d:%2d" of hours, minutes and seconds.
std::string RemainingText(std::int64_t seconds);

// "12.34 KB/с".
std::string SpeedText(double kilobytesPerSecond);

inline constexpr std::string_view kLoadedWaitingText =
    "Данные загружены. Ожидание новой загрузки..";

// The state of the FTP transfer in progress and the texts it gives the status panel.
class TransferProgress {
 public:
  // Returns the progress maximum: the announced size, else the expected size (0 when
  // neither is known, which leaves the bar alone).
  std::int64_t WorkBegin(std::int64_t nowMs, std::int64_t announced, std::int64_t expectedSize);
  // Status text for a download of `fileName`: "DSD.TXT Скорость загрузки 12.34 KB/с; …".
  std::string Work(std::int64_t nowMs, std::int64_t bytesSoFar, std::string_view fileName);
  void WorkEnd();

  std::int64_t Maximum() const { return maximum_; }
  double Speed() const { return speed_; }

 private:
  std::int64_t startMs_ = 0;
  std::int64_t maximum_ = 0;
  double speed_ = 0;
};

}  // namespace talver
