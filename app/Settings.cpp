#include "app/Settings.h"

// Values are ASCII; no code-page conversion is wanted (and Debian ships no ConvertUTF.h).
#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <sys/stat.h>

#include "common/Text.h"

namespace talver {

namespace {

// A missing file is an empty one; a file that cannot be parsed reads as empty too.
void Load(CSimpleIniA& ini, const std::filesystem::path& file) {
  ini.SetUnicode(true);
  ini.SetSpaces(false);
  ini.SetMultiKey(false);
  ini.LoadFile(file.c_str());
}

// Root ignores permission bits, so a file the operator made read-only is honoured here.
bool IsReadOnly(const std::filesystem::path& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) {
    return false;
  }
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

std::string Settings::Read(std::string_view section, std::string_view key) const {
  CSimpleIniA ini;
  Load(ini, file_);
  const std::string sectionText(section);
  const std::string keyText(key);
  const char* value = ini.GetValue(sectionText.c_str(), keyText.c_str(), "");
  return value ? std::string(value) : std::string();
}

std::string Settings::ReadOr(std::string_view section, std::string_view key,
                             std::string_view fallback) const {
  std::string value = Read(section, key);
  if (Trim(value).empty()) {
    return std::string(fallback);
  }
  return value;
}

void Settings::Write(std::string_view section, std::string_view key, std::string_view value) const {
  if (IsReadOnly(file_)) {
    throw SettingsWriteError("файл настроек " + file_.string() + " только для чтения");
  }
  CSimpleIniA ini;
  Load(ini, file_);
  const std::string sectionText(section);
  const std::string keyText(key);
  const std::string valueText(value);
  ini.SetValue(sectionText.c_str(), keyText.c_str(), valueText.c_str());
  if (ini.SaveFile(file_.c_str(), false) < 0) {
    throw SettingsWriteError("не удаётся записать файл настроек " + file_.string());
  }
}

std::filesystem::path SettingsFileIn(const std::filesystem::path& programFolder) {
  return programFolder / "talver.INI";
}

}  // namespace talver
