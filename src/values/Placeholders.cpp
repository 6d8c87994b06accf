// Placeholder search, substitution and parsing.
#include "values/Placeholders.h"

#include "values/IntegerText.h"
#include "values/ValueSource.h"

#include <array>
#include <optional>

namespace tessaly::values {

namespace {

const QString kOpen = QStringLiteral("[*");
const QString kClose = QStringLiteral("*]");

// The field number of a placeholder starting at `pos` ("[*" already matched) and its length,
// or nothing. The number has no leading zero and lies in 1..15.
std::optional<std::pair<int, qsizetype>> placeholderAt(const QString& text, qsizetype pos)
{
    qsizetype i = pos + kOpen.size();
    int n = 0;
    const qsizetype firstDigit = i;
    while (i < text.size() && i - firstDigit < 2 && text[i].isDigit() && text[i].unicode() < 128) {
        n = n * 10 + (text[i].unicode() - '0');
        ++i;
    }
    if (i == firstDigit || text[firstDigit] == u'0' || n > kLastField)
        return std::nullopt;
    if (QStringView(text).mid(i, kClose.size()) != kClose)
        return std::nullopt;
    return std::pair{n, i + kClose.size() - pos};
}

} // namespace

QString PlaceholderText(int n)
{
    return kOpen + QString::number(n) + kClose;
}

QString SubstitutePlaceholders(const QString& text, const RecordSource& record)
{
    if (!text.contains(kOpen))
        return text;
    std::array<std::optional<QString>, kLastField + 1> fields; // read once per text
    QString result;
    qsizetype done = 0;
    for (qsizetype pos = text.indexOf(kOpen); pos >= 0; pos = text.indexOf(kOpen, pos)) {
        const auto found = placeholderAt(text, pos);
        if (!found) {
            ++pos;
            continue;
        }
        const auto [n, length] = *found;
        if (!fields[n])
            fields[n] = fvaleurchamp(record, n);
        result += QStringView(text).mid(done, pos - done);
        result += *fields[n];
        pos += length;
        done = pos;
    }
    result += QStringView(text).mid(done);
    return result;
}

bool ContainsPlaceholder(const QString& text)
{
    for (qsizetype pos = text.indexOf(kOpen); pos >= 0; pos = text.indexOf(kOpen, pos + 1)) {
        if (placeholderAt(text, pos))
            return true;
    }
    return false;
}

PlaceholderParse ParsePlaceholder(const QString& text)
{
    if (text.size() <= 2 || !text.startsWith(kOpen) || !text.endsWith(kClose))
        return {};
    const QStringView inner = text.size() >= 4 ? QStringView(text).mid(2, text.size() - 4) : QStringView();
    return {2, ParseInteger(inner).value_or(0)};
}

} // namespace tessaly::values
