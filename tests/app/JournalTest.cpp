#include "app/Journal.h"

#include <gtest/gtest.h>

#include "common/Files.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

const FixedClock kClock(DateTime{{2019, 10, 7}, 13, 20, 5, 0});
constexpr const char* kTime = "07.10.2019 13:20:05";

std::string RewriteOf(const std::vector<JournalRecord>& records) {
  std::string content;
  for (const auto& record : records) {
    content += FormatJournalLine(record);
  }
  return content;
}

TEST(JournalLine, TitlesDoubleTheirAngleBrackets) {
  struct Case {
    JournalRecord record;
    const char* line;
  };
  const Case cases[] = {
      {{"t", " -", " Файл x принят."}, "[t] -> Файл x принят.\r\n"},
      {{"t", "", ""}, "[t]>\r\n"},
      {{"t", "a>b", "c"}, "[t]a>>b>c\r\n"},
      {{"t", "a>", "b>c"}, "[t]a>>>b>c\r\n"},
  };
  for (const auto& c : cases) {
    const std::string line = FormatJournalLine(c.record);
    EXPECT_EQ(line, c.line);
    EXPECT_EQ(ParseJournalLine(line.substr(0, line.size() - 2)), c.record) << c.line;
  }
}

TEST(JournalLine, LinesOfOtherShapesAreDropped) {
  EXPECT_FALSE(ParseJournalLine("no bracket at all"));
  EXPECT_FALSE(ParseJournalLine("[never closed"));
  EXPECT_EQ(ParseJournalLine("lost[t] -> text"), (JournalRecord{"t", " -", " text"}));
  EXPECT_EQ(ParseJournalLine("[t]title only"), (JournalRecord{"t", "title only", ""}));
}

TEST(Journal, FileAlwaysEqualsTheRecords) {
  testing::Sandbox sandbox;
  const auto file =
      sandbox.Write("Log.txt", "[a] -> first\r\ngarbage\r\n[b] -> second\n[never closed\r\n");
  Journal journal(kClock);
  journal.SetFileName(file);
  journal.SetActive(true);
  ASSERT_EQ(journal.Records().size(), 2u);
  journal.AddJournalLine(" -", " third");
  EXPECT_EQ(ReadFileText(file),
            "[a] -> first\r\n[b] -> second\r\n[" + std::string(kTime) + "] -> third\r\n");
  // A file shortened behind the journal's back is rewritten whole at the next record.
  WriteFileText(file, "");
  journal.AddJournalLine(" -", " fourth");
  EXPECT_EQ(ReadFileText(file), RewriteOf(journal.Records()));
  EXPECT_EQ(journal.Records().size(), 4u);
}

TEST(Journal, AddingALineAppendsInsteadOfRewriting) {
  testing::Sandbox sandbox;
  const auto file = sandbox.Write("Log.txt", "[a] -> first\r\n");
  Journal journal(kClock);
  journal.SetFileName(file);
  journal.SetActive(true);
  // Same size, other bytes: only a rewrite would restore the first line.
  WriteFileText(file, "[a] -> FIRST\r\n");
  journal.AddJournalLine(" -", " second");
  EXPECT_EQ(ReadFileText(file), "[a] -> FIRST\r\n[" + std::string(kTime) + "] -> second\r\n");
}

TEST(Journal, InactiveJournalAddsNothingAndClearLeavesAnEmptyFile) {
  testing::Sandbox sandbox;
  const auto file = sandbox.Write("Log.txt", "[a] -> first\r\n");
  Journal journal(kClock);
  journal.SetFileName(file);
  journal.AddJournalLine(" -", " ignored");
  EXPECT_EQ(journal.Records().size(), 1u);
  journal.SetActive(true);
  journal.ClearJournal();
  EXPECT_EQ(FileSizeBytes(file), 0);
  journal.AddJournalLine(" -", " next");
  EXPECT_EQ(ReadFileText(file), "[" + std::string(kTime) + "] -> next\r\n");
}

// A journal file of exactly `size` bytes made of well-formed lines.
std::string JournalOfSize(std::size_t size) {
  const std::string line = "[07.10.2019 10:00:00] -> " + std::string(73, 'x') + "\r\n";
  std::string content;
  while (content.size() + line.size() <= size - 40) {
    content += line;
  }
  const std::size_t rest = size - content.size() - std::string("[t] -> \r\n").size();
  content += "[t] -> " + std::string(rest, 'y') + "\r\n";
  return content;
}

TEST(JournalStartup, FilesOfTwoMillionBytesAreEmptied) {
  for (const std::int64_t size : {kJournalResetBytes - 1, kJournalResetBytes}) {
    testing::Sandbox sandbox;
    const auto file = sandbox.Write("Log.txt", JournalOfSize(static_cast<std::size_t>(size)));
    ASSERT_EQ(FileSizeBytes(file), size);
    Journal journal(kClock);
    OpenJournalAtStartup(journal, file);
    AddOpeningLines(journal);
    const std::string opening =
        "[" + std::string(kTime) + "]>\r\n[" + kTime + "] ->         ОТКРЫТИЕ  ПРОГРАММЫ.\r\n";
    const std::string content = ReadFileText(file);
    if (size < kJournalResetBytes) {
      EXPECT_EQ(content.size(), static_cast<std::size_t>(size) + opening.size());
      EXPECT_EQ(content.substr(static_cast<std::size_t>(size)), opening);
    } else {
      EXPECT_EQ(content, opening);
    }
  }
}

TEST(JournalStartup, MissingFileIsCreatedWithTheOpeningLines) {
  testing::Sandbox sandbox;
  Journal journal(kClock);
  OpenJournalAtStartup(journal, sandbox / "Log.txt");
  AddOpeningLines(journal);
  EXPECT_EQ(ReadFileText(sandbox / "Log.txt"),
            "[" + std::string(kTime) + "]>\r\n[" + kTime + "] ->         ОТКРЫТИЕ  ПРОГРАММЫ.\r\n");
}

}  // namespace
}  // namespace talver
