// The named-stream container: index handling, block placement in the live layout, spilling to a
// temporary file and packed output.
#include "document/storage/TdtpStorage.h"

#include "document/storage/BlockStore.h"
#include "document/storage/StorageFormat.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>

namespace tessaly::document {

struct TdtpStorage::Entry {
    QString name;
    QByteArray stored;        // the name's bytes in the index
    qint64 offset = 0;
    qint64 size = 0;
    bool inSource = false;    // data still in the read-only source file
};

// Serialises archive operations; a nested call from the same thread is refused.
class TdtpStorage::Guard {
public:
    explicit Guard(const TdtpStorage& storage) : storage_(storage), lock_(storage.mutex_)
    {
        if (storage_.busy_)
            throw StorageError("Warning: recursive call to storage from event");
        storage_.busy_ = true;
    }
    ~Guard() { storage_.busy_ = false; }

private:
    const TdtpStorage& storage_;
    std::unique_lock<std::recursive_mutex> lock_;
};

namespace {

QString Quoted(const char* format, const QString& name)
{
    return QString::fromLatin1(format).arg(name);
}

[[noreturn]] void NotFound(const QString& name)
{
    throw StorageError(Quoted("Stream \"%1\" not found in the storage", name).toStdString());
}

QString FullPath(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

void CopyToDevice(BlockStore& from, qint64 offset, qint64 length, QIODevice& device)
{
    QByteArray chunk(std::min(length, TdtpStorage::kCopyChunk), Qt::Uninitialized);
    for (qint64 done = 0; done < length;) {
        const qint64 step = std::min(TdtpStorage::kCopyChunk, length - done);
        from.Read(offset + done, chunk.data(), step);
        if (device.write(chunk.constData(), step) != step)
            throw StorageError("Unable to write to the storage");
        done += step;
    }
}

} // namespace

TdtpStorage::TdtpStorage()
{
    ResetToMemory();
}

TdtpStorage::~TdtpStorage() = default;

// ---- Opening ----

void TdtpStorage::Clear()
{
    Guard guard(*this);
    ResetToMemory();
}

void TdtpStorage::ResetToMemory()
{
    entries_.clear();
    source_.reset();
    live_ = false;
    fileName_.clear();
    auto store = std::make_unique<MemoryBlockStore>();
    const QByteArray start = StorageHeader(kLiveIndexOffset) + SerializeIndex({});
    store->Write(0, start.constData(), start.size());
    own_ = std::move(store);
    ownIndexOffset_ = kLiveIndexOffset;
}

// Makes `store` the archive's own storage and takes its index; any error clears the archive.
void TdtpStorage::AdoptOwnStore(std::unique_ptr<BlockStore> store)
{
    try {
        const IndexImage image = ReadIndex(*store);
        entries_.clear();
        for (const IndexRecord& record : image.records)
            entries_.push_back({DecodeName(record.name), record.name, record.offset, record.size,
                                false});
        own_ = std::move(store);
        ownIndexOffset_ = image.indexOffset;
    } catch (...) {
        ResetToMemory();
        throw;
    }
}

void TdtpStorage::OpenLive(const QString& fileName)
{
    Guard guard(*this);
    ResetToMemory();
    auto file = std::make_unique<QFile>(fileName);
    const bool created = !file->exists();
    if (!file->open(QIODevice::ReadWrite))
        throw StorageError(Quoted("Cannot open file \"%1\"", fileName).toStdString());
    auto store = std::make_unique<FileBlockStore>(std::move(file));
    if (created) {
        const QByteArray start = StorageHeader(kLiveIndexOffset) + SerializeIndex({});
        store->Write(0, start.constData(), start.size());
    }
    AdoptOwnStore(std::move(store));
    live_ = true;
    fileName_ = FullPath(fileName);
}

void TdtpStorage::OpenFile(const QString& fileName)
{
    Guard guard(*this);
    ResetToMemory();
    if (!QFileInfo(fileName).isFile())
        throw StorageError(Quoted("Cannot find file \"%1\"", fileName).toStdString());
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::ReadOnly))
        throw StorageError(Quoted("Cannot open file \"%1\"", fileName).toStdString());
    auto store = std::make_unique<FileBlockStore>(std::move(file));
    const IndexImage image = ReadIndex(*store);
    for (const IndexRecord& record : image.records)
        entries_.push_back({DecodeName(record.name), record.name, record.offset, record.size, true});
    source_ = std::move(store);
    fileName_ = FullPath(fileName);
}

void TdtpStorage::LoadFromBytes(QByteArrayView bytes)
{
    Guard guard(*this);
    ResetToMemory();
    std::unique_ptr<BlockStore> store;
    if (bytes.size() > kSpillThreshold) {
        store = CreateTemporaryStore();
        for (qint64 done = 0; done < bytes.size(); done += kCopyChunk)
            store->Write(done, bytes.data() + done, std::min(kCopyChunk, bytes.size() - done));
    } else {
        store = std::make_unique<MemoryBlockStore>(bytes.toByteArray());
    }
    AdoptOwnStore(std::move(store));
}

