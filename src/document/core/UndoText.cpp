// Locale-independent number texts for undo records.
#include "document/core/UndoText.h"

#include <QDataStream>
#include <QIODevice>

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

QByteArray UndoIndexData(int index)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << qint32(index);
    return data;
}

int UndoIndexFromData(const QByteArray& data)
{
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 index = -1;
    in >> index;
    return index;
}

}  // namespace tessaly::document
