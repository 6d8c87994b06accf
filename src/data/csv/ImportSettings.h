// The CSV import settings and their parameter file "TLYIMPORT.PAR" (one 336-byte record).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessaly::data {

inline constexpr std::size_t kImportRecordSize = 336;
inline constexpr std::size_t kImportPathMax = 200;
inline constexpr const char* kImportSettingsFile = "TLYIMPORT.PAR";

// List indexes as the import dialog's lists hold them.
inline constexpr int kNoColumn = 15;       // field lists and quantity list: "no field"
inline constexpr int kQuantityOne = 16;    // quantity list: the fixed value "1"
inline constexpr int kQuantityZero = 17;   // quantity list: the fixed value "0"

struct ImportSettings {
    bool valid = false;
    // List index of the column of field n (n = 1..15 at [n-1]): 0..14 = CSV column 1..15,
    // 15 = no column.
    std::array<std::int32_t, 15> fieldColumn{0, 0, 0, 1, 2, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15};
    // 0..14 CSV column, 15 none, 16 the value "1", 17 the value "0".
    std::int32_t quantitySource = kNoColumn;
    std::int32_t separatorIndex = 0; // 0 ",", 1 ";", 2 "|"
    std::int32_t headerLines = 0;    // 0..6
    std::string path;                // UTF-8, at most 200 characters when stored
    // The record as last read: the reserved and padding bytes are written back as they were.
    std::array<std::uint8_t, kImportRecordSize> record{};

    // The separator character; an index the list cannot take selects ",".
    char separator() const;
    // The header-line count; a count the list cannot take selects 0.
    int headerLineCount() const;
    // The CSV column (1..15) of field n (1..15); 0 when it has none.
    int columnOfField(int n) const;
};

// The record bytes: valid at 0, the fifteen columns from 4, quantity at 64, the reserved
// bytes 68..123 as last read, separator at 124, header lines at 128, the path as a length
// byte and up to 200 Windows-1252 characters at 132.
std::array<std::uint8_t, kImportRecordSize> EncodeImportSettings(const ImportSettings& settings);
// A path length byte above 200 reads as 200. Without the valid byte the defaults are kept
// (but the record's bytes are remembered).
ImportSettings DecodeImportSettings(const std::array<std::uint8_t, kImportRecordSize>& record);

// Reads "TLYIMPORT.PAR" of the program folder. A missing file gives invalid settings (the
// defaults); a file that cannot be read (shorter than one record) is deleted and gives the
// defaults. A read-only file is read like any other.
ImportSettings ReadImportSettings(const std::string& programFolder);
// Rewrites the file (temporary file and rename) unless it exists and is read-only, that is
// its owner may not write it: then nothing is written, so it keeps its settings for good.
// Returns true when the file was written; errors are not raised.
bool WriteImportSettings(const std::string& programFolder, const ImportSettings& settings);

} // namespace tessaly::data
