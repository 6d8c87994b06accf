// The byte texts of the engines as Unicode and back: barcode texts are Windows-1252, DataMatrix
// data is Latin-1; characters a code page cannot hold become "?".
#pragma once

#include "barcode/qt/BarcodePainter.h"
#include "lang/CodePage.h"

#include <QString>

#include <string>

namespace tessaly::labelshapes {

inline QString FromBarcodeBytes(const std::string& bytes) { return barcode::fromWindows1252(bytes); }

inline std::string ToBarcodeBytes(const QString& text)
{
    return lang::Utf8ToWindows1252(text.toStdString());
}

inline QString FromLatin1Bytes(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

inline std::string ToLatin1Bytes(const QString& text)
{
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const QChar c : text)
        bytes.push_back(c.unicode() < 0x100 ? char(c.unicode()) : '?');
    return bytes;
}

} // namespace tessaly::labelshapes
