// Strict integer parsing, independent of the locale.
#include "values/IntegerText.h"

#include <QByteArray>

#include <charconv>

namespace tessaly::values {

std::optional<int> ParseInteger(QStringView text)
{
    // from_chars takes a minus sign but no plus sign.
    if (text.startsWith(u'+') && !text.startsWith(u"+-"))
        text = text.mid(1);
    const QByteArray latin = text.toLatin1();
    if (latin.isEmpty() || latin.size() != text.size())
        return std::nullopt;
    int value = 0;
    const char* end = latin.constData() + latin.size();
    const auto [ptr, ec] = std::from_chars(latin.constData(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace tessaly::values
