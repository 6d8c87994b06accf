// Files behind the container: the live layout edited in place, read-only sources read on demand,
// packed files written over their own source.
#include "StorageBytes.h"
#include "document/storage/TdtpStorage.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tessaly::document;
using namespace tessaly::document::test;

namespace {

class StorageLayout : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // Offset of the named stream in the file's index.
    qint64 OffsetIn(const QString& path, const QByteArray& name) const
    {
        for (const EntryAt& entry : IndexOf(FileBytes(path)))
            if (entry.name == name)
                return entry.offset;
        return -1;
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(StorageLayout, NewLiveFileKeepsRoomBehindItsIndex)
{
    const QString path = Path("live.tp");
    TdtpStorage storage;
    storage.OpenLive(path);
    EXPECT_TRUE(storage.IsLive());
    EXPECT_EQ(FileBytes(path), QByteArray("STOR\x01\x01\x0e\0\0\0\0\0\0\0\0\0\0\0", 18));

    storage.WriteStream(QStringLiteral("A"), QByteArray(10, 'a'));
    const QByteArray bytes = FileBytes(path);
    EXPECT_EQ(Int64At(bytes, 6), 14);
    EXPECT_EQ(OffsetIn(path, "A"), 12 + (20 + 1) + 512);
    EXPECT_EQ(bytes.mid(545, 10), QByteArray(10, 'a'));
}

TEST_F(StorageLayout, LiveWritesReuseGapsAndRewriteInPlace)
{
    const QString path = Path("live.tp");
    TdtpStorage storage;
    storage.OpenLive(path);
    for (const char* name : {"A", "B", "C"})
        storage.WriteStream(QString::fromLatin1(name), QByteArray(100, name[0]));
    const qint64 a = OffsetIn(path, "A");
    const qint64 b = OffsetIn(path, "B");
    const qint64 c = OffsetIn(path, "C");
    EXPECT_EQ(b, a + 100);
    EXPECT_EQ(c, b + 100);

    storage.WriteStream(QStringLiteral("A"), QByteArray(80, 'x'));    // shrinks: in place
    EXPECT_EQ(OffsetIn(path, "A"), a);
    storage.DeleteStream(QStringLiteral("B"));
    storage.WriteStream(QStringLiteral("D"), QByteArray(50, 'd'));    // fits the gap after A
    EXPECT_EQ(OffsetIn(path, "D"), a + 80);
    storage.WriteStream(QStringLiteral("A"), QByteArray(300, 'y'));   // grows: after the last
    EXPECT_EQ(OffsetIn(path, "A"), c + 100);

    TdtpStorage reopened;
    reopened.OpenFile(path);
    EXPECT_EQ(reopened.ReadStream(QStringLiteral("A")), QByteArray(300, 'y'));
    EXPECT_EQ(reopened.ReadStream(QStringLiteral("C")), QByteArray(100, 'C'));
    EXPECT_EQ(reopened.ReadStream(QStringLiteral("D")), QByteArray(50, 'd'));
}

TEST_F(StorageLayout, GrowingIndexMovesTheFirstBlocksAway)
{
    const QString path = Path("live.tp");
    {
        TdtpStorage storage;
        storage.OpenLive(path);
        for (int i = 0; i < 40; ++i)
            storage.WriteStream(QStringLiteral("Stream with a long name number %1").arg(i),
                                QByteArray(30 + i, static_cast<char>('0' + i % 10)));
    }
    const QByteArray bytes = FileBytes(path);
    const auto index = IndexOf(bytes);
    ASSERT_EQ(index.size(), 40u);
    qint64 indexEnd = 14 + 4;
    for (const EntryAt& entry : index)
        indexEnd += 20 + entry.name.size();
    for (const EntryAt& entry : index)
        EXPECT_GE(entry.offset, indexEnd) << entry.name.toStdString();

    TdtpStorage storage;
    storage.OpenLive(path);
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(storage.ReadStream(QStringLiteral("Stream with a long name number %1").arg(i)),
                  QByteArray(30 + i, static_cast<char>('0' + i % 10)));
}

TEST_F(StorageLayout, PackedFileOpensLiveAndStaysReadable)
{
    const QString path = Path("packed.tp");
    TdtpStorage memory;
    memory.WriteStream(QStringLiteral("Index.xml"), "<Document/>");
    memory.WriteStream(QStringLiteral("Page0001.xml"), "<Page/>");
    memory.SaveToFile(path);
    EXPECT_EQ(Int64At(FileBytes(path), 6), 69);

    TdtpStorage live;
    live.OpenLive(path);
    live.WriteStream(QStringLiteral("Page0002.xml with a name long enough to move blocks"), "<P2/>");
    live.WriteStream(QStringLiteral("Index.xml"), "<Document>grown</Document>");
    live.SaveToFile(path);   // the live file itself: nothing to do

    TdtpStorage reader;
    reader.OpenFile(path);
    EXPECT_EQ(reader.ReadStream(QStringLiteral("Index.xml")), "<Document>grown</Document>");
    EXPECT_EQ(reader.ReadStream(QStringLiteral("Page0001.xml")), "<Page/>");
    EXPECT_EQ(reader.StreamNames().size(), 3);
}

TEST_F(StorageLayout, SavingOverTheReadOnlySourceKeepsEveryStream)
{
    const QString path = Path("doc.tp");
    TdtpStorage writer;
    writer.WriteStream(QStringLiteral("Index.xml"), "<Document/>");
    writer.WriteStream(QStringLiteral("Page0001.xml"), QByteArray(5000, 'p'));
    writer.SaveToFile(path);

    TdtpStorage storage;
    storage.OpenFile(path);
    EXPECT_TRUE(storage.IsSameFile(path));
    storage.WriteStream(QStringLiteral("Page0002.xml"), "<Page/>");
    storage.SaveToFile(path);
    EXPECT_FALSE(storage.IsSameFile(path));   // no longer reads from the file

    TdtpStorage reader;
    reader.OpenFile(path);
    EXPECT_EQ(reader.ReadStream(QStringLiteral("Page0001.xml")), QByteArray(5000, 'p'));
    EXPECT_EQ(reader.ReadStream(QStringLiteral("Page0002.xml")), "<Page/>");
    EXPECT_EQ(storage.ReadStream(QStringLiteral("Page0001.xml")), QByteArray(5000, 'p'));
    EXPECT_EQ(Int64At(FileBytes(path), 6), 69);
}

TEST_F(StorageLayout, OpeningErrors)
{
    TdtpStorage storage;
    const QString missing = Path("missing.tp");
    try {
        storage.OpenFile(missing);
        FAIL() << "a missing file was opened";
    } catch (const StorageError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), QStringLiteral("Cannot find file \"%1\"").arg(missing));
    }

    const QString damaged = Path("damaged.tp");
    WriteFileBytes(damaged, "not an archive at all");
    storage.WriteStream(QStringLiteral("kept?"), "x");
    EXPECT_THROW(storage.OpenLive(damaged), StorageError);
    EXPECT_FALSE(storage.IsLive());
    EXPECT_TRUE(storage.StreamNames().isEmpty());
    EXPECT_EQ(FileBytes(damaged), "not an archive at all");
    storage.WriteStream(QStringLiteral("after"), "still usable");
    EXPECT_EQ(storage.ReadStream(QStringLiteral("after")), "still usable");
}
