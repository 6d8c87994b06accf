// Backup then Restore: contents, dates, block sizes and the archive layout our writer produces.
#include "ArchiveBuilder.h"

#include "project/ArchiveInput.h"
#include "project/BackupFile.h"
#include "project/DosDateTime.h"

#include <gtest/gtest.h>

using namespace tessaly::project;
using namespace tessaly::project::testing;

namespace {

// The block lengths of the first entry of an archive written by Backup (no title).
std::vector<std::int32_t> FirstEntryBlocks(const std::vector<std::uint8_t>& archive)
{
    auto in = ArchiveInput::FromBytes(archive);
    in->Skip(12);                            // title length 0, total, reserved
    const auto nameLength = in->ReadInt32();
    in->Skip(static_cast<std::uint64_t>(*nameLength) + 8);   // name, date, marker
    std::vector<std::int32_t> blocks;
    for (auto length = in->ReadInt32(); length && *length != 0; length = in->ReadInt32()) {
        blocks.push_back(*length);
        in->Skip(static_cast<std::uint64_t>(*length < 0 ? -*length : *length));
    }
    return blocks;
}

} // namespace

TEST(BackupRoundTrip, RestoresContentsOfEverySize)
{
    struct Case {
        const char* name;
        std::string data;
        std::size_t blocks;
    };
    const Case cases[] = {
        {"empty.bin", "", 0},
        {"one.bin", "x", 1},
        {"exact.bin", std::string(16384, 'a'), 1},        // exactly one full block
        {"over.bin", std::string(16385, 'b'), 2},
        {"large.bin", NoiseBytes(100000) + std::string(70000, 'z'), 11},
    };
    TempFolder source, target;
    std::vector<std::filesystem::path> files;
    for (const auto& c : cases) {
        WriteFile(source / c.name, c.data);
        files.push_back(source / c.name);
    }
    TBackupFile archive;
    ASSERT_TRUE(archive.Backup(files, target / "all.tly"));
    const auto dest = target / "out";
    ASSERT_TRUE(archive.Restore(target / "all.tly", dest));
    for (const auto& c : cases)
        EXPECT_EQ(ReadFile(dest / c.name), c.data) << c.name;

    // Every block holds at most 16384 bytes: count them entry by entry through Stream().
    for (const auto& c : cases) {
        TBackupFile one;
        ASSERT_TRUE(one.Backup({source / c.name}, std::string(TBackupFile::StreamPath)));
        EXPECT_EQ(FirstEntryBlocks(one.Stream()).size(), c.blocks) << c.name;
    }
}

TEST(BackupRoundTrip, KeepsTheFileDateToTwoSeconds)
{
    TempFolder folder;
    WriteFile(folder / "dated.txt", "data");
    const auto date = FromDosDateTime(SomeDosDate);
    ASSERT_TRUE(date);
    std::filesystem::last_write_time(folder / "dated.txt", *date);
    TBackupFile archive;
    ASSERT_TRUE(archive.Backup({folder / "dated.txt"}, folder / "a.tly"));
    ASSERT_TRUE(archive.Restore(folder / "a.tly", folder / "out"));
    EXPECT_EQ(FileDosDateTime(folder / "out" / "dated.txt"), SomeDosDate);
}

TEST(BackupRoundTrip, StoresBlocksThatDoNotCompress)
{
    TempFolder folder;
    const std::string noise = NoiseBytes(20000);
    WriteFile(folder / "noise.bin", noise);
    WriteFile(folder / "text.txt", std::string(20000, 't'));

    TBackupFile fastest;
    ASSERT_TRUE(fastest.Backup({folder / "noise.bin"}, std::string(TBackupFile::StreamPath)));
    const auto noiseBlocks = FirstEntryBlocks(fastest.Stream());
    EXPECT_EQ(noiseBlocks, (std::vector<std::int32_t>{-16384, -3616}));

    TBackupFile none;
    none.CompressionLevel = TCompressionLevel::clNone;
    ASSERT_TRUE(none.Backup({folder / "text.txt"}, std::string(TBackupFile::StreamPath)));
    EXPECT_EQ(FirstEntryBlocks(none.Stream()), (std::vector<std::int32_t>{-16384, -3616}));
    ASSERT_TRUE(none.Restore(std::string(TBackupFile::StreamPath), folder / "out"));
    EXPECT_EQ(ReadFile(folder / "out" / "text.txt"), std::string(20000, 't'));

    ASSERT_TRUE(fastest.Restore(std::string(TBackupFile::StreamPath), folder / "out"));
    EXPECT_EQ(ReadFile(folder / "out" / "noise.bin"), noise);
}

TEST(BackupRoundTrip, HeaderHoldsTitleAndTotalAndEntriesTheFullPath)
{
    TempFolder folder;
    WriteFile(folder / "a.txt", "12345");
    WriteFile(folder / "b.txt", "678");
    TBackupFile archive;
    archive.BackupTitle = "T";
    ASSERT_TRUE(archive.Backup({folder / "a.txt", folder / "b.txt"}, std::string(TBackupFile::StreamPath)));
    auto in = ArchiveInput::FromBytes(archive.Stream());
    EXPECT_EQ(in->ReadInt32(), 1);
    in->Skip(1);
    EXPECT_EQ(in->ReadInt32(), 8);   // total of the file sizes
    EXPECT_EQ(in->ReadInt32(), 0);
    const std::string path = (folder / "a.txt").string();
    EXPECT_EQ(in->ReadInt32(), static_cast<std::int32_t>(path.size()));
    std::string name(path.size(), '\0');
    in->Read(name.data(), name.size());
    EXPECT_EQ(name, path);
}

TEST(Backup, AFailedBackupLeavesThePreviousArchive)
{
    TempFolder folder;
    WriteFile(folder / "old.tly", "previous project");
    TBackupFile archive;
    std::vector<std::string> errors;
    archive.OnError = [&](int, const std::string& text) { errors.push_back(text); };
    EXPECT_FALSE(archive.Backup({folder / "missing.tp"}, folder / "old.tly"));
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot read file"});
    EXPECT_EQ(ReadFile(folder / "old.tly"), "previous project");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);   // no temporary left

    EXPECT_FALSE(archive.Backup({}, folder / "no-such-folder" / "x.tly"));
    EXPECT_EQ(archive.LastError(), CannotWriteArchive);
}
