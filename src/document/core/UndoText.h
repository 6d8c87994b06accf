// Forms of old values in undo records: locale-independent numbers and Booleans, and the
// child or effect index kept as 32-bit little-endian data.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tessaly::document {

QString UndoFloatText(double value);  // shortest text that reads back to the same float
std::optional<double> ParseUndoFloat(const QString& text);  // accepts "," as the decimal separator
std::optional<long long> ParseUndoInt(const QString& text);
inline QString UndoBoolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }
bool ParseUndoBool(const QString& text);
QByteArray UndoIndexData(int index);
int UndoIndexFromData(const QByteArray& data);  // -1 when the data is too short

}  // namespace tessaly::document
