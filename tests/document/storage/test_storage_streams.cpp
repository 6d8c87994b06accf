// Streams of the container in memory: packed bytes, names, errors, spilling to a temporary file.
#include "StorageBytes.h"
#include "document/storage/TdtpStorage.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tessaly::document;
using namespace tessaly::document::test;

namespace {

QStringList TemporarySpillFiles()
{
    return QDir(QDir::tempPath()).entryList({QStringLiteral("~TMP*")}, QDir::Files);
}

} // namespace

TEST(StorageStreams, EmptyPackedArchiveIs73Bytes)
{
    TdtpStorage storage;
    const QByteArray bytes = storage.SaveToBytes();
    ASSERT_EQ(bytes.size(), 73);
    EXPECT_EQ(bytes.left(6), QByteArray("STOR\x01\x01", 6));
    EXPECT_EQ(Int64At(bytes, 6), 69);
    EXPECT_EQ(bytes.mid(14, 2), "\r\n");
    const QByteArray banner = bytes.mid(14, 55);
    const qsizetype lineEnd = banner.indexOf("\r\n", 2);
    ASSERT_GT(lineEnd, 2);
    EXPECT_EQ(banner.mid(lineEnd + 2), QByteArray(55 - lineEnd - 2, '\0'));
    EXPECT_EQ(Int32At(bytes, 69), 0);
}

TEST(StorageStreams, PackedLayoutPutsDataBackToBackInIndexOrder)
{
    TdtpStorage storage;
    storage.WriteStream(QStringLiteral("Index.xml"), "<Document/>");
    storage.WriteStream(QStringLiteral("Page0001.xml"), "<Page/>");
    storage.WriteStream(QStringLiteral("Empty"), "");
    const QByteArray bytes = storage.SaveToBytes();

    const auto index = IndexOf(bytes);
    ASSERT_EQ(index.size(), 3u);
    const qint64 dataStart = 73 + (20 + 9) + (20 + 12) + (20 + 5);
    EXPECT_EQ(index[0].name, "Index.xml");
    EXPECT_EQ(index[0].offset, dataStart);
    EXPECT_EQ(index[1].offset, dataStart + 11);
    EXPECT_EQ(index[2].size, 0);
    EXPECT_EQ(bytes.mid(dataStart), "<Document/><Page/>");

    TdtpStorage again;
    again.LoadFromBytes(bytes);
    EXPECT_EQ(again.StreamNames(), storage.StreamNames());
    EXPECT_EQ(again.ReadStream(QStringLiteral("Page0001.xml")), "<Page/>");
    EXPECT_EQ(again.SaveToBytes(), bytes);
}

TEST(StorageStreams, NamesCompareIgnoringCase)
{
    TdtpStorage storage;
    storage.WriteStream(QStringLiteral("Page0003.xml"), "first");
    storage.WriteStream(QStringLiteral("PAGE0003.XML"), "second");
    EXPECT_EQ(storage.StreamNames(), QStringList{QStringLiteral("Page0003.xml")});
    EXPECT_EQ(storage.ReadStream(QStringLiteral("page0003.xml")), "second");
    EXPECT_TRUE(storage.Contains(QStringLiteral("pAgE0003.xMl")));
    EXPECT_TRUE(storage.DeleteStream(QStringLiteral("page0003.XML")));
    EXPECT_FALSE(storage.Contains(QStringLiteral("Page0003.xml")));
    EXPECT_FALSE(storage.DeleteStream(QStringLiteral("Page0003.xml")));
}

TEST(StorageStreams, MissingStreamErrorNamesTheStream)
{
    TdtpStorage storage;
    try {
        storage.ReadStream(QStringLiteral("Thumb0002.bmp"));
        FAIL() << "a missing stream was read";
    } catch (const StorageError& e) {
        EXPECT_STREQ(e.what(), "Stream \"Thumb0002.bmp\" not found in the storage");
    }
    EXPECT_THROW(storage.StreamSize(QStringLiteral("x")), StorageError);
}

TEST(StorageStreams, RenameReplacesAnExistingTarget)
{
    TdtpStorage storage;
    storage.WriteStream(QStringLiteral("Page0001.xml"), "one");
    storage.WriteStream(QStringLiteral("Page0002.xml"), "two");
    storage.WriteStream(QStringLiteral("Page0003.xml"), "three");
    EXPECT_TRUE(storage.RenameStream(QStringLiteral("Page0003.xml"), QStringLiteral("Page0002.xml")));
    EXPECT_EQ(storage.StreamNames(),
              (QStringList{QStringLiteral("Page0001.xml"), QStringLiteral("Page0002.xml")}));
    EXPECT_EQ(storage.ReadStream(QStringLiteral("Page0002.xml")), "three");
    EXPECT_FALSE(storage.RenameStream(QStringLiteral("Page0009.xml"), QStringLiteral("x")));
}

