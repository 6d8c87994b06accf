// Entry names come from outside: nothing in them may point outside the destination folder.
#include "project/EntryName.h"

namespace tessaly::project {
namespace {

bool IsPlainName(std::string_view part)
{
    return !part.empty() && part != "." && part != ".." && part.find('\0') == std::string_view::npos;
}

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

bool IsFileList(std::string_view storedName)
{
    return storedName.starts_with(FileListName);
}

bool IsNextDisk(std::string_view storedName)
{
    return storedName.starts_with(NextDiskName);
}

std::optional<int> NextDiskNumber(std::string_view storedName)
{
    const auto digits = storedName.substr(NextDiskName.size());
    if (digits.size() < 3)
        return std::nullopt;
    int number = 0;
    for (char c : digits.substr(0, 3)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string_view FileNamePart(std::string_view storedName)
{
    const auto last = storedName.find_last_of("\\/");
    return last == std::string_view::npos ? storedName : storedName.substr(last + 1);
}

std::optional<std::filesystem::path> RestoreTarget(const std::filesystem::path& destination,
                                                   std::string_view storedName, bool fullPath)
{
    if (!fullPath) {
        const auto name = FileNamePart(storedName);
        if (!IsPlainName(name))
            return std::nullopt;
        return destination / std::string(name);
    }
    // Folders below the destination: "." and empty parts are dropped, ".." refused.
    std::filesystem::path target = destination;
    std::string_view rest = storedName.size() > 3 ? storedName.substr(3) : std::string_view{};
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !IsSeparator(rest[end]))
            ++end;
        const std::string_view part = rest.substr(0, end);
        rest.remove_prefix(end < rest.size() ? end + 1 : end);
        if (part.empty() || part == ".")
            continue;
        if (!IsPlainName(part))
            return std::nullopt;
        target /= std::string(part);
    }
    // The last part must be a file name, not a separator, "." or nothing.
    if (!IsPlainName(FileNamePart(storedName.size() > 3 ? storedName.substr(3) : std::string_view{})))
        return std::nullopt;
    return target;
}

} // namespace tessaly::project
