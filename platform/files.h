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

// The whole content of a file, as bytes.
std::string ReadFile(const fs::path& path);

// Replaces the file with the given bytes atomically: the bytes go to a new file in
// the same folder, which is flushed and then renamed over the target. On failure the
// target is left as it was and the new file is removed. A target that is a symbolic
// link is written through the link. The new file keeps the old file's permissions.
void WriteFileAtomic(const fs::path& target, std::string_view bytes);

// True when at least one file or folder matches path; the last component may hold
// the wildcards '*' and '?' (matched without regard to letter case).
bool FileExists(const fs::path& path);

// The folder that holds the running executable.
fs::path ExecutableFolder();

}  // namespace vendaluz
