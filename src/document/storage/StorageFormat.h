// Byte layout of the "STOR" container: header, banner and index, with the checks applied to
// damaged files. Internal to the storage module.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace tessaly::document {

class BlockStore;

struct IndexRecord {
    QByteArray name;      // 8-bit name as stored
    qint64 offset = 0;
    qint64 size = 0;
};

struct IndexImage {
    qint64 indexOffset = 0;
    std::vector<IndexRecord> records;
};

constexpr qint64 kHeaderSize = 14;

// Header, index position and every entry checked against the store's size: wrong magic gives
// "File is not a storage file", a version above 1 "File is wrong (future) version", and a
// truncated header or index, a count that cannot fit or a data block outside the file, inside
// the index or overlapping another block "File is not a storage file".
IndexImage ReadIndex(BlockStore& store);

// The 14-byte header pointing at the index.
QByteArray StorageHeader(qint64 indexOffset);
// The 55-byte information banner of packed files.
QByteArray StorageBanner();
// Count and entries, as stored at the index offset.
QByteArray SerializeIndex(const std::vector<IndexRecord>& records);
qint64 IndexSize(const std::vector<IndexRecord>& records);

// Names are kept as UTF-8 bytes; stored bytes that are not UTF-8 are read as Latin-1.
QString DecodeName(const QByteArray& stored);
QByteArray EncodeName(const QString& name);

} // namespace tessaly::document
