// Process entry of talver: parses the command line and starts the chosen front-end.
#include <iostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "db/Schema.h"

int main(int argc, char** argv) {
  using namespace talver;
  CommandLine commandLine;
  try {
    commandLine = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::cerr << "talver: " << error.what() << "\n" << UsageText();
    return 2;
  }
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
    default:
      std::cerr << "talver: этот режим ещё не собран\n";
      return 1;
  }
}
