#include "app/Settings.h"

#include <gtest/gtest.h>

#include "common/Files.h"
#include "tests/support/Sandbox.h"

namespace talver {
namespace {

TEST(Settings, MissingFileSectionOrKeyReadsEmpty) {
  testing::Sandbox sandbox;
  const Settings settings(sandbox / "talver.INI");
  EXPECT_EQ(settings.Read("FILE", "FileName"), "");
  sandbox.Write("talver.INI", "[INET]\r\nPassive=1\r\n");
  EXPECT_EQ(settings.Read("FILE", "FileName"), "");
  EXPECT_EQ(settings.Read("INET", "Other"), "");
  EXPECT_EQ(settings.ReadOr("INET", "Other", "fallback"), "fallback");
  EXPECT_FALSE(std::filesystem::exists(sandbox / "Tmp"));
}

TEST(Settings, SectionsAndKeysMatchWithoutCase) {
  testing::Sandbox sandbox;
  sandbox.Write("talver.INI", "[file]\r\nfilename=19280F00.txt\r\n");
  const Settings settings(sandbox / "talver.INI");
  EXPECT_EQ(settings.Read("FILE", "FileName"), "19280F00.txt");
  settings.Write("File", "FILENAME", "19280G00.txt");
  EXPECT_EQ(settings.Read("file", "filename"), "19280G00.txt");
  const std::string content = ReadFileText(sandbox / "talver.INI");
  EXPECT_EQ(content.find("19280F00"), std::string::npos);
  EXPECT_EQ(content.find("filename="), content.rfind("filename=")) << content;
}

TEST(Settings, EveryUseGoesToTheFile) {
  testing::Sandbox sandbox;
  const Settings settings(sandbox / "talver.INI");
  settings.Write("BDIONO", "IstDan", "5");
  EXPECT_EQ(Settings(sandbox / "talver.INI").Read("BDIONO", "IstDan"), "5");
  // A change made behind the program's back is seen at the next read.
  sandbox.Write("talver.INI", "[BDIONO]\nIstDan=7\n");
  EXPECT_EQ(settings.Read("BDIONO", "IstDan"), "7");
  settings.Write("FILE", "FileName", "19280A00.txt");
  EXPECT_EQ(settings.Read("BDIONO", "IstDan"), "7");
  EXPECT_EQ(settings.Read("FILE", "FileName"), "19280A00.txt");
}

TEST(Settings, WriteToReadOnlyFileRaisesAndChangesNothing) {
  testing::Sandbox sandbox;
  const auto file = sandbox.Write("talver.INI", "[FILE]\r\nFileName=19280F00.txt\r\n");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  const Settings settings(file);
  EXPECT_THROW(settings.Write("FILE", "FileName", "19280G00.txt"), SettingsWriteError);
  EXPECT_EQ(settings.Read("FILE", "FileName"), "19280F00.txt");
}

}  // namespace
}  // namespace talver
