// A temporary folder for one test, removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace talver::testing {

class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  // Writes a file below the sandbox, creating its folders; returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& content) const;
  // A delivered database at <sandbox>/dbPrognoz.sqlite; returns its path.
  std::filesystem::path CreateDatabaseFile() const;

 private:
  std::filesystem::path path_;
};

// A file of the source tree, such as a fixture under tests/data.
std::filesystem::path SourcePath(const std::string& relative);
std::string ReadSourceFile(const std::string& relative);
std::vector<std::string> SplitSourceLines(const std::string& relative);

}  // namespace talver::testing
