#include "common/Files.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace talver {

std::int64_t FileSizeBytes(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) {
    return -1;
  }
  return static_cast<std::int64_t>(size);
}

void TmpClean(const std::filesystem::path& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "Tmp", error)) {
    std::error_code ignored;
    if (!entry.is_directory(ignored)) {
      std::filesystem::remove(entry.path(), ignored);
    }
  }
}

std::string ReadFileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    throw std::runtime_error("не удаётся открыть файл " + file.string());
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    throw std::runtime_error("ошибка чтения файла " + file.string());
  }
  return content.str();
}

void WriteFileText(const std::filesystem::path& file, const std::string& content) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << content;
  out.flush();
  if (!out) {
    throw std::runtime_error("не удаётся записать файл " + file.string());
  }
}

}  // namespace talver
