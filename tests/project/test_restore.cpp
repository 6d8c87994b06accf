// Restore of hand-built archives: foreign paths, special names, modes, volumes.
#include "ArchiveBuilder.h"

#include "project/BackupFile.h"
#include "project/DosDateTime.h"

#include <gtest/gtest.h>

using namespace tessaly::project;
using namespace tessaly::project::testing;

namespace {

const std::string Stream(TBackupFile::StreamPath);

// Restores `bytes` from the in-memory stream into `dest`, collecting reported errors.
struct Restored {
    bool ok = false;
    std::vector<int> errors;
};

Restored RestoreBytes(const ArchiveBuilder& builder, const std::filesystem::path& dest,
                      TRestoreMode mode = TRestoreMode::rmAll, bool fullPath = false)
{
    TBackupFile archive;
    archive.RestoreMode = mode;
    archive.RestoreFullPath = fullPath;
    Restored result;
    archive.OnError = [&](int code, const std::string&) { result.errors.push_back(code); };
    archive.Stream() = builder.Bytes();
    result.ok = archive.Restore(Stream, dest);
    return result;
}

} // namespace

TEST(Restore, ForeignFullPathsGoToTheDestinationByFileName)
{
    TempFolder folder;
    ArchiveBuilder a;
    a.Header().Entry("C:\\Users\\someone\\Tessaly\\tempsv\\sv1.tp", "doc").Entry("/home/x/sv2.tp", "layout").End();
    const auto r = RestoreBytes(a, folder / "tempsv");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(ReadFile(folder / "tempsv" / "sv1.tp"), "doc");
    EXPECT_EQ(ReadFile(folder / "tempsv" / "sv2.tp"), "layout");
}

TEST(Restore, NoNameCanWriteOutsideTheDestination)
{
    struct Case {
        const char* name;
        bool fullPath;
        const char* written;   // relative to the destination, or nullptr when refused
    };
    const Case cases[] = {
        {"..\\..\\evil.txt", false, "evil.txt"},
        {"../../evil.txt", false, "evil.txt"},
        {"/etc/evil.txt", false, "evil.txt"},
        {"..", false, nullptr},
        {"C:\\dir\\..", false, nullptr},
        {"C:\\dir\\.", false, nullptr},
        {"C:\\dir\\", false, nullptr},
        {"C:\\a\\b.txt", true, "a/b.txt"},
        {"C:\\a\\.\\b.txt", true, "a/b.txt"},
        {"C:\\..\\..\\evil.txt", true, nullptr},
        {"C:\\a\\..\\..\\evil.txt", true, nullptr},
        {"C:\\", true, nullptr},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const auto dest = folder / "x" / "y";
        std::filesystem::create_directories(dest);
        ArchiveBuilder a;
        a.Header().Entry(c.name, "data").End();
        const auto r = RestoreBytes(a, dest, TRestoreMode::rmAll, c.fullPath);
        EXPECT_EQ(r.ok, c.written != nullptr) << c.name;
        if (c.written)
            EXPECT_EQ(ReadFile(dest / c.written), "data") << c.name;
        else
            EXPECT_EQ(r.errors, std::vector<int>{CannotReadFile}) << c.name;
        // Nothing beside the destination's folders.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << c.name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "x"), {}), 1) << c.name;
    }
}

TEST(Restore, NameWithANulByteIsRefused)
{
    TempFolder folder;
    ArchiveBuilder a;
    a.Header().Entry(std::string("sv1\0.tp", 7), "data").End();
    EXPECT_EQ(RestoreBytes(a, folder.Path()).errors, std::vector<int>{CannotReadFile});
    EXPECT_FALSE(std::filesystem::exists(folder / "sv1"));
}

TEST(Restore, SpecialNamesAndSkippedNameLengths)
{
    TempFolder folder;
    ArchiveBuilder a;
    a.Header(0, "a title")
        .Int(-1)
        .Int(-7)
        .EntryStart("FILE:LIST")
        .Stored("ids")
        .EndOfData()
        .Entry("kept.txt", "")   // a file of 0 bytes: marker and the 0 block only
        .Entry("after.txt", "after")
        .End();
    EXPECT_TRUE(RestoreBytes(a, folder.Path()).ok);
    EXPECT_FALSE(std::filesystem::exists(folder / "FILE:LIST"));
    EXPECT_TRUE(std::filesystem::exists(folder / "kept.txt"));
    EXPECT_EQ(std::filesystem::file_size(folder / "kept.txt"), 0u);
    EXPECT_EQ(ReadFile(folder / "after.txt"), "after");
}

TEST(Restore, StoredAndCompressedBlocksConcatenate)
{
    TempFolder folder;
    ArchiveBuilder a;
    a.Header().EntryStart("mixed.bin").Compressed("abc").Stored("DEF").Compressed("ghi").EndOfData().End();
    EXPECT_TRUE(RestoreBytes(a, folder.Path()).ok);
    EXPECT_EQ(ReadFile(folder / "mixed.bin"), "abcDEFghi");
}

