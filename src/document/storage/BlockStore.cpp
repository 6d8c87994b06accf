// Memory and file backings of an archive, and chunked copying between them.
#include "document/storage/BlockStore.h"

#include "document/storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <vector>

namespace tessaly::document {

namespace {

constexpr qint64 kChunk = 61440;

bool InRange(qint64 offset, qint64 length, qint64 size)
{
    return offset >= 0 && length >= 0 && offset <= size && length <= size - offset;
}

[[noreturn]] void Damaged()
{
    throw StorageError("File is not a storage file");
}

[[noreturn]] void WriteFailed()
{
    throw StorageError("Unable to write to the storage");
}

} // namespace

MemoryBlockStore::MemoryBlockStore(QByteArray bytes) : bytes_(std::move(bytes)) {}

qint64 MemoryBlockStore::Size() const
{
    return bytes_.size();
}

void MemoryBlockStore::Read(qint64 offset, char* data, qint64 length)
{
    if (length == 0)   // an empty stream's offset means nothing
        return;
    if (!InRange(offset, length, bytes_.size()))
        Damaged();
    std::copy_n(bytes_.constData() + offset, length, data);
}

void MemoryBlockStore::Write(qint64 offset, const char* data, qint64 length)
{
    if (offset < 0 || length < 0)
        WriteFailed();
    if (offset + length > bytes_.size())
        bytes_.resize(offset + length, '\0');
    std::copy_n(data, length, bytes_.data() + offset);
}

FileBlockStore::FileBlockStore(std::unique_ptr<QFile> file) : file_(std::move(file)) {}

FileBlockStore::~FileBlockStore() = default;

qint64 FileBlockStore::Size() const
{
    return file_->size();
}

void FileBlockStore::Read(qint64 offset, char* data, qint64 length)
{
    if (length == 0)
        return;
    if (!InRange(offset, length, file_->size()) || !file_->seek(offset))
        Damaged();
    while (length > 0) {
        const qint64 got = file_->read(data, length);
        if (got <= 0)
            Damaged();
        data += got;
        length -= got;
    }
}

void FileBlockStore::Write(qint64 offset, const char* data, qint64 length)
{
    // Flushed at once: a live archive on disk is complete after every operation.
    if (offset < 0 || !file_->seek(offset) || file_->write(data, length) != length ||
        !file_->flush())
        WriteFailed();
}

std::unique_ptr<BlockStore> CreateTemporaryStore()
{
    const QString folder = QDir::tempPath();   // empty when TMPDIR names no folder
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        throw StorageError("Unable to create temporary file");
    auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/~TMPXXXXXX"));
    // fileName() gives the file its "~TMP" name in the folder (Qt may otherwise keep it unnamed).
    if (!file->open() || file->fileName().isEmpty())
        throw StorageError("Unable to create temporary file");
    return std::make_unique<FileBlockStore>(std::move(file));
}

void CopyBlocks(BlockStore& from, qint64 fromOffset, BlockStore& to, qint64 toOffset,
                qint64 length)
{
    std::vector<char> chunk(static_cast<size_t>(std::min(length, kChunk)));
    for (qint64 done = 0; done < length;) {
        const qint64 step = std::min(kChunk, length - done);
        from.Read(fromOffset + done, chunk.data(), step);
        to.Write(toOffset + done, chunk.data(), step);
        done += step;
    }
}

} // namespace tessaly::document
