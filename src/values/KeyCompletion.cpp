// Value completion with the retail and logistics keys.
#include "values/KeyCompletion.h"


namespace tessaly::values {

namespace {

using barcode::TBarcodeType;

// Modulo-10 key: weights 3, 1, 3 ... from the rightmost character, non-digits counting 0.
// For the fixed lengths used here it is the EAN-13, EAN-8, UPC-A, EAN-14 and SSCC key alike.
QChar modulo10Key(const QString& digits)
{
    int sum = 0;
    int weight = 3;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const char16_t c = digits[i].unicode();
        sum += (c >= u'0' && c <= u'9' ? c - u'0' : 0) * weight;
        weight = 4 - weight;
    }
    return QLatin1Char(static_cast<char>('0' + (10 - sum % 10) % 10));
}

// The value padded on the left with "0" to `length` characters, then cut to its leftmost `length`.
QString fitLeft(const QString& value, qsizetype length)
{
    return value.rightJustified(length, QLatin1Char('0'), true);
}

// Identifier-led value: the first two characters are the application identifier, the key is
// computed over the rest.
QString completeWithIdentifier(const QString& value, qsizetype length)
{
    const QString fitted = fitLeft(value, length);
    return fitted + modulo10Key(fitted.mid(2));
}

} // namespace

QString CompleteWithKey(const QString& value, const QString& keyType)
{
    if (keyType == QLatin1String("EAN13") || keyType == QLatin1String("EAN8") ||
        keyType == QLatin1String("UPCA")) {
        const qsizetype length = keyType == QLatin1String("EAN13") ? 12 : keyType == QLatin1String("EAN8") ? 7 : 11;
        const QString fitted = fitLeft(value, length);
        return fitted + modulo10Key(fitted);
    }
    if (keyType == QLatin1String("EAN14"))
        return completeWithIdentifier(value, 15);
    if (keyType == QLatin1String("SSCC"))
        return completeWithIdentifier(value, 19);
    return {};
}

QStringList OfferedKeyTypes(TBarcodeType type)
{
    QStringList keys{QString()};
    switch (type) {
    case TBarcodeType::bcCodeEAN13:
    case TBarcodeType::bcCodeEAN8:
    case TBarcodeType::bcCodeUPC_A:
        keys << DefaultKeyType(type);
        break;
    case TBarcodeType::bcCodeEAN128A:
    case TBarcodeType::bcCodeEAN128B:
    case TBarcodeType::bcCodeEAN128C:
        keys << QStringLiteral("EAN14") << QStringLiteral("SSCC");
        break;
    default:
        break;
    }
    return keys;
}

QString DefaultKeyType(TBarcodeType type)
{
    switch (type) {
    case TBarcodeType::bcCodeEAN13: return QStringLiteral("EAN13");
    case TBarcodeType::bcCodeEAN8: return QStringLiteral("EAN8");
    case TBarcodeType::bcCodeUPC_A: return QStringLiteral("UPCA");
    default: return {};
    }
}

} // namespace tessaly::values
