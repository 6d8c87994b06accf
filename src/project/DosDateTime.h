// File dates in the packed DOS form archives carry: date in the high 16 bits, time in the
// low 16 bits, local time, two-second steps, years 1980 to 2107.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tessaly::project {

// Times before 1980 give 1980-01-01 00:00:00, after 2107 the last moment of 2107.
std::uint32_t ToDosDateTime(std::filesystem::file_time_type time);

// No value for a packed value that names no real moment (month 13, day 0, hour 24, ...).
std::optional<std::filesystem::file_time_type> FromDosDateTime(std::uint32_t packed);

// Dates the file; does nothing when the value is invalid or the file cannot be dated.
void SetFileDosDateTime(const std::filesystem::path& path, std::uint32_t packed);

// The file's date as a packed value; no value when it has none (it does not exist).
std::optional<std::uint32_t> FileDosDateTime(const std::filesystem::path& path);

} // namespace tessaly::project
