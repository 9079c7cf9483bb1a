#include "app/Journal.h"

#include <fstream>

#include "common/Files.h"
#include "common/Text.h"

namespace talver {

std::string FormatJournalLine(const JournalRecord& record) {
  return "[" + record.time + "]" + StrReplaceAll(record.title, ">", ">>") + ">" + record.text +
         "\r\n";
}

std::optional<JournalRecord> ParseJournalLine(std::string_view line) {
  const std::size_t open = line.find('[');
  if (open == std::string_view::npos) {
    return std::nullopt;
  }
  const std::size_t close = line.find(']', open + 1);
  if (close == std::string_view::npos) {
    return std::nullopt;
  }
  JournalRecord record;
  record.time = std::string(line.substr(open + 1, close - open - 1));
  const std::string_view rest = line.substr(close + 1);
  std::size_t i = 0;
  while (i < rest.size()) {
    if (rest[i] == '>') {
      if (i + 1 < rest.size() && rest[i + 1] == '>') {
        i += 2;
        continue;
      }
      break;
    }
    ++i;
  }
  record.title = StrReplaceAll(rest.substr(0, i), ">>", ">");
  if (i < rest.size()) {
    record.text = std::string(rest.substr(i + 1));
  }
  return record;
}

std::vector<JournalRecord> ParseJournalFile(std::string_view content) {
  std::vector<JournalRecord> records;
  for (const std::string_view line : SplitLines(content)) {
    if (auto record = ParseJournalLine(line)) {
      records.push_back(std::move(*record));
    }
  }
  return records;
}

void Journal::SetFileName(const std::filesystem::path& file) {
  file_ = file;
  records_.clear();
  syncedSize_.reset();
  std::string content;
  try {
    content = ReadFileText(file);
  } catch (const std::exception&) {
    return;  // a missing file starts an empty journal; the first write creates it
  }
  records_ = ParseJournalFile(content);
  std::int64_t expected = 0;
  for (const auto& record : records_) {
    expected += static_cast<std::int64_t>(FormatJournalLine(record).size());
  }
  // Dropped lines or other line ends make the file differ: the next write rewrites it.
  if (expected == static_cast<std::int64_t>(content.size())) {
    syncedSize_ = expected;
  }
}

bool Journal::FileStillMatches() const {
  return syncedSize_ && FileSizeBytes(file_) == *syncedSize_;
}

void Journal::AddJournalLine(std::string_view title, std::string_view text) {
  if (!active_) {
    return;
  }
  JournalRecord record{clock_.NowLocal().Text(), std::string(title), std::string(text)};
  records_.push_back(record);
  if (!FileStillMatches()) {
    Rewrite();
    return;
  }
  const std::string line = FormatJournalLine(record);
  std::ofstream out(file_, std::ios::binary | std::ios::app);
  out << line;
  out.flush();
  if (out) {
    *syncedSize_ += static_cast<std::int64_t>(line.size());
  } else {
    syncedSize_.reset();
  }
}

void Journal::ClearJournal() {
  records_.clear();
  Rewrite();
}

void Journal::Rewrite() {
  std::string content;
  for (const auto& record : records_) {
    content += FormatJournalLine(record);
  }
  try {
    WriteFileText(file_, content);
    syncedSize_ = static_cast<std::int64_t>(content.size());
  } catch (const std::exception&) {
    syncedSize_.reset();  // the journal never reports its own errors
  }
}

void OpenJournalAtStartup(Journal& journal, const std::filesystem::path& file) {
  journal.SetFileName(file);
  journal.SetActive(true);
  if (FileSizeBytes(file) >= kJournalResetBytes) {
    journal.ClearJournal();
  }
}

void AddOpeningLines(Journal& journal) {
  journal.AddJournalLine("", "");
  journal.AddJournalLine(" -", "         ОТКРЫТИЕ  ПРОГРАММЫ.");
}

}  // namespace talver
