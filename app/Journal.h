// The event journal Log.txt: one line per record, "[time]title>text", titles with ">"
// doubled. The file always holds exactly the records; a new record is appended.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Clock.h"

namespace talver {

struct JournalRecord {
  std::string time;
  std::string title;
  std::string text;

  bool operator==(const JournalRecord&) const = default;
};

// The file line of a record, with its CR LF.
std::string FormatJournalLine(const JournalRecord& record);
// A record from one file line (without its line end); nullopt for lines of other shapes.
std::optional<JournalRecord> ParseJournalLine(std::string_view line);
std::vector<JournalRecord> ParseJournalFile(std::string_view content);

class Journal {
 public:
  explicit Journal(const Clock& clock) : clock_(clock) {}

  // Points the journal at a file and loads the records it holds.
  void SetFileName(const std::filesystem::path& file);
  void SetActive(bool active) { active_ = active; }

  void AddJournalLine(std::string_view title, std::string_view text);
  void ClearJournal();

  const std::vector<JournalRecord>& Records() const { return records_; }
  const std::filesystem::path& FileName() const { return file_; }

 private:
  void Rewrite();
  bool FileStillMatches() const;

  const Clock& clock_;
  std::filesystem::path file_;
  std::vector<JournalRecord> records_;
  bool active_ = false;
  // Size the file has when it holds exactly the records; nullopt when it may not.
  std::optional<std::int64_t> syncedSize_;
};

// Files of this size or larger are emptied at start-up.
inline constexpr std::int64_t kJournalResetBytes = 2'000'000;

// Start-up: load, activate, and empty a file of kJournalResetBytes or more. The size is
// tested only here.
void OpenJournalAtStartup(Journal& journal, const std::filesystem::path& file);
// The separator and the opening line that start every run in the file.
void AddOpeningLines(Journal& journal);

}  // namespace talver
