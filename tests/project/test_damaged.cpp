// Damaged archives end with the component's errors: never a crash, a hang or a huge allocation.
#include "ArchiveBuilder.h"

#include "project/BackupFile.h"

#include <gtest/gtest.h>

using namespace tessaly::project;
using namespace tessaly::project::testing;

namespace {

enum class Outcome { Raised, Reported, Succeeded };

struct DamageCase {
    const char* name;
    ArchiveBuilder archive;
    Outcome outcome;
    int code;
};

ArchiveBuilder Valid()
{
    ArchiveBuilder a;
    a.Header(6).Entry("sv1.tp", "abc").Entry("sv2.tp", "def").End();
    return a;
}

ArchiveBuilder Truncated(std::size_t keep)
{
    ArchiveBuilder a;
    const ArchiveBuilder valid = Valid();
    const auto& all = valid.Bytes();
    for (std::size_t i = 0; i < keep && i < all.size(); ++i)
        a.Raw(std::string(1, static_cast<char>(all[i])));
    return a;
}

std::vector<DamageCase> Cases()
{
    std::vector<DamageCase> cases;
    const auto add = [&](const char* name, ArchiveBuilder a, Outcome outcome, int code) {
        cases.push_back({name, std::move(a), outcome, code});
    };
    add("empty file", ArchiveBuilder(), Outcome::Raised, CannotReadArchive);
    add("header cut", Truncated(6), Outcome::Raised, CannotReadArchive);
    add("negative title length", ArchiveBuilder().Int(-5).Int(0).Int(0).End(), Outcome::Raised, CannotReadArchive);
    add("title longer than the file", ArchiveBuilder().Int(0x7FFFFFFF).Int(0), Outcome::Raised, CannotReadArchive);
    add("no terminator", Truncated(Valid().Bytes().size() - 4), Outcome::Raised, CannotReadArchive);
    add("name longer than the file", ArchiveBuilder().Header().Int(0x7FFFFFF0).Raw("abc"), Outcome::Raised,
        CannotReadArchive);
    add("cut inside a name", Truncated(12 + 4 + 3), Outcome::Raised, CannotReadArchive);
    add("cut before the date", Truncated(12 + 4 + 6 + 2), Outcome::Raised, CannotReadArchive);
    add("bad marker", ArchiveBuilder().Header().Name("a").Int(0).Raw("XXXX").Stored("x").EndOfData().End(),
        Outcome::Reported, CannotReadFile);
    add("cut inside a block", Truncated(12 + 4 + 6 + 4 + 4 + 4 + 3), Outcome::Reported, CannotReadFile);
    add("block length beyond the file",
        ArchiveBuilder().Header().EntryStart("a").Int(0x7FFFFFFF).Raw("xx"), Outcome::Reported, CannotReadFile);
    add("stored block of -2^31", ArchiveBuilder().Header().EntryStart("a").Int(INT32_MIN).Raw("xx"),
        Outcome::Reported, CannotReadFile);
    add("no end of data", ArchiveBuilder().Header().EntryStart("a").Stored("x"), Outcome::Reported, CannotReadFile);
    add("corrupt zlib", ArchiveBuilder().Header().EntryStart("a").Int(6).Raw("\x78\x01garb").EndOfData().End(),
        Outcome::Reported, CompressionError);
    const std::string z = ArchiveBuilder::Deflate(std::string(1000, 'k'));
    add("zlib stream cut short",
        ArchiveBuilder().Header().EntryStart("a").Int(static_cast<int>(z.size() - 6)).Raw(z.substr(0, z.size() - 6))
            .EndOfData().End(),
        Outcome::Reported, CompressionError);
    add("bad marker of a skipped entry",
        ArchiveBuilder().Header().Name("FILE:LIST").Int(0).Raw("XXXX").EndOfData().End(), Outcome::Raised,
        InvalidArchiveType);
    add("skipped entry cut", ArchiveBuilder().Header().EntryStart("FILE:LIST").Int(-100).Raw("x"),
        Outcome::Raised, CannotReadArchive);
    add("bad volume number", ArchiveBuilder().Header().Name("NEXT:DISKxy"), Outcome::Raised, CannotReadArchive);
    add("lying header total", ArchiveBuilder().Header(-1).Entry("a", "abc").End(), Outcome::Succeeded, 0);
    return cases;
}

} // namespace

TEST(DamagedArchive, GivesTheComponentsErrors)
{
    for (auto& c : Cases()) {
        TempFolder folder;
        TBackupFile archive;
        std::vector<int> reported;
        archive.OnError = [&](int code, const std::string&) { reported.push_back(code); };
        archive.OnProgress = [](int percent) { EXPECT_TRUE(percent >= 0 && percent <= 100); };
        c.archive.WriteTo(folder / "damaged.tly");
        try {
            const bool ok = archive.Restore(folder / "damaged.tly", folder / "out");
            EXPECT_EQ(ok, c.outcome == Outcome::Succeeded) << c.name;
            EXPECT_NE(c.outcome, Outcome::Raised) << c.name;
            if (c.outcome == Outcome::Reported) {
                EXPECT_EQ(reported, std::vector<int>{c.code}) << c.name;
            }
        } catch (const BackupError& e) {
            EXPECT_EQ(c.outcome, Outcome::Raised) << c.name;
            EXPECT_EQ(e.Code(), c.code) << c.name;
            EXPECT_EQ(e.what(), BackupErrorText(c.code)) << c.name;
            EXPECT_TRUE(reported.empty()) << c.name;
        }
        EXPECT_EQ(archive.LastError(), c.code) << c.name;
    }
}

TEST(DamagedArchive, WhatWasWrittenBeforeTheFailureStays)
{
    TempFolder folder;
    ArchiveBuilder a;
    a.Header().Entry("first.txt", "complete").EntryStart("second.txt").Stored("part").Int(-50).Raw("cut");
    a.WriteTo(folder / "cut.tly");
    TBackupFile archive;
    EXPECT_FALSE(archive.Restore(folder / "cut.tly", folder / "out"));
    EXPECT_EQ(ReadFile(folder / "out" / "first.txt"), "complete");
    EXPECT_EQ(ReadFile(folder / "out" / "second.txt"), "part");
}

TEST(DamagedArchive, MissingArchiveIsFalseNotAnError)
{
    TempFolder folder;
    TBackupFile archive;
    EXPECT_FALSE(archive.Restore(folder / "none.tly", folder / "out"));
    EXPECT_EQ(archive.LastError(), NoBackupError);
}

TEST(BackupErrorText, TheComponentsTexts)
{
    const char* texts[] = {"Cannot read file",     "Overwriting file failed", "Cannot read archive",
                           "Cannot write to archive", "Invalid archive type", "Compression error",
                           "Cannot create temporary file to save the file IDs"};
    for (int code = 1; code <= 7; ++code)
        EXPECT_EQ(BackupErrorText(code), texts[code - 1]);
}
