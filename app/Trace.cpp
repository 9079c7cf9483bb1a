#include "app/Trace.h"

#include <cstdio>

#include "common/Text.h"

namespace talver {

std::vector<std::string> SplitTraceLines(std::string_view prefix, std::string_view data) {
  std::vector<std::string> lines;
  while (!data.empty()) {
    const std::size_t cr = data.find('\r');
    std::string_view line;
    if (cr != std::string_view::npos) {
      line = data.substr(0, cr);
      data.remove_prefix(cr + 1);
      if (!data.empty() && data.front() == '\n') {
        data.remove_prefix(1);
      }
    } else {
      line = data;
      data = {};
    }
    lines.push_back(std::string(prefix) + std::string(line));
  }
  return lines;
}

Colour TraceLineColour(std::string_view line) {
  return line.find(">>", 1) != std::string_view::npos ? colours::kGreen : colours::kBlue;
}

std::string RemainingText(std::int64_t seconds) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%2d:%2d:%2d", static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60));
  return std::string(" Осталось ") + buffer;
}

std::string SpeedText(double kilobytesPerSecond) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", kilobytesPerSecond);
  return std::string(buffer) + " KB/с";  // the locale's decimal separator
}

std::int64_t TransferProgress::WorkBegin(std::int64_t nowMs, std::int64_t announced,
                                         std::int64_t expectedSize) {
  startMs_ = nowMs;
  maximum_ = announced > 0 ? announced : (expectedSize > 0 ? expectedSize : 0);
  speed_ = 0;
  return maximum_;
}

std::string TransferProgress::Work(std::int64_t nowMs, std::int64_t bytesSoFar,
                                   std::string_view fileName) {
  // Only the time of day of the elapsed time counts, as a clock difference would give it.
  const double elapsed = static_cast<double>((nowMs - startMs_) % 86400000) / 1000.0;
  if (elapsed > 0) {
    speed_ = static_cast<double>(bytesSoFar) / 1024.0 / elapsed;
  }
  std::string remaining;
  if (speed_ > 0 && maximum_ > 0) {
    const auto left =
        static_cast<std::int64_t>(static_cast<double>(maximum_ - bytesSoFar) / 1024.0 / speed_);
    remaining = RemainingText(left < 0 ? 0 : left);
  }
  return ToUpperAscii(fileName) + " Скорость загрузки " + SpeedText(speed_) + "; " + remaining;
}

void TransferProgress::WorkEnd() {
  maximum_ = 0;
  speed_ = 0;
}

}  // namespace talver
