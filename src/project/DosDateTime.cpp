// Conversion between file times and the packed DOS date-time, through the local calendar.
#include "project/DosDateTime.h"

#include <chrono>
#include <ctime>

namespace tessaly::project {
namespace {

using std::chrono::file_clock;
using std::chrono::system_clock;

constexpr std::uint32_t Pack(int year, int month, int day, int hour, int minute, int second)
{
    const auto date = static_cast<std::uint32_t>((year - 1980) << 9 | month << 5 | day);
    const auto time = static_cast<std::uint32_t>(hour << 11 | minute << 5 | second / 2);
    return date << 16 | time;
}

constexpr int DaysInMonth(int year, int month)
{
    constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

std::uint32_t ToDosDateTime(std::filesystem::file_time_type time)
{
    const auto sys = std::chrono::time_point_cast<system_clock::duration>(file_clock::to_sys(time));
    const std::time_t seconds = system_clock::to_time_t(sys);
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return Pack(1980, 1, 1, 0, 0, 0);
    const int year = local.tm_year + 1900;
    if (year < 1980)
        return Pack(1980, 1, 1, 0, 0, 0);
    if (year > 2107)
        return Pack(2107, 12, 31, 23, 59, 58);
    return Pack(year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

std::optional<std::filesystem::file_time_type> FromDosDateTime(std::uint32_t packed)
{
    const int year = static_cast<int>(packed >> 25) + 1980;
    const int month = static_cast<int>(packed >> 21 & 0x0F);
    const int day = static_cast<int>(packed >> 16 & 0x1F);
    const int hour = static_cast<int>(packed >> 11 & 0x1F);
    const int minute = static_cast<int>(packed >> 5 & 0x3F);
    const int second = static_cast<int>(packed & 0x1F) * 2;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 || minute > 59 ||
        second > 59)
        return std::nullopt;
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    const std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1))
        return std::nullopt;
    return file_clock::from_sys(system_clock::from_time_t(seconds));
}

void SetFileDosDateTime(const std::filesystem::path& path, std::uint32_t packed)
{
    const auto time = FromDosDateTime(packed);
    if (!time)
        return;
    std::error_code ignored;
    std::filesystem::last_write_time(path, *time, ignored);
}

std::optional<std::uint32_t> FileDosDateTime(const std::filesystem::path& path)
{
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    if (error)
        return std::nullopt;
    return ToDosDateTime(time);
}

} // namespace tessaly::project
