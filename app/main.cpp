// Process entry of talver: parses the command line and starts the chosen front-end.
#include <unistd.h>

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/gui/GuiDisplay.h"
#include "app/headless/Service.h"
#include "db/Schema.h"
#include "net/HttpClient.h"

namespace {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : executable.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace talver;
  // Numbers on screen follow the operator's locale in every front-end, as the window's do.
  std::setlocale(LC_ALL, "");
  CommandLine commandLine;
  try {
    commandLine = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::cerr << "talver: " << error.what() << "\n" << UsageText();
    return 2;
  }
  EngineOptions options;
  options.programFolder = ExecutableFolder();
  if (commandLine.dataDir) {
    std::error_code error;
    options.programFolder = std::filesystem::absolute(*commandLine.dataDir, error);
    if (error || !std::filesystem::is_directory(options.programFolder)) {
      std::cerr << "talver: нет каталога данных " << commandLine.dataDir->string() << "\n";
      return 2;
    }
  }
  InitialiseCurl();
  switch (commandLine.mode) {
    case RunMode::Help:
      std::cout << UsageText();
      return 0;
    case RunMode::Version:
      std::cout << "talver " << VersionText() << "\n";
      return 0;
    case RunMode::CreateDatabase:
      try {
        CreateDatabase(commandLine.databaseToCreate);
      } catch (const std::exception& error) {
        std::cerr << "talver: не удалось создать базу данных: " << error.what() << "\n";
        return 1;
      }
      return 0;
    case RunMode::Once:
      return RunOnce(options);
    case RunMode::Headless:
      return RunHeadless(argc, argv, options);
    case RunMode::Window:
      break;
  }
  // The manual ships with the program, beside the executable, whatever the data folder.
  return RunWindow(argc, argv, options, ExecutableFolder() / "DOC");
}
