// The named-stream container of document archives ("STOR"): streams kept in memory, in a
// temporary file, in a read-only file or in a live file edited in place; packed output.
#pragma once

#include "document/storage/StorageError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <memory>
#include <mutex>
#include <vector>

class QIODevice;

namespace tessaly::document {

class BlockStore;

class TdtpStorage {
public:
    static constexpr qint64 kPackedIndexOffset = 69;       // header 14 + banner 55
    static constexpr qint64 kLiveIndexOffset = 14;         // header only
    static constexpr qint64 kBannerSize = 55;
    static constexpr qint64 kSpillThreshold = 10 * 1024 * 1024;  // memory buffer limit
    static constexpr qint64 kCopyChunk = 61440;            // bytes per copy step

    TdtpStorage();   // an empty archive in memory
    ~TdtpStorage();
    TdtpStorage(const TdtpStorage&) = delete;
    TdtpStorage& operator=(const TdtpStorage&) = delete;

    // Drops every stream and any file or temporary file; afterwards an empty archive in memory.
    void Clear();

    // Live archive (ArchiveDirect): the file itself is the storage, created empty when missing;
    // every change is written to it at once (index rewritten after each change). A file that
    // cannot be opened for writing gives "Cannot open file \"%s\"".
    void OpenLive(const QString& fileName);
    // Read-only source: reads only the index; stream data are read from the file on demand and
    // changed streams are kept in the archive's own memory. "Cannot find file \"%s\"" when missing.
    void OpenFile(const QString& fileName);
    // Copies a whole archive image into the archive's own storage (memory, or a temporary file
    // above 10 MiB) and reads its index. Damaged input gives a StorageError, the archive is cleared.
    void LoadFromBytes(QByteArrayView bytes);
    // Same for the bytes from the device's current position to its end.
    void LoadFromDevice(QIODevice& device);

    // Stream names are compared ignoring case.
    bool Contains(const QString& name) const;
    QStringList StreamNames() const;                        // in index order
    qint64 StreamSize(const QString& name) const;          // throws when missing
    // Throws "Stream \"%s\" not found in the storage" when missing.
    QByteArray ReadStream(const QString& name) const;
    // Creates the stream or replaces its content (the stored name keeps its first spelling).
    void WriteStream(const QString& name, QByteArrayView data);
    bool DeleteStream(const QString& name);                 // false when missing
    // Renames a stream; an existing stream called `to` is replaced. False when `from` is missing.
    bool RenameStream(const QString& from, const QString& to);
    // "TMP" followed by seven random decimal digits and the suffix, not yet used in the archive.
    QString UniqueName(const QString& suffix) const;

    // Packed layout (header, banner, index at 69, data back to back). SaveToFile writes a
    // temporary file in the same folder and renames it into place; it does nothing when the file
    // is the live archive itself, and first copies the streams into memory when the file is the
    // archive's read-only source.
    void SaveToFile(const QString& fileName);
    void SaveToDevice(QIODevice& device);
    QByteArray SaveToBytes();

    bool IsLive() const;              // opened with OpenLive
    QString FileName() const;         // the live file or read-only source; empty otherwise
    // True when fileName names the live file or the read-only source: full paths with links
    // resolved, compared with case (file names differing in case are different files here).
    bool IsSameFile(const QString& fileName) const;
    bool IsSpilled() const;           // the own storage moved to a temporary file

private:
    struct Entry;
    class Guard;

    Entry* Find(const QString& name);
    const Entry* Find(const QString& name) const;
    void ResetToMemory();
    void AdoptOwnStore(std::unique_ptr<BlockStore> store);
    qint64 OwnIndexEnd() const;
    qint64 PlaceBlock(qint64 size, qint64 indexEnd) const;
    void MakeRoomForIndex(qint64 indexEnd);
    qint64 PrepareBlock(Entry& entry, qint64 size);
    void EnsureCapacity(qint64 end);
    void WriteOwnIndex();
    void MaterializeSource();
    void WritePacked(QIODevice& device);
    bool IsSameFileUnlocked(const QString& fileName) const;

    std::vector<Entry> entries_;
    std::unique_ptr<BlockStore> own_;       // memory, temporary file or live file
    std::unique_ptr<BlockStore> source_;    // read-only file of OpenFile
    qint64 ownIndexOffset_ = kLiveIndexOffset;
    bool live_ = false;
    QString fileName_;
    mutable std::recursive_mutex mutex_;
    mutable bool busy_ = false;
};

} // namespace tessaly::document
