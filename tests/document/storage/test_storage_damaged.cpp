// Damaged containers: each gives the storage's error, never a crash or a huge allocation.
#include "StorageBytes.h"
#include "document/storage/TdtpStorage.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace tessaly::document;
using namespace tessaly::document::test;

namespace {

// A packed archive with "Index.xml" (5 bytes) and "Page0001.xml" (3 bytes): count at 69,
// entries at 73 and 102, data at 134.
QByteArray ValidArchive()
{
    TdtpStorage storage;
    storage.WriteStream(QStringLiteral("Index.xml"), "<D/>\n");
    storage.WriteStream(QStringLiteral("Page0001.xml"), "<P>");
    return storage.SaveToBytes();
}

constexpr const char* kNotStorage = "File is not a storage file";
constexpr const char* kFuture = "File is wrong (future) version";

struct DamageCase {
    const char* name;
    std::function<void(QByteArray&)> damage;
    const char* error;   // nullptr: still accepted
};

} // namespace

TEST(StorageDamaged, EachDamageGivesItsError)
{
    const DamageCase cases[] = {
        {"empty", [](QByteArray& b) { b.clear(); }, kNotStorage},
        {"three bytes", [](QByteArray& b) { b.truncate(3); }, kNotStorage},
        {"wrong magic", [](QByteArray& b) { b[3] = 'X'; }, kNotStorage},
        {"header cut", [](QByteArray& b) { b.truncate(10); }, kNotStorage},
        {"future version", [](QByteArray& b) { b[4] = 2; }, kFuture},
        {"second version byte ignored", [](QByteArray& b) { b[5] = 9; }, nullptr},
        {"index offset past the end", [](QByteArray& b) { SetInt64(b, 6, 1000); }, kNotStorage},
        {"index offset negative", [](QByteArray& b) { SetInt64(b, 6, -5); }, kNotStorage},
        {"index offset inside header", [](QByteArray& b) { SetInt64(b, 6, 3); }, kNotStorage},
        {"index offset huge", [](QByteArray& b) { SetInt64(b, 6, INT64_MAX); }, kNotStorage},
        {"count negative", [](QByteArray& b) { SetInt32(b, 69, -1); }, kNotStorage},
        {"count huge", [](QByteArray& b) { SetInt32(b, 69, 0x7FFFFFFF); }, kNotStorage},
        {"count one too many", [](QByteArray& b) { SetInt32(b, 69, 3); }, kNotStorage},
        {"name length huge", [](QByteArray& b) { SetInt32(b, 73 + 16, 0x7FFFFFFF); }, kNotStorage},
        {"name length negative", [](QByteArray& b) { SetInt32(b, 73 + 16, -4); }, kNotStorage},
        {"data past the end", [](QByteArray& b) { SetInt64(b, 102 + 8, 4); }, kNotStorage},
        {"size negative", [](QByteArray& b) { SetInt64(b, 73 + 8, -1); }, kNotStorage},
        {"offset overflows", [](QByteArray& b) { SetInt64(b, 73, INT64_MAX - 2); }, kNotStorage},
        {"offset negative", [](QByteArray& b) { SetInt64(b, 73, -100); }, kNotStorage},
        {"data inside the index", [](QByteArray& b) { SetInt64(b, 73, 100); }, kNotStorage},
        {"blocks overlap", [](QByteArray& b) { SetInt64(b, 102, 136); }, kNotStorage},
        {"truncated data", [](QByteArray& b) { b.chop(1); }, kNotStorage},
        {"empty stream anywhere", [](QByteArray& b) {
             SetInt64(b, 73, -7);
             SetInt64(b, 73 + 8, 0);
         }, nullptr},
        {"trailing bytes", [](QByteArray& b) { b += "junk"; }, nullptr},
    };
    for (const DamageCase& c : cases) {
        QByteArray bytes = ValidArchive();
        c.damage(bytes);
        TdtpStorage storage;
        storage.WriteStream(QStringLiteral("before"), "x");
        try {
            storage.LoadFromBytes(bytes);
            EXPECT_EQ(c.error, nullptr) << c.name << ": accepted";
            for (const QString& name : storage.StreamNames())
                storage.ReadStream(name);
        } catch (const StorageError& e) {
            ASSERT_NE(c.error, nullptr) << c.name << ": " << e.what();
            EXPECT_STREQ(e.what(), c.error) << c.name;
            EXPECT_TRUE(storage.StreamNames().isEmpty()) << c.name << ": archive not cleared";
        }
    }
}

TEST(StorageDamaged, ReadOnlyFileWithDamageIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.tp"));
    QByteArray bytes = ValidArchive();
    SetInt32(bytes, 69, 0x7FFFFFFF);
    WriteFileBytes(path, bytes);
    TdtpStorage storage;
    EXPECT_THROW(storage.OpenFile(path), StorageError);
    EXPECT_TRUE(storage.FileName().isEmpty());
}
