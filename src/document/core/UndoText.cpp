// Locale-independent number texts for undo records.
#include "document/core/UndoText.h"

#include <charconv>
#include <string>

namespace tessaly::document {

QString UndoFloatText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, float(value));
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

std::optional<double> ParseUndoFloat(const QString& text)
{
    std::string s = text.trimmed().toStdString();
    for (char& c : s)
        if (c == ',') c = '.';
    double value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<long long> ParseUndoInt(const QString& text)
{
    const std::string s = text.trimmed().toStdString();
    long long value = 0;
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec != std::errc() || result.ptr != s.data() + s.size())
        return std::nullopt;
    return value;
}

bool ParseUndoBool(const QString& text)
{
    const QChar first = text.isEmpty() ? QChar() : text.at(0).toUpper();
    return first == QLatin1Char('T') || first == QLatin1Char('Y');
}

}  // namespace tessaly::document
