#include "data/util/Text.h"

#include <charconv>
#include <sys/stat.h>

namespace tessaly::data {

std::string_view TrimBlanksAndTabs(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::optional<std::int64_t> ParseWholeNumber(std::string_view text)
{
    text = TrimBlanksAndTabs(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string WithSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder.push_back('/');
    return folder;
}

bool FileExists(const std::string& path)
{
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0;
}

} // namespace tessaly::data
