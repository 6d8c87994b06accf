// Qt-side adapters of the barcode engine's check keys.
#include "values/KeyCompletion.h"

#include "barcode/CheckKeys.h"

namespace tessaly::values {

namespace {

using barcode::TBarcodeType;

std::string_view listItem(TBarcodeType type)
{
    return barcode::isKnownType(type) ? barcode::symbology(type).listItem : std::string_view();
}

} // namespace

QString CompleteWithKey(const QString& value, const QString& keyType)
{
    // Barcode values are single-byte text; a character beyond Latin-1 becomes "?", which no
    // key symbology encodes anyway.
    const QByteArray bytes = value.toLatin1();
    const QByteArray key = keyType.toLatin1();
    const std::string completed = barcode::CompleteWithKey(std::string_view(bytes.constData(), bytes.size()),
                                                           std::string_view(key.constData(), key.size()));
    return QString::fromLatin1(completed.data(), static_cast<qsizetype>(completed.size()));
}

QStringList OfferedKeyTypes(TBarcodeType type)
{
    QStringList keys;
    for (const std::string& key : barcode::KeyTypesForSymbology(listItem(type)))
        keys << QString::fromStdString(key);
    return keys;
}

QString DefaultKeyType(TBarcodeType type)
{
    return QString::fromStdString(barcode::DefaultKeyType(listItem(type)));
}

} // namespace tessaly::values