void TdtpStorage::LoadFromDevice(QIODevice& device)
{
    Guard guard(*this);
    ResetToMemory();
    std::unique_ptr<BlockStore> store = std::make_unique<MemoryBlockStore>();
    QByteArray chunk(kCopyChunk, Qt::Uninitialized);
    qint64 size = 0;
    for (;;) {
        const qint64 got = device.read(chunk.data(), kCopyChunk);
        if (got <= 0)
            break;
        if (store->IsMemory() && size + got > kSpillThreshold) {
            auto spilled = CreateTemporaryStore();
            CopyBlocks(*store, 0, *spilled, 0, size);
            store = std::move(spilled);
        }
        store->Write(size, chunk.constData(), got);
        size += got;
    }
    AdoptOwnStore(std::move(store));
}

// ---- Streams ----

TdtpStorage::Entry* TdtpStorage::Find(const QString& name)
{
    for (Entry& entry : entries_)
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

const TdtpStorage::Entry* TdtpStorage::Find(const QString& name) const
{
    return const_cast<TdtpStorage*>(this)->Find(name);
}

bool TdtpStorage::Contains(const QString& name) const
{
    Guard guard(*this);
    return Find(name) != nullptr;
}

QStringList TdtpStorage::StreamNames() const
{
    Guard guard(*this);
    QStringList names;
    for (const Entry& entry : entries_)
        names << entry.name;
    return names;
}

qint64 TdtpStorage::StreamSize(const QString& name) const
{
    Guard guard(*this);
    const Entry* entry = Find(name);
    if (!entry)
        NotFound(name);
    return entry->size;
}

QByteArray TdtpStorage::ReadStream(const QString& name) const
{
    Guard guard(*this);
    const Entry* entry = Find(name);
    if (!entry)
        NotFound(name);
    QByteArray data(entry->size, Qt::Uninitialized);
    BlockStore& store = entry->inSource ? *source_ : *own_;
    store.Read(entry->offset, data.data(), entry->size);
    return data;
}

void TdtpStorage::WriteStream(const QString& name, QByteArrayView data)
{
    Guard guard(*this);
    Entry* entry = Find(name);
    if (!entry) {
        entries_.push_back({name, EncodeName(name), 0, 0, false});
        entry = &entries_.back();
    }
    const qint64 offset = PrepareBlock(*entry, data.size());
    own_->Write(offset, data.data(), data.size());
    WriteOwnIndex();
}

bool TdtpStorage::DeleteStream(const QString& name)
{
    Guard guard(*this);
    Entry* entry = Find(name);
    if (!entry)
        return false;
    const bool own = !entry->inSource;
    entries_.erase(entries_.begin() + (entry - entries_.data()));
    if (own)
        WriteOwnIndex();
    return true;
}

bool TdtpStorage::RenameStream(const QString& from, const QString& to)
{
    Guard guard(*this);
    Entry* entry = Find(from);
    if (!entry)
        return false;
    if (Entry* existing = Find(to); existing && existing != entry) {
        const auto existingAt = existing - entries_.data();
        const auto entryAt = entry - entries_.data();
        entries_.erase(entries_.begin() + existingAt);
        entry = &entries_[static_cast<size_t>(entryAt > existingAt ? entryAt - 1 : entryAt)];
    }
    entry->name = to;
    entry->stored = EncodeName(to);
    WriteOwnIndex();
    return true;
}

QString TdtpStorage::UniqueName(const QString& suffix) const
{
    Guard guard(*this);
    for (;;) {
        const auto number = QRandomGenerator::global()->bounded(10000000);
        const QString name = QStringLiteral("TMP%1").arg(number, 7, 10, QLatin1Char('0')) + suffix;
        if (!Find(name))
            return name;
    }
}

// ---- Live layout of the own storage ----

qint64 TdtpStorage::OwnIndexEnd() const
{
    qint64 size = 4;
    for (const Entry& entry : entries_)
        if (!entry.inSource)
            size += 20 + entry.stored.size();
    return ownIndexOffset_ + size;
}

// First gap between blocks (in offset order) that holds `size` bytes, else after the last
// block; a store without blocks keeps 512 bytes free behind its index.
qint64 TdtpStorage::PlaceBlock(qint64 size, qint64 indexEnd) const
{
    std::vector<std::pair<qint64, qint64>> blocks;   // offset, end
    for (const Entry& entry : entries_)
        if (!entry.inSource && entry.size > 0)
            blocks.emplace_back(entry.offset, entry.offset + entry.size);
    if (blocks.empty())
        return std::max(indexEnd, OwnIndexEnd() - ownIndexOffset_ + 8 + 512);
    std::sort(blocks.begin(), blocks.end());
    for (size_t i = 1; i < blocks.size(); ++i) {
        const qint64 gapStart = std::max(blocks[i - 1].second, indexEnd);
        if (blocks[i].first - gapStart >= size)
            return gapStart;
    }
    return std::max(blocks.back().second, indexEnd);
}

// Moves the first data block out of the way, repeatedly, until the index ends before it.
void TdtpStorage::MakeRoomForIndex(qint64 indexEnd)
{
    for (;;) {
        Entry* first = nullptr;
        for (Entry& entry : entries_)
            if (!entry.inSource && entry.size > 0 && (!first || entry.offset < first->offset))
                first = &entry;
        if (!first || first->offset >= indexEnd)
            return;
        const qint64 to = PlaceBlock(first->size, indexEnd);
        if (to < first->offset + first->size && first->offset < to + first->size)
            throw StorageError("Blocks overlap in copying action");
        EnsureCapacity(to + first->size);
        CopyBlocks(*own_, first->offset, *own_, to, first->size);
        first->offset = to;
    }
}

// Where the entry's new content of `size` bytes goes: in place when it does not grow, else a
// gap or the end. The entry becomes part of the own storage.
qint64 TdtpStorage::PrepareBlock(Entry& entry, qint64 size)
{
    if (!entry.inSource && size <= entry.size) {
        entry.size = size;
        return entry.offset;
    }
    entry.inSource = false;
    entry.size = 0;
    const qint64 indexEnd = OwnIndexEnd();
    MakeRoomForIndex(indexEnd);
    entry.offset = PlaceBlock(size, indexEnd);
    entry.size = size;
    EnsureCapacity(entry.offset + size);
    return entry.offset;
}

// A memory buffer that would grow beyond 10 MiB moves to a temporary file.
void TdtpStorage::EnsureCapacity(qint64 end)
{
    if (!own_->IsMemory() || end <= kSpillThreshold)
        return;
    try {
        auto spilled = CreateTemporaryStore();
        CopyBlocks(*own_, 0, *spilled, 0, own_->Size());
        own_ = std::move(spilled);
    } catch (...) {
        ResetToMemory();
        throw;
    }
}

void TdtpStorage::WriteOwnIndex()
{
    const qint64 indexEnd = OwnIndexEnd();
    MakeRoomForIndex(indexEnd);
    EnsureCapacity(indexEnd);
    std::vector<IndexRecord> records;
    for (const Entry& entry : entries_)
        if (!entry.inSource)
            records.push_back({entry.stored, entry.offset, entry.size});
    const QByteArray index = SerializeIndex(records);
    own_->Write(ownIndexOffset_, index.constData(), index.size());
}

// ---- Packed output ----

void TdtpStorage::MaterializeSource()
{
    for (Entry& entry : entries_) {
        if (!entry.inSource)
            continue;
        const qint64 from = entry.offset;
        const qint64 size = entry.size;
        const qint64 to = PrepareBlock(entry, size);
        CopyBlocks(*source_, from, *own_, to, size);
    }
    WriteOwnIndex();
    source_.reset();
    fileName_.clear();
}

void TdtpStorage::WritePacked(QIODevice& device)
{
    std::vector<IndexRecord> records;
    for (const Entry& entry : entries_)
        records.push_back({entry.stored, 0, entry.size});
    qint64 offset = kPackedIndexOffset + IndexSize(records);
    for (IndexRecord& record : records) {
        record.offset = offset;
        offset += record.size;
    }
    const QByteArray head =
        StorageHeader(kPackedIndexOffset) + StorageBanner() + SerializeIndex(records);
    if (device.write(head) != head.size())
        throw StorageError("Unable to write to the storage");
    for (const Entry& entry : entries_)
        CopyToDevice(entry.inSource ? *source_ : *own_, entry.offset, entry.size, device);
}

void TdtpStorage::SaveToFile(const QString& fileName)
{
    Guard guard(*this);
    const bool sameFile = IsSameFileUnlocked(fileName);
    if (live_ && sameFile)
        return;
    if (source_ && sameFile)
        MaterializeSource();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw StorageError(Quoted("Cannot create file \"%1\"", fileName).toStdString());
    WritePacked(file);
    if (!file.commit())
        throw StorageError(Quoted("Cannot create file \"%1\"", fileName).toStdString());
}

void TdtpStorage::SaveToDevice(QIODevice& device)
{
    Guard guard(*this);
    WritePacked(device);
}

QByteArray TdtpStorage::SaveToBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SaveToDevice(buffer);
    return bytes;
}

// ---- State ----

bool TdtpStorage::IsLive() const
{
    return live_;
}

QString TdtpStorage::FileName() const
{
    return fileName_;
}

bool TdtpStorage::IsSameFileUnlocked(const QString& fileName) const
{
    return !fileName_.isEmpty() && FullPath(fileName) == fileName_;
}

bool TdtpStorage::IsSameFile(const QString& fileName) const
{
    Guard guard(*this);
    return IsSameFileUnlocked(fileName);
}

bool TdtpStorage::IsSpilled() const
{
    return !own_->IsMemory() && !live_;
}

} // namespace tessaly::document
