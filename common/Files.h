// File helpers of the working folder and the journal.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace talver {

// Size in bytes; -1 when no such file exists.
std::int64_t FileSizeBytes(const std::filesystem::path& file);

// Deletes every file in folder/"Tmp" (the folders in it are left alone).
void TmpClean(const std::filesystem::path& folder);

// The whole file as bytes; throws std::runtime_error when it cannot be read.
std::string ReadFileText(const std::filesystem::path& file);

// Replaces the file's content; throws std::runtime_error on failure.
void WriteFileText(const std::filesystem::path& file, const std::string& content);

}  // namespace talver
