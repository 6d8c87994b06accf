// libFuzzer target: the "STOR" container reader on arbitrary bytes. Accepted input is read
// stream by stream, edited in the live layout, packed and read back, which must give the same
// streams.
#include "document/storage/TdtpStorage.h"

#include <cstdlib>

using tessaly::document::StorageError;
using tessaly::document::TdtpStorage;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TdtpStorage storage;
    try {
        storage.LoadFromBytes(QByteArrayView(reinterpret_cast<const char*>(data),
                                             static_cast<qsizetype>(size)));
    } catch (const StorageError&) {
        return 0;
    }
    const QStringList names = storage.StreamNames();
    for (const QString& name : names)
        storage.ReadStream(name);
    // Edits in the live layout: grow the index and a stream, then shrink one.
    storage.WriteStream(QStringLiteral("Fuzz/added-stream-name"), QByteArray(300, 'x'));
    if (!names.isEmpty()) {
        storage.WriteStream(names.front(), storage.ReadStream(names.front()) + "grown");
        storage.RenameStream(names.back(), QStringLiteral("Renamed"));
    }

    const QStringList before = storage.StreamNames();
    std::vector<QByteArray> contents;
    for (const QString& name : before)
        contents.push_back(storage.ReadStream(name));
    TdtpStorage copy;
    copy.LoadFromBytes(storage.SaveToBytes());
    if (copy.StreamNames().size() != before.size())
        std::abort();
    for (qsizetype i = 0; i < before.size(); ++i)
        if (copy.ReadStream(before[i]) != contents[static_cast<size_t>(i)])
            std::abort();
    return 0;
}
