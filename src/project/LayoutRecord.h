// "sv2.tp": the sheet layout of a project, one 100-byte little-endian record.
#pragma once

#include "sheet/SheetLayout.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace tessaly::project {

// Lengths are in the unit the fields were displayed in when the project was saved.
struct LayoutRecord {
    static constexpr std::size_t Size = 100;   // 48 bytes of fields, 52 reserved (zeros)

    std::int32_t sizeListIndex = 0;   // position in the sorted size list, 0 = none
    float pageWidth = 0;
    float pageHeight = 0;
    float labelWidth = 0;
    float labelHeight = 0;
    float outerMarginX = 0;
    float outerMarginY = 0;
    float gapX = 0;
    float gapY = 0;
    std::int32_t unit = 1;                 // 2 = inches; below 2 = millimetres (written 1)
    std::int32_t verticalOrientation = 0;  // 1 = vertical
    std::int32_t fineBarcodeQuality = 0;   // 1 = "Fin", 0 = "Normale"
};

std::array<std::uint8_t, LayoutRecord::Size> EncodeLayoutRecord(const LayoutRecord& record);

// No value for fewer than 100 bytes (such a record is not applied); bytes beyond are ignored.
std::optional<LayoutRecord> DecodeLayoutRecord(std::span<const std::uint8_t> bytes);

// No value when the file is missing, unreadable or shorter than 100 bytes.
std::optional<LayoutRecord> ReadLayoutRecord(const std::filesystem::path& path);

// False when the file could not be written whole.
bool WriteLayoutRecord(const std::filesystem::path& path, const LayoutRecord& record);

// The record a save writes: the lengths as displayed (rounded to 32-bit floats), unit 1 or 2.
LayoutRecord MakeLayoutRecord(const sheet::SheetLayout& layout, int sizeListIndex, bool fineBarcodeQuality);

// The unit a project selects: below 2 millimetres, 2 inches, any other value none (the
// window then keeps its unit as it was).
std::optional<sheet::Unit> RecordUnit(const LayoutRecord& record);

// The layout a project shows: the stored lengths unconverted, vertical orientation when the
// stored value is 1, the record's unit or else `currentUnit`.
sheet::SheetLayout ToSheetLayout(const LayoutRecord& record, sheet::Unit currentUnit);

} // namespace tessaly::project
