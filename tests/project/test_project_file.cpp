// The layout record "sv2.tp" and saving/opening a project through the scratch folder.
#include "ArchiveBuilder.h"

#include "project/ProjectFile.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tessaly::project;
using namespace tessaly::project::testing;
using tessaly::sheet::Unit;

TEST(LayoutRecord, ByteLayout)
{
    LayoutRecord r;
    r.sizeListIndex = 20;
    r.pageWidth = 210;
    r.pageHeight = 297;
    r.labelWidth = 63.5f;
    r.labelHeight = 72;
    r.outerMarginX = 7;
    r.outerMarginY = 4.5f;
    r.gapX = 0.21f;
    r.gapY = 0.47f;
    r.unit = 2;
    r.verticalOrientation = 1;
    r.fineBarcodeQuality = 1;
    const auto bytes = EncodeLayoutRecord(r);
    ASSERT_EQ(bytes.size(), 100u);
    const auto intAt = [&](std::size_t at) {
        return static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | bytes[at + 3] << 24);
    };
    const auto floatAt = [&](std::size_t at) {
        const std::int32_t bits = intAt(at);
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    };
    EXPECT_EQ(intAt(0), 20);
    EXPECT_EQ(floatAt(4), 210.0f);
    EXPECT_EQ(floatAt(8), 297.0f);
    EXPECT_EQ(floatAt(12), 63.5f);
    EXPECT_EQ(floatAt(16), 72.0f);
    EXPECT_EQ(floatAt(20), 7.0f);
    EXPECT_EQ(floatAt(24), 4.5f);
    EXPECT_EQ(floatAt(28), 0.21f);
    EXPECT_EQ(floatAt(32), 0.47f);
    EXPECT_EQ(intAt(36), 2);
    EXPECT_EQ(intAt(40), 1);
    EXPECT_EQ(intAt(44), 1);
    for (std::size_t i = 48; i < 100; ++i)
        EXPECT_EQ(bytes[i], 0) << i;
    // 63.5f little-endian: 00 00 7E 42.
    EXPECT_EQ(bytes[12], 0x00);
    EXPECT_EQ(bytes[14], 0x7E);
    EXPECT_EQ(bytes[15], 0x42);

    const auto back = DecodeLayoutRecord(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(EncodeLayoutRecord(*back), bytes);
    EXPECT_FALSE(DecodeLayoutRecord(std::span(bytes.data(), 99)));
}

TEST(LayoutRecord, FileRoundTripAndShortFile)
{
    TempFolder folder;
    LayoutRecord r;
    r.sizeListIndex = 7;
    r.gapY = 3;
    ASSERT_TRUE(WriteLayoutRecord(folder / "sv2.tp", r));
    EXPECT_EQ(std::filesystem::file_size(folder / "sv2.tp"), 100u);
    const auto back = ReadLayoutRecord(folder / "sv2.tp");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->sizeListIndex, 7);
    EXPECT_EQ(back->gapY, 3.0f);

    WriteFile(folder / "short.tp", std::string(99, '\0'));
    EXPECT_FALSE(ReadLayoutRecord(folder / "short.tp"));
    EXPECT_FALSE(ReadLayoutRecord(folder / "missing.tp"));
}

TEST(LayoutRecord, UnitAndOrientationMapping)
{
    LayoutRecord r;
    struct Case {
        std::int32_t stored;
        Unit shown;
    };
    for (const auto& c : {Case{-3, Unit::Millimetre}, Case{0, Unit::Millimetre}, Case{1, Unit::Millimetre},
                          Case{2, Unit::Inch}, Case{3, Unit::Inch}}) {
        r.unit = c.stored;
        EXPECT_EQ(ToSheetLayout(r, Unit::Inch).unit, c.shown) << c.stored;   // 3: the current unit stays
    }
    r.unit = 3;
    EXPECT_EQ(ToSheetLayout(r, Unit::Millimetre).unit, Unit::Millimetre);
    r.verticalOrientation = 2;
    EXPECT_FALSE(ToSheetLayout(r, Unit::Millimetre).verticalOrientation);
    r.verticalOrientation = 1;
    EXPECT_TRUE(ToSheetLayout(r, Unit::Millimetre).verticalOrientation);
}

