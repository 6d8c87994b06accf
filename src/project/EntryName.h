// Stored entry names: the special names, and where a restored entry may be written.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tessaly::project {

inline constexpr std::string_view FileListName = "FILE:LIST";
inline constexpr std::string_view NextDiskName = "NEXT:DISK";

bool IsFileList(std::string_view storedName);
bool IsNextDisk(std::string_view storedName);

// The volume number of "NEXT:DISK" + three digits; no value when the digits are missing.
std::optional<int> NextDiskNumber(std::string_view storedName);

// The text after the last backslash or slash.
std::string_view FileNamePart(std::string_view storedName);

// Where an entry is restored: the destination folder and the file-name part, or (full
// path) the name without its drive part (first three characters). No value for a name
// that could leave the folder or names no file: an empty, "." or ".." part, or a NUL.
std::optional<std::filesystem::path> RestoreTarget(const std::filesystem::path& destination,
                                                   std::string_view storedName, bool fullPath);

} // namespace tessaly::project
