// The command line of the talver program.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace talver {

enum class RunMode { Window, Headless, Once, CreateDatabase, Version, Help };

struct CommandLine {
  RunMode mode = RunMode::Window;
  std::optional<std::filesystem::path> dataDir;
  std::filesystem::path databaseToCreate;
};

// Throws std::invalid_argument with a message for the user on a bad command line.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

// "Версия 5.0.0.10", from the version the build compiled in.
std::string VersionText();

}  // namespace talver