TEST(Restore, ABlockDecompressesToAtMost16384Bytes)
{
    TempFolder folder;
    const std::string big(20000, 'q');
    ArchiveBuilder a;
    a.Header().EntryStart("cut.bin").Compressed(big).Compressed("tail").EndOfData().End();
    EXPECT_TRUE(RestoreBytes(a, folder.Path()).ok);
    EXPECT_EQ(ReadFile(folder / "cut.bin"), std::string(16384, 'q') + "tail");
}

TEST(Restore, ModesDecideWhichFilesAreWritten)
{
    const std::uint32_t older = 0x4A8B6000;   // 2017
    const std::uint32_t newer = 0x6A8B6000;   // 2033
    struct Case {
        TRestoreMode mode;
        bool existsBefore;
        std::uint32_t existingDate;
        bool written;
    };
    const Case cases[] = {
        {TRestoreMode::rmAll, true, newer, true},
        {TRestoreMode::rmNoOverwrite, true, older, false},
        {TRestoreMode::rmNoOverwrite, false, 0, true},
        {TRestoreMode::rmNewer, true, older, true},
        {TRestoreMode::rmNewer, true, newer, false},
        {TRestoreMode::rmNewer, false, 0, true},
        {TRestoreMode::rmExisting, true, newer, true},
        {TRestoreMode::rmExisting, false, 0, false},
        {TRestoreMode::rmExistingNewer, true, older, true},
        {TRestoreMode::rmExistingNewer, true, newer, false},
        {TRestoreMode::rmExistingNewer, false, 0, false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (c.existsBefore) {
            WriteFile(folder / "f.txt", "old");
            SetFileDosDateTime(folder / "f.txt", c.existingDate);
        }
        ArchiveBuilder a;
        a.Header().Entry("C:\\f.txt", "new").Entry("g.txt", "g").End();
        EXPECT_TRUE(RestoreBytes(a, folder.Path(), c.mode).ok);
        const bool written = ReadFile(folder / "f.txt") == "new";
        EXPECT_EQ(written, c.written) << static_cast<int>(c.mode) << " " << c.existsBefore;
    }
}

TEST(Restore, ArchiveContinuesInTheNextVolume)
{
    TempFolder folder;
    ArchiveBuilder first;
    first.Header(9).EntryStart("C:\\a.txt").Compressed("abc").EndOfData().Name("NEXT:DISK002");
    ArchiveBuilder second;
    second.Marker().Stored("def").EndOfData().Entry("b.txt", "ghi").End();
    first.WriteTo(folder / "set.tly");

    TBackupFile archive;
    std::vector<int> asked;
    archive.OnNeedDisk = [&](int disk) {
        asked.push_back(disk);
        if (asked.size() == 2)   // the user inserts the disk after the second prompt
            second.WriteTo(folder / "set.002");
        return true;
    };
    EXPECT_TRUE(archive.Restore(folder / "set.tly", folder / "out"));
    EXPECT_EQ(asked, (std::vector<int>{2, 2}));
    EXPECT_EQ(ReadFile(folder / "out" / "a.txt"), "abcdef");
    EXPECT_EQ(ReadFile(folder / "out" / "b.txt"), "ghi");
    EXPECT_EQ(FileDosDateTime(folder / "out" / "a.txt"), SomeDosDate);

    // Cancel ends reading; so does an in-memory archive, which has no further volumes.
    TBackupFile cancelled;
    cancelled.OnNeedDisk = [](int) { return false; };
    EXPECT_FALSE(cancelled.Restore(folder / "set.tly", folder / "cancelled"));
    EXPECT_EQ(ReadFile(folder / "cancelled" / "a.txt"), "abc");
    cancelled.Stream() = first.Bytes();
    EXPECT_FALSE(cancelled.Restore(Stream, folder / "memory"));
    EXPECT_EQ(cancelled.LastError(), NoBackupError);
    EXPECT_EQ(NeedDiskText(2), "Please insert disk 2 and click OK to continue.");
}

TEST(Restore, ProgressWithoutATotalDoesNotDivideByZero)
{
    TempFolder folder;
    ArchiveBuilder a;
    a.Header(0).Entry("p.txt", "progress").End();
    TBackupFile archive;
    std::vector<int> reported;
    archive.OnProgress = [&](int percent) { reported.push_back(percent); };
    archive.Stream() = a.Bytes();
    EXPECT_TRUE(archive.Restore(Stream, folder.Path()));
    EXPECT_EQ(reported, std::vector<int>{100});

    ArchiveBuilder halves;
    halves.Header(8).EntryStart("h.txt").Stored("1234").Stored("5678").EndOfData().End();
    reported.clear();
    archive.Stream() = halves.Bytes();
    EXPECT_TRUE(archive.Restore(Stream, folder.Path()));
    EXPECT_EQ(reported, (std::vector<int>{50, 100}));
}
