// Helpers of the container tests: little-endian fields of archive bytes and files on disk.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace tessaly::document::test {

inline qint64 Int64At(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<qint64>(bytes.constData() + at);
}

inline qint32 Int32At(const QByteArray& bytes, qint64 at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

inline void SetInt64(QByteArray& bytes, qint64 at, qint64 value)
{
    qToLittleEndian<qint64>(value, bytes.data() + at);
}

inline void SetInt32(QByteArray& bytes, qint64 at, qint32 value)
{
    qToLittleEndian<qint32>(value, bytes.data() + at);
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// One index entry as read from archive bytes.
struct EntryAt {
    qint64 offset;
    qint64 size;
    QByteArray name;
};

// The index entries of archive bytes, following the header's index offset.
inline std::vector<EntryAt> IndexOf(const QByteArray& bytes)
{
    std::vector<EntryAt> entries;
    qint64 at = Int64At(bytes, 6);
    const qint32 count = Int32At(bytes, at);
    at += 4;
    for (qint32 i = 0; i < count; ++i) {
        const qint32 length = Int32At(bytes, at + 16);
        entries.push_back({Int64At(bytes, at), Int64At(bytes, at + 8), bytes.mid(at + 20, length)});
        at += 20 + length;
    }
    return entries;
}

} // namespace tessaly::document::test
