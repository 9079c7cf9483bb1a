#include "common/Files.h"

#include <gtest/gtest.h>

#include "tests/support/Sandbox.h"

namespace talver {
namespace {

TEST(FileSizeBytes, SizeOrMinusOne) {
  testing::Sandbox sandbox;
  EXPECT_EQ(FileSizeBytes(sandbox / "missing"), -1);
  EXPECT_EQ(FileSizeBytes(sandbox.Write("five", "12345")), 5);
  EXPECT_EQ(FileSizeBytes(sandbox.Write("empty", "")), 0);
}

TEST(TmpClean, EmptiesOnlyTheFilesOfTmp) {
  testing::Sandbox sandbox;
  sandbox.Write("Tmp/a.txt", "a");
  sandbox.Write("Tmp/b.SAO", "b");
  sandbox.Write("Tmp/keep/inner.txt", "c");
  sandbox.Write("outside.txt", "d");
  TmpClean(sandbox.Path());
  EXPECT_FALSE(std::filesystem::exists(sandbox / "Tmp/a.txt"));
  EXPECT_FALSE(std::filesystem::exists(sandbox / "Tmp/b.SAO"));
  EXPECT_TRUE(std::filesystem::exists(sandbox / "Tmp/keep/inner.txt"));
  EXPECT_TRUE(std::filesystem::exists(sandbox / "outside.txt"));
  TmpClean(sandbox / "no-such-folder");  // nothing to clean is not an error
}

}  // namespace
}  // namespace talver
