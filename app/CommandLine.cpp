#include "app/CommandLine.h"

#include <stdexcept>

#include "app/Version.h"

namespace talver {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine result;
  bool modeGiven = false;
  const auto setMode = [&](RunMode mode, const std::string& option) {
    if (modeGiven && result.mode != mode) {
      throw std::invalid_argument("параметр " + option + " нельзя сочетать с другим режимом");
    }
    result.mode = mode;
    modeGiven = true;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
        throw std::invalid_argument("параметру " + argument + " нужно значение");
      }
      return arguments[++i];
    };
    if (argument == "--headless") {
      setMode(RunMode::Headless, argument);
    } else if (argument == "--once") {
      setMode(RunMode::Once, argument);
    } else if (argument == "--version") {
      setMode(RunMode::Version, argument);
    } else if (argument == "--help" || argument == "-h") {
      setMode(RunMode::Help, argument);
    } else if (argument == "--create-database") {
      setMode(RunMode::CreateDatabase, argument);
      result.databaseToCreate = value();
    } else if (argument == "--data-dir") {
      result.dataDir = std::filesystem::path(value());
    } else {
      throw std::invalid_argument("неизвестный параметр: " + argument);
    }
  }
  return result;
}

std::string UsageText() {
  return "Использование: talver [режим] [--data-dir КАТАЛОГ]\n"
         "  (без режима)               окно оператора\n"
         "  --headless                 сервер без окна; завершение по SIGTERM/SIGINT\n"
         "  --once                     один цикл загрузки и выход\n"
         "  --data-dir КАТАЛОГ         каталог базы, журнала, Tmp и talver.INI\n"
         "                             (по умолчанию каталог программы)\n"
         "  --create-database ФАЙЛ     создать поставляемую базу данных\n"
         "  --version                  версия программы\n"
         "  --help                     эта справка\n";
}

std::string VersionText() {
  return std::string("Версия ") + kVersionNumbers;
}

}  // namespace talver
