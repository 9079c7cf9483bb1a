#include "common/Text.h"

#include <gtest/gtest.h>

namespace talver {
namespace {

TEST(StrReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  struct Case {
    const char* source;
    const char* search;
    const char* replacement;
    const char* expected;
  };
  const Case cases[] = {
      {"aaa", "a", "aa", "aaaaaa"}, {"a>b>>c", ">", ">>", "a>>b>>>>c"}, {"a>>b", ">>", ">", "a>b"},
      {"abc", "", "x", "abc"},      {"abc", "z", "x", "abc"},           {"", "a", "b", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrReplaceAll(c.source, c.search, c.replacement), c.expected) << c.source;
  }
}

TEST(StrToFloatTolerant, AcceptsEitherSeparatorAndRejectsTheRest) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"4,35", 4.35}, {"4.35", 4.35}, {" 7 ", 7}, {"+4.5", 4.5}, {"-2.5", -2.5},
      {"1E3", 1000},  {"1e3", 1.3},   {"", -1},   {"   ", -1},   {"1,2.3", -1},
      {"abc", -1},    {"N/A", -1},    {"E", -1},  {"-", -1},     {"9999.000", 9999},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(StrToFloatTolerant(c.text), c.expected) << '"' << c.text << '"';
  }
}

TEST(FloatToStrSep, GeneralFormatWithChosenSeparator) {
  EXPECT_EQ(FloatToStrSep('.', 280), "280");
  EXPECT_EQ(FloatToStrSep('.', 4.35), "4.35");
  EXPECT_EQ(FloatToStrSep('.', 0.1 + 0.2), "0.3");
  EXPECT_EQ(FloatToStrSep('.', -12.5), "-12.5");
  EXPECT_EQ(FloatToStrSep(',', 4.35), "4,35");
}

TEST(IsPlainNumber, OnlyPlainDecimalNumbers) {
  for (const char* yes : {"4.35", "05.1", "-1", "+2", "1E5", "2.5e-3", ".5", "5.", "0"}) {
    EXPECT_TRUE(IsPlainNumber(yes)) << yes;
  }
  for (const char* no : {"N/A", "NO", "4,35", "", " 4.35", "1E", "+", ".", "1.2.3", "0x10",
                         "1;DROP TABLE STORM", "inf", "nan"}) {
    EXPECT_FALSE(IsPlainNumber(no)) << no;
  }
}

TEST(SplitLines, MixedLineEndsAndNoExtraLastLine) {
  using Lines = std::vector<std::string_view>;
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), Lines{});
}

TEST(Columns, OneBasedInclusiveAndTrimmed) {
  EXPECT_EQ(Columns("abcdef", 2, 4), "bcd");
  EXPECT_EQ(Columns("ab  cd  ", 3, 8), "cd");
  EXPECT_EQ(Columns("abc", 2, 10), "bc");
  EXPECT_EQ(Columns("abc", 5, 10), "");
}

}  // namespace
}  // namespace talver
