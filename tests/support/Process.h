// Runs the talver executable as a separate process for end-to-end tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace talver::testing {

struct ProcessResult {
  int exitCode = -1;
  std::string output;  // standard output and standard error together
};

// Runs talver with the arguments; with `fakeTime` ("2019-10-07 10:20:00", UTC) under
// faketime, so that the program's clock starts there while its time-outs run normally.
ProcessResult RunTalver(const std::vector<std::string>& arguments, const std::string& fakeTime = "",
                        const std::string& timeZone = "UTC");

// talver running in the background (the service), its output collected in a file.
class BackgroundTalver {
 public:
  BackgroundTalver(const std::vector<std::string>& arguments, const std::filesystem::path& output);
  ~BackgroundTalver();
  BackgroundTalver(const BackgroundTalver&) = delete;
  BackgroundTalver& operator=(const BackgroundTalver&) = delete;

  // Waits until the output holds `text`; false after `seconds`.
  bool WaitForOutput(const std::string& text, int seconds) const;
  std::string Output() const;
  // Sends the signal and returns the exit code (-1 when killed by a signal).
  int Stop(int signal);

 private:
  int pid_ = -1;
  std::filesystem::path output_;
};

// A settings file that points every source at local servers: the HTTP(S) server on
// `httpPort` and the FTP server on `ftpPort` (1: nothing listens).
void WriteLocalSettings(const std::filesystem::path& dataDir, int httpPort, int ftpPort = 1,
                        const std::string& scheme = "http",
                        const std::filesystem::path& caFile = {});

// talver --once --data-dir <dir> under faketime.
ProcessResult RunOnce(const std::filesystem::path& dataDir, const std::string& fakeTime);

}  // namespace talver::testing
