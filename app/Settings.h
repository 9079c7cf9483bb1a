// The settings file talver.INI: opened, used for one key and closed at every use, so a
// position written by one step is what the next step (or the next run) reads.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace talver {

class SettingsWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Settings {
 public:
  explicit Settings(std::filesystem::path file) : file_(std::move(file)) {}

  // Sections and keys match without regard to case; anything missing reads as "".
  std::string Read(std::string_view section, std::string_view key) const;
  // Read, with `fallback` for a missing or blank value.
  std::string ReadOr(std::string_view section, std::string_view key,
                     std::string_view fallback) const;
  // Writes at once; raises SettingsWriteError when the file refuses the write.
  void Write(std::string_view section, std::string_view key, std::string_view value) const;

  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

// The file beside the data: <ProgramFolder>talver.INI.
std::filesystem::path SettingsFileIn(const std::filesystem::path& programFolder);

}  // namespace talver
