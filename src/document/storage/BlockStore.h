// Random-access byte storage behind an archive: a memory buffer, a temporary file or a file.
// Internal to the storage module.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

namespace tessaly::document {

class BlockStore {
public:
    virtual ~BlockStore() = default;
    virtual qint64 Size() const = 0;
    // Reads exactly `length` bytes at `offset`; throws StorageError when they are not there.
    virtual void Read(qint64 offset, char* data, qint64 length) = 0;
    // Writes at `offset`, growing the store (zero-filled) when needed.
    virtual void Write(qint64 offset, const char* data, qint64 length) = 0;
    virtual bool IsMemory() const { return false; }
};

class MemoryBlockStore : public BlockStore {
public:
    explicit MemoryBlockStore(QByteArray bytes = {});
    qint64 Size() const override;
    void Read(qint64 offset, char* data, qint64 length) override;
    void Write(qint64 offset, const char* data, qint64 length) override;
    bool IsMemory() const override { return true; }

private:
    QByteArray bytes_;
};

class FileBlockStore : public BlockStore {
public:
    // Takes an open file; a temporary file is removed with the store.
    explicit FileBlockStore(std::unique_ptr<QFile> file);
    ~FileBlockStore() override;
    qint64 Size() const override;
    void Read(qint64 offset, char* data, qint64 length) override;
    void Write(qint64 offset, const char* data, qint64 length) override;

private:
    std::unique_ptr<QFile> file_;
};

// A new empty temporary file in the system temporary folder ("~TMP" prefix), removed on
// destruction; throws "Unable to create temporary file".
std::unique_ptr<BlockStore> CreateTemporaryStore();
// Copies `length` bytes from one store to another in chunks of 61,440 bytes.
void CopyBlocks(BlockStore& from, qint64 fromOffset, BlockStore& to, qint64 toOffset,
                qint64 length);

} // namespace tessaly::document
