#include "tests/support/Sandbox.h"

#include <cstdlib>
#include <stdexcept>

#include "common/Files.h"
#include "common/Text.h"
#include "db/Schema.h"

namespace talver::testing {

Sandbox::Sandbox() {
  std::string pattern = (std::filesystem::temp_directory_path() / "talver-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    throw std::runtime_error("mkdtemp failed");
  }
  path_ = pattern;
}

Sandbox::~Sandbox() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path Sandbox::Write(const std::string& name, const std::string& content) const {
  const auto file = path_ / name;
  std::filesystem::create_directories(file.parent_path());
  WriteFileText(file, content);
  return file;
}

std::filesystem::path Sandbox::CreateDatabaseFile() const {
  const auto file = path_ / "dbPrognoz.sqlite";
  CreateDatabase(file);
  return file;
}

std::filesystem::path SourcePath(const std::string& relative) {
  return std::filesystem::path(TALVER_SOURCE_DIR) / relative;
}

std::string ReadSourceFile(const std::string& relative) {
  return ReadFileText(SourcePath(relative));
}

}  // namespace talver::testing

namespace talver::testing {

std::vector<std::string> SplitSourceLines(const std::string& relative) {
  const std::string text = ReadSourceFile(relative);
  std::vector<std::string> lines;
  for (const auto line : SplitLines(text)) {
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace talver::testing
