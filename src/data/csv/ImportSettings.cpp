#include "data/csv/ImportSettings.h"

#include "data/util/AtomicFile.h"
#include "data/util/Text.h"
#include "lang/CodePage.h"

#include <cstdio>
#include <fstream>
#include <sys/stat.h>

namespace tessaly::data {
namespace {

constexpr std::size_t kColumnsAt = 4;
constexpr std::size_t kQuantityAt = 64;
constexpr std::size_t kSeparatorAt = 124;
constexpr std::size_t kHeaderLinesAt = 128;
constexpr std::size_t kPathAt = 132;

using Record = std::array<std::uint8_t, kImportRecordSize>;

std::int32_t GetInt(const Record& r, std::size_t at)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(r[at]) | (static_cast<std::uint32_t>(r[at + 1]) << 8)
        | (static_cast<std::uint32_t>(r[at + 2]) << 16) | (static_cast<std::uint32_t>(r[at + 3]) << 24));
}

void PutInt(Record& r, std::size_t at, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        r[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::string FilePath(const std::string& folder) { return WithSeparator(folder) + kImportSettingsFile; }

} // namespace

char ImportSettings::separator() const
{
    switch (separatorIndex) {
    case 1:
        return ';';
    case 2:
        return '|';
    default:
        return ',';
    }
}

int ImportSettings::headerLineCount() const { return headerLines >= 0 && headerLines <= 6 ? headerLines : 0; }

int ImportSettings::columnOfField(int n) const
{
    if (n < 1 || n > 15)
        return 0;
    const std::int32_t index = fieldColumn[static_cast<std::size_t>(n - 1)];
    return index >= 0 && index < kNoColumn ? index + 1 : 0;
}

std::array<std::uint8_t, kImportRecordSize> EncodeImportSettings(const ImportSettings& s)
{
    Record r = s.record;
    r[0] = s.valid ? 1 : 0;
    for (std::size_t n = 0; n < 15; ++n)
        PutInt(r, kColumnsAt + 4 * n, s.fieldColumn[n]);
    PutInt(r, kQuantityAt, s.quantitySource);
    PutInt(r, kSeparatorAt, s.separatorIndex);
    PutInt(r, kHeaderLinesAt, s.headerLines);
    std::string path = lang::Utf8ToWindows1252(s.path);
    if (path.size() > kImportPathMax)
        path.resize(kImportPathMax);
    r[kPathAt] = static_cast<std::uint8_t>(path.size());
    for (std::size_t i = 0; i < path.size(); ++i)
        r[kPathAt + 1 + i] = static_cast<std::uint8_t>(path[i]);
    return r;
}

ImportSettings DecodeImportSettings(const std::array<std::uint8_t, kImportRecordSize>& r)
{
    ImportSettings s;
    s.record = r;
    s.valid = r[0] == 1;
    if (!s.valid)
        return s;
    for (std::size_t n = 0; n < 15; ++n)
        s.fieldColumn[n] = GetInt(r, kColumnsAt + 4 * n);
    s.quantitySource = GetInt(r, kQuantityAt);
    s.separatorIndex = GetInt(r, kSeparatorAt);
    s.headerLines = GetInt(r, kHeaderLinesAt);
    const std::size_t length = std::min<std::size_t>(r[kPathAt], kImportPathMax);
    s.path = lang::Windows1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(r.data()) + kPathAt + 1, length));
    return s;
}

ImportSettings ReadImportSettings(const std::string& programFolder)
{
    const std::string path = FilePath(programFolder);
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    Record record{};
    std::ifstream in(path, std::ios::binary);
    if (S_ISREG(st.st_mode) && in.read(reinterpret_cast<char*>(record.data()), record.size()))
        return DecodeImportSettings(record);
    in.close();
    std::remove(path.c_str()); // an unreadable settings file is dropped
    return {};
}

bool WriteImportSettings(const std::string& programFolder, const ImportSettings& settings)
{
    const std::string path = FilePath(programFolder);
    struct stat st{};
    if (::stat(path.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0)
        return false; // read-only: kept as it is
    const Record record = EncodeImportSettings(settings);
    return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(record.data()), record.size()));
}

} // namespace tessaly::data