TEST(StorageStreams, UniqueNamesAreTmpSevenDigitsAndSuffix)
{
    TdtpStorage storage;
    const QRegularExpression pattern(QStringLiteral("^TMP[0-9]{7}\\.png$"));
    for (int i = 0; i < 50; ++i) {
        const QString name = storage.UniqueName(QStringLiteral(".png"));
        EXPECT_TRUE(pattern.match(name).hasMatch()) << name.toStdString();
        EXPECT_FALSE(storage.Contains(name));
        storage.WriteStream(name, "x");
    }
    EXPECT_EQ(storage.StreamNames().size(), 50);
}

TEST(StorageStreams, NonAsciiNamesKeepTheirBytes)
{
    QByteArray bytes = TdtpStorage().SaveToBytes();
    // A packed archive with one empty stream named "\xe9t\xe9" in an 8-bit code page.
    bytes.resize(69);
    QByteArray index(4 + 20 + 3, '\0');
    SetInt32(index, 0, 1);
    SetInt64(index, 4, 96);
    SetInt32(index, 20, 3);
    index.replace(24, 3, "\xe9t\xe9");
    bytes += index;
    TdtpStorage storage;
    storage.LoadFromBytes(bytes);
    EXPECT_EQ(storage.StreamNames(), QStringList{QString::fromLatin1("\xe9t\xe9")});
    EXPECT_EQ(IndexOf(storage.SaveToBytes())[0].name, "\xe9t\xe9");

    storage.WriteStream(QStringLiteral("C:/Images/\u00e9t\u00e9.png"), "png");
    TdtpStorage again;
    again.LoadFromBytes(storage.SaveToBytes());
    EXPECT_EQ(again.ReadStream(QStringLiteral("c:/images/\u00c9T\u00c9.PNG")), "png");
}

TEST(StorageStreams, LargeArchivesMoveToATemporaryFile)
{
    const QStringList before = TemporarySpillFiles();
    TdtpStorage storage;
    storage.WriteStream(QStringLiteral("small"), QByteArray(1000, 's'));
    EXPECT_FALSE(storage.IsSpilled());
    QByteArray big(TdtpStorage::kSpillThreshold, '\0');
    for (qsizetype i = 0; i < big.size(); i += 4096)
        big[i] = static_cast<char>(i / 4096);
    storage.WriteStream(QStringLiteral("big"), big);
    EXPECT_TRUE(storage.IsSpilled());
    EXPECT_GT(TemporarySpillFiles().size(), before.size());
    EXPECT_EQ(storage.ReadStream(QStringLiteral("big")), big);
    EXPECT_EQ(storage.ReadStream(QStringLiteral("small")), QByteArray(1000, 's'));

    TdtpStorage loaded;
    loaded.LoadFromBytes(storage.SaveToBytes());
    EXPECT_TRUE(loaded.IsSpilled());
    EXPECT_EQ(loaded.ReadStream(QStringLiteral("big")), big);

    storage.Clear();
    loaded.Clear();
    EXPECT_FALSE(storage.IsSpilled());
    EXPECT_EQ(TemporarySpillFiles(), before);
}

TEST(StorageStreams, FailedSpillClearsTheArchive)
{
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/nonexistent/tessaly-no-such-folder");
    TdtpStorage storage;
    storage.WriteStream(QStringLiteral("small"), "s");
    try {
        storage.WriteStream(QStringLiteral("big"), QByteArray(TdtpStorage::kSpillThreshold, 'b'));
        ADD_FAILURE() << "the spill file was created";
    } catch (const StorageError& e) {
        EXPECT_STREQ(e.what(), "Unable to create temporary file");
    }
    if (savedTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTmp);
    EXPECT_TRUE(storage.StreamNames().isEmpty());
    storage.WriteStream(QStringLiteral("again"), "usable");
    EXPECT_EQ(storage.ReadStream(QStringLiteral("again")), "usable");
}

TEST(StorageStreams, LoadFromDeviceReadsFromTheCurrentPosition)
{
    TdtpStorage source;
    source.WriteStream(QStringLiteral("Index.xml"), "<Document/>");
    QByteArray bytes = "prefix" + source.SaveToBytes();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(6);
    TdtpStorage storage;
    storage.LoadFromDevice(buffer);
    EXPECT_EQ(storage.ReadStream(QStringLiteral("index.xml")), "<Document/>");
}
