// TdtpCommand: one undo record naming the shape that can carry it out.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace tessaly::document {

enum TdtpCommandKind : std::uint8_t {
    ckProperty = 0,       // Name, old value as text
    ckChildInserted = 1,  // data: Int32 index
    ckChildRemoved = 2,   // data: Int32 index, Int32 ShapeId, Base64 packed shape; OldValue: class name
    ckEffectInserted = 3,
    ckEffectRemoved = 4,
    ckEffectProperty = 5,
};

struct TdtpCommand {
    std::uint8_t Kind = ckProperty;
    int ShapeId = 0;
    bool Grouped = false;  // belongs to the same group as the record before it
    QString Name;
    QByteArray Data;
    QString OldValue;

    // Bytes counted against the undo list's limit.
    qint64 Size() const { return Name.size() + OldValue.size() + 4 + Data.size(); }
};

}  // namespace tessaly::document
