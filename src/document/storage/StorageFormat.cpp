// Reading and writing the header and index of the "STOR" container.
#include "document/storage/StorageFormat.h"

#include "document/storage/BlockStore.h"
#include "document/storage/StorageError.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>

namespace tessaly::document {

namespace {

constexpr char kMagic[4] = {'S', 'T', 'O', 'R'};
constexpr qint64 kBannerSize = 55;
constexpr char kBannerText[] = "Tessaly document archive: named streams";
constexpr qint64 kEntryFixedSize = 20;   // Int64 offset, Int64 size, Int32 name length
constexpr qint64 kReadChunk = 61440;

[[noreturn]] void NotStorage()
{
    throw StorageError("File is not a storage file");
}

// Sequential reads over a store through a small buffer, so that a packed file's index is read
// without touching the data behind it.
class IndexReader {
public:
    IndexReader(BlockStore& store, qint64 position)
        : store_(store), position_(position), size_(store.Size()) {}

    qint64 Remaining() const { return size_ - position_; }

    void Take(char* data, qint64 length)
    {
        if (length > Remaining())
            NotStorage();
        while (length > 0) {
            if (bufferAt_ >= buffer_.size()) {
                bufferStart_ = position_;
                buffer_.resize(std::min(kReadChunk, size_ - position_));
                bufferAt_ = 0;
                store_.Read(bufferStart_, buffer_.data(), buffer_.size());
            }
            const qint64 step = std::min<qint64>(length, buffer_.size() - bufferAt_);
            std::copy_n(buffer_.constData() + bufferAt_, step, data);
            bufferAt_ += step;
            position_ += step;
            data += step;
            length -= step;
        }
    }

    template <typename T> T TakeInteger()
    {
        char bytes[sizeof(T)];
        Take(bytes, sizeof(T));
        return qFromLittleEndian<T>(bytes);
    }

private:
    BlockStore& store_;
    qint64 position_;
    qint64 size_;
    QByteArray buffer_;
    qint64 bufferStart_ = 0;
    qint64 bufferAt_ = 0;
};

void CheckBlocks(const std::vector<IndexRecord>& records, qint64 indexEnd, qint64 fileSize)
{
    std::vector<std::pair<qint64, qint64>> blocks;   // offset, size of every non-empty stream
    for (const IndexRecord& r : records) {
        if (r.size == 0)
            continue;
        if (r.offset < indexEnd || r.size < 0 || r.offset > fileSize || r.size > fileSize - r.offset)
            NotStorage();
        blocks.emplace_back(r.offset, r.size);
    }
    std::sort(blocks.begin(), blocks.end());
    for (size_t i = 1; i < blocks.size(); ++i)
        if (blocks[i].first < blocks[i - 1].first + blocks[i - 1].second)
            NotStorage();
}

} // namespace

IndexImage ReadIndex(BlockStore& store)
{
    const qint64 fileSize = store.Size();
    char header[kHeaderSize];
    if (fileSize < 4)
        NotStorage();
    store.Read(0, header, std::min(fileSize, kHeaderSize));
    if (!std::equal(kMagic, kMagic + 4, header))
        NotStorage();
    if (fileSize < kHeaderSize)
        NotStorage();
    if (static_cast<unsigned char>(header[4]) > 1)
        throw StorageError("File is wrong (future) version");

    IndexImage image;
    image.indexOffset = qFromLittleEndian<qint64>(header + 6);
    if (image.indexOffset < kHeaderSize || image.indexOffset > fileSize - 4)
        NotStorage();
    IndexReader reader(store, image.indexOffset);
    const auto count = reader.TakeInteger<qint32>();
    if (count < 0 || count > reader.Remaining() / kEntryFixedSize)
        NotStorage();
    image.records.resize(static_cast<size_t>(count));
    for (IndexRecord& record : image.records) {
        record.offset = reader.TakeInteger<qint64>();
        record.size = reader.TakeInteger<qint64>();
        const auto nameLength = reader.TakeInteger<qint32>();
        if (nameLength < 0 || nameLength > reader.Remaining())
            NotStorage();
        record.name.resize(nameLength);
        reader.Take(record.name.data(), nameLength);
    }
    CheckBlocks(image.records, image.indexOffset + IndexSize(image.records), fileSize);
    return image;
}

QByteArray StorageHeader(qint64 indexOffset)
{
    QByteArray header(kHeaderSize, '\0');
    std::copy_n(kMagic, 4, header.data());
    header[4] = 1;
    header[5] = 1;
    qToLittleEndian<qint64>(indexOffset, header.data() + 6);
    return header;
}

QByteArray StorageBanner()
{
    static_assert(sizeof kBannerText - 1 + 4 <= kBannerSize);
    QByteArray banner = QByteArrayLiteral("\r\n") + kBannerText + QByteArrayLiteral("\r\n");
    banner.resize(kBannerSize, '\0');
    return banner;
}

qint64 IndexSize(const std::vector<IndexRecord>& records)
{
    qint64 size = 4;
    for (const IndexRecord& record : records)
        size += kEntryFixedSize + record.name.size();
    return size;
}

QByteArray SerializeIndex(const std::vector<IndexRecord>& records)
{
    QByteArray index(IndexSize(records), '\0');
    char* out = index.data();
    qToLittleEndian<qint32>(static_cast<qint32>(records.size()), out);
    out += 4;
    for (const IndexRecord& record : records) {
        qToLittleEndian<qint64>(record.offset, out);
        qToLittleEndian<qint64>(record.size, out + 8);
        qToLittleEndian<qint32>(static_cast<qint32>(record.name.size()), out + 16);
        out = std::copy_n(record.name.constData(), record.name.size(), out + 20);
    }
    return index;
}

QString DecodeName(const QByteArray& stored)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString name = utf8.decode(stored);
    return utf8.hasError() ? QString::fromLatin1(stored) : name;
}

QByteArray EncodeName(const QString& name)
{
    return name.toUtf8();
}

} // namespace tessaly::document
