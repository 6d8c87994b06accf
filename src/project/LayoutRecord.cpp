// Byte layout of "sv2.tp"; floats as their IEEE bits, everything little-endian.
#include "project/LayoutRecord.h"

#include <bit>
#include <fstream>

namespace tessaly::project {
namespace {

void PutUint32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetUint32(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// The twelve fields in file order, with their byte offsets 0, 4, ..., 44.
template <typename Record, typename Int, typename Float>
void VisitFields(Record& r, Int&& onInt, Float&& onFloat)
{
    onInt(0, r.sizeListIndex);
    onFloat(4, r.pageWidth);
    onFloat(8, r.pageHeight);
    onFloat(12, r.labelWidth);
    onFloat(16, r.labelHeight);
    onFloat(20, r.outerMarginX);
    onFloat(24, r.outerMarginY);
    onFloat(28, r.gapX);
    onFloat(32, r.gapY);
    onInt(36, r.unit);
    onInt(40, r.verticalOrientation);
    onInt(44, r.fineBarcodeQuality);
}

} // namespace

std::array<std::uint8_t, LayoutRecord::Size> EncodeLayoutRecord(const LayoutRecord& record)
{
    std::array<std::uint8_t, LayoutRecord::Size> bytes{};
    VisitFields(
        record, [&](int at, std::int32_t v) { PutUint32(&bytes[at], static_cast<std::uint32_t>(v)); },
        [&](int at, float v) { PutUint32(&bytes[at], std::bit_cast<std::uint32_t>(v)); });
    return bytes;
}

std::optional<LayoutRecord> DecodeLayoutRecord(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < LayoutRecord::Size)
        return std::nullopt;
    LayoutRecord record;
    VisitFields(
        record, [&](int at, std::int32_t& v) { v = static_cast<std::int32_t>(GetUint32(&bytes[at])); },
        [&](int at, float& v) { v = std::bit_cast<float>(GetUint32(&bytes[at])); });
    return record;
}

std::optional<LayoutRecord> ReadLayoutRecord(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::array<std::uint8_t, LayoutRecord::Size> bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
    if (!in || static_cast<std::size_t>(in.gcount()) != bytes.size())
        return std::nullopt;
    return DecodeLayoutRecord(bytes);
}

bool WriteLayoutRecord(const std::filesystem::path& path, const LayoutRecord& record)
{
    const auto bytes = EncodeLayoutRecord(record);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    out.close();
    return static_cast<bool>(out);
}

LayoutRecord MakeLayoutRecord(const sheet::SheetLayout& layout, int sizeListIndex, bool fineBarcodeQuality)
{
    LayoutRecord record;
    record.sizeListIndex = sizeListIndex;
    sheet::CopySheetLengths(layout, record, [](double length) { return sheet::ToFloat32(length); });
    record.unit = layout.unit == sheet::Unit::Inch ? 2 : 1;
    record.verticalOrientation = layout.verticalOrientation ? 1 : 0;
    record.fineBarcodeQuality = fineBarcodeQuality ? 1 : 0;
    return record;
}

std::optional<sheet::Unit> RecordUnit(const LayoutRecord& record)
{
    if (record.unit < 2)
        return sheet::Unit::Millimetre;
    if (record.unit == 2)
        return sheet::Unit::Inch;
    return std::nullopt;
}

sheet::SheetLayout ToSheetLayout(const LayoutRecord& record, sheet::Unit currentUnit)
{
    sheet::SheetLayout layout;
    sheet::CopySheetLengths(record, layout);
    layout.verticalOrientation = record.verticalOrientation == 1;
    layout.unit = RecordUnit(record).value_or(currentUnit);
    return layout;
}

} // namespace tessaly::project