TEST(ProjectFile, InchesAreStoredAndRestoredUnconverted)
{
    TempFolder program;
    const auto layout = tessaly::sheet::ReadSheetLayout(
        {"2.50", "2.83", "8.27", "11.69", "0.28", "0.18", "0.00", "0.00"}, true, Unit::Inch, '.');
    const auto record = MakeLayoutRecord(layout, 20, true);
    EXPECT_EQ(record.unit, 2);
    const auto target = program / "doc" / "label.tly";
    std::filesystem::create_directories(target.parent_path());
    ASSERT_TRUE(SaveProject(
        program.Path(), target, [](const std::filesystem::path& doc) { WriteFile(doc, "<Document/>"); }, record,
        *std::make_unique<TBackupFile>()));

    TempFolder other;   // opened by another installation
    TBackupFile archive;
    const auto files = RestoreProject(target, other.Path(), archive);
    ASSERT_TRUE(files);
    EXPECT_EQ(ReadFile(files->document), "<Document/>");
    const auto back = ReadLayoutRecord(files->layout);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->sizeListIndex, 20);
    EXPECT_EQ(back->fineBarcodeQuality, 1);
    const auto shown = ToSheetLayout(*back, Unit::Millimetre);
    EXPECT_EQ(shown.unit, Unit::Inch);
    EXPECT_TRUE(shown.verticalOrientation);
    const tessaly::sheet::LengthTexts expected{"2.50", "2.83", "8.27", "11.69", "0.28", "0.18", "0.00", "0.00"};
    EXPECT_EQ(tessaly::sheet::FormatSheetLayout(shown, '.'), expected);
}

TEST(ProjectFile, OpeningClearsTheScratchFilesFirst)
{
    TempFolder program;
    const auto target = program / "only-doc.tly";
    {
        ArchiveBuilder a;
        a.Header().Entry("C:\\x\\tempsv\\sv1.tp", "document only").End();
        a.WriteTo(target);
    }
    // A layout left from an earlier project must not be taken for this one.
    std::filesystem::create_directories(program / "tempsv");
    WriteFile(program / "tempsv" / "sv2.tp", std::string(100, '\0'));
    TBackupFile archive;
    for (int round = 0; round < 2; ++round) {
        const auto files = RestoreProject(target, program.Path(), archive);
        ASSERT_TRUE(files);
        EXPECT_EQ(ReadFile(files->document), "document only");
        EXPECT_FALSE(std::filesystem::exists(files->layout));
        EXPECT_FALSE(ReadLayoutRecord(files->layout));
    }
}

TEST(ProjectFile, OpeningWhatCannotBeOpened)
{
    TempFolder program;
    TBackupFile archive;
    EXPECT_FALSE(RestoreProject(program / "missing.tly", program.Path(), archive));
    WriteFile(program / "junk.tly", "not");   // header cannot be read: swallowed
    EXPECT_FALSE(RestoreProject(program / "junk.tly", program.Path(), archive));
    EXPECT_EQ(archive.LastError(), CannotReadArchive);
}

TEST(ProjectFile, AFailedSaveKeepsThePreviousProject)
{
    TempFolder program;
    const auto target = program / "label.tly";
    WriteFile(target, "previous");
    TBackupFile archive;
    int reported = 0;
    archive.OnError = [&](int, const std::string&) { ++reported; };
    // The document writer leaves no "sv1.tp": the backup cannot read it.
    EXPECT_FALSE(SaveProject(program.Path(), target, [](const std::filesystem::path&) {}, LayoutRecord{}, archive));
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(ReadFile(target), "previous");
}
