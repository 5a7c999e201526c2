// File-system helpers of the core. Failures throw vendaluz::Error with a Spanish
// description naming the path and the cause.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vendaluz {

namespace fs = std::filesystem;

// The path as text for messages and for settings that hold paths.
std::string PathText(const fs::path& path);

// The whole content of a file, as bytes. Throws DiskError (kLecturaFallida).
std::string ReadFile(const fs::path& path);

// True when at least one file or folder matches path; the last component may hold
// the wildcards '*' and '?' (matched without regard to letter case).
bool FileExists(const fs::path& path);

// The folder that holds the running executable.
fs::path ExecutableFolder();

}  // namespace vendaluz
