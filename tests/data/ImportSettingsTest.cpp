// "TLYIMPORT.PAR": the 336-byte record, the defaults, the read-only rule and damaged files.
#include "TempFolder.h"

#include "data/csv/ImportSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tessaly::data {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

std::string Bytes(const std::array<std::uint8_t, kImportRecordSize>& r)
{
    return std::string(reinterpret_cast<const char*>(r.data()), r.size());
}

TEST(ImportSettings, RecordLayout)
{
    ImportSettings s;
    s.valid = true;
    s.fieldColumn[0] = 4;
    s.fieldColumn[14] = -1;
    s.quantitySource = kQuantityZero;
    s.separatorIndex = 2;
    s.headerLines = 6;
    s.path = "/tmp/café.csv";
    const auto r = EncodeImportSettings(s);
    EXPECT_EQ(r[0], 1);
    EXPECT_EQ(r[4], 4);
    EXPECT_EQ(Bytes(r).substr(60, 4), std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_EQ(r[64], 17);
    EXPECT_EQ(r[124], 2);
    EXPECT_EQ(r[128], 6);
    EXPECT_EQ(r[132], 13);
    EXPECT_EQ(Bytes(r).substr(133, 13), "/tmp/caf\xE9.csv");
    EXPECT_EQ(DecodeImportSettings(r).path, s.path);
    EXPECT_EQ(DecodeImportSettings(r).fieldColumn, s.fieldColumn);
}

TEST(ImportSettings, FileRoundTripIsByteExact)
{
    TempFolder dir;
    std::string bytes(kImportRecordSize, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    bytes[0] = 1;
    bytes[132] = static_cast<char>(250); // longer than 200: read as 200
    WriteFile(dir.file(kImportSettingsFile), bytes);
    const ImportSettings s = ReadImportSettings(dir.folder());
    ASSERT_TRUE(s.valid);
    EXPECT_EQ(s.path.size() >= 200, true);
    ASSERT_TRUE(WriteImportSettings(dir.folder(), s));
    std::string expected = bytes;
    expected[132] = static_cast<char>(200);
    EXPECT_EQ(ReadFile(dir.file(kImportSettingsFile)), expected);
}

TEST(ImportSettings, MissingOrDamagedFilesGiveTheDefaults)
{
    TempFolder dir;
    const ImportSettings missing = ReadImportSettings(dir.folder());
    EXPECT_FALSE(missing.valid);
    EXPECT_EQ(missing.columnOfField(1), 1);
    EXPECT_EQ(missing.columnOfField(3), 1);
    EXPECT_EQ(missing.columnOfField(4), 2);
    EXPECT_EQ(missing.columnOfField(5), 3);
    EXPECT_EQ(missing.columnOfField(6), 0);
    EXPECT_EQ(missing.quantitySource, kNoColumn);
    EXPECT_EQ(missing.separator(), ',');

    WriteFile(dir.file(kImportSettingsFile), std::string(100, '\1'));
    EXPECT_FALSE(ReadImportSettings(dir.folder()).valid);
    EXPECT_FALSE(std::filesystem::exists(dir.file(kImportSettingsFile))) << "an unreadable file is deleted";

    std::string notValid(kImportRecordSize, '\x05');
    notValid[0] = 0;
    WriteFile(dir.file(kImportSettingsFile), notValid);
    EXPECT_EQ(ReadImportSettings(dir.folder()).columnOfField(4), 2) << "not valid: the defaults";

    ImportSettings odd;
    odd.separatorIndex = 9;
    odd.headerLines = 40;
    EXPECT_EQ(odd.separator(), ',');
    EXPECT_EQ(odd.headerLineCount(), 0);
}

TEST(ImportSettings, ReadOnlyFileIsReadAndNeverRewritten)
{
    TempFolder dir;
    ImportSettings s;
    s.valid = true;
    s.separatorIndex = 1;
    ASSERT_TRUE(WriteImportSettings(dir.folder(), s));
    const std::string path = dir.file(kImportSettingsFile);
    ::chmod(path.c_str(), 0444);
    const std::string before = ReadFile(path);

    ImportSettings read = ReadImportSettings(dir.folder());
    EXPECT_EQ(read.separator(), ';');
    read.separatorIndex = 2;
    EXPECT_FALSE(WriteImportSettings(dir.folder(), read));
    EXPECT_EQ(ReadFile(path), before);
    struct stat st{};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0444u) << "the read-only mark stays";
}

} // namespace
} // namespace tessaly::data
