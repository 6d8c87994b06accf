#include "data/dbf/DbfHeader.h"

#include "data/dbf/DbfError.h"

#include <ctime>

namespace tessaly::data {
namespace {

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
        | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
void PutLe16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void PutLe32(std::uint8_t* p, std::uint32_t v)
{
    PutLe16(p, v);
    PutLe16(p + 2, v >> 16);
}

thread_local std::string_view tFileName; // the file whose header is being parsed, for messages

[[noreturn]] void Damaged(const std::string& why)
{
    throw DbfError("The table file \"" + std::string(tFileName) + "\" is damaged: " + why);
}

DbfField ParseDescriptor(const std::uint8_t* d)
{
    DbfField field;
    for (int i = 0; i < 11 && d[i] != 0; ++i)
        field.name.push_back(static_cast<char>(d[i]));
    field.type = static_cast<char>(d[11]);
    field.width = d[16];
    field.decimals = d[17];
    if (field.type == 'C') { // the high byte of a wide text field
        field.width |= field.decimals << 8;
        field.decimals = 0;
    }
    try {
        CheckFieldDescriptor(field);
    } catch (const DbfError& e) {
        Damaged(e.what());
    }
    return field;
}

} // namespace

DbfHeader ParseDbfHeader(std::span<const std::uint8_t> bytes, std::uint64_t fileSize, std::string_view fileName)
{
    tFileName = fileName;
    if (fileSize < kDbfPrefixSize + 1 || bytes.size() < kDbfPrefixSize)
        Damaged("the file is too short");
    DbfHeader h;
    h.version = bytes[0];
    if ((h.version & 0x07) != 3) // dBase III and IV; the later layout (level 4) is not read
        Damaged("this is not a dBase table (or not of a version this program reads)");
    h.recordCount = Le32(&bytes[4]);
    h.headerLength = Le16(&bytes[8]);
    h.recordLength = Le16(&bytes[10]);
    if (h.headerLength < kDbfPrefixSize + 1 || h.headerLength > fileSize || h.headerLength > bytes.size())
        Damaged("the header length is wrong");

    std::size_t pos = kDbfPrefixSize;
    int recordWidth = 1;
    while (true) {
        if (pos >= h.headerLength)
            Damaged("the field list has no end mark");
        if (bytes[pos] == 0x0D)
            break;
        if (pos + 32 > h.headerLength)
            Damaged("a field descriptor is cut short");
        DbfField field = ParseDescriptor(&bytes[pos]);
        for (const DbfField& other : h.fields)
            if (SameFieldName(other.name, field.name))
                Damaged("the field " + field.name + " appears twice");
        field.offset = recordWidth;
        recordWidth += field.width;
        h.fields.push_back(std::move(field));
        pos += 32;
    }
    if (h.fields.empty())
        Damaged("the table has no field");
    if (recordWidth != h.recordLength)
        Damaged("the record length does not match the fields");
    const std::uint64_t needed = h.headerLength + std::uint64_t(h.recordCount) * h.recordLength;
    if (needed > fileSize)
        Damaged("the header counts more records than the file holds");
    return h;
}

void StampDbfHeader(std::uint8_t* prefix, std::uint32_t recordCount)
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    prefix[1] = static_cast<std::uint8_t>(tm.tm_year % 256);
    prefix[2] = static_cast<std::uint8_t>(tm.tm_mon + 1);
    prefix[3] = static_cast<std::uint8_t>(tm.tm_mday);
    PutLe32(prefix + 4, recordCount);
}

std::string BuildDbfHeader(const std::vector<FieldDescriptor>& fields)
{
    if (fields.empty())
        throw DbfError("A table needs at least one field");
    std::size_t recordLength = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        CheckFieldDescriptor(fields[i]);
        for (std::size_t j = 0; j < i; ++j)
            if (SameFieldName(fields[i].name, fields[j].name))
                throw DbfError("The field " + fields[i].name + " appears twice");
        recordLength += static_cast<std::size_t>(fields[i].width);
    }
    const std::size_t headerLength = kDbfPrefixSize + 32 * fields.size() + 1;
    if (recordLength > 0xFFFF || headerLength > 0xFFFF)
        throw DbfError("The records of this table would be too long");

    std::string header(headerLength, '\0');
    auto* p = reinterpret_cast<std::uint8_t*>(header.data());
    p[0] = 0x03;
    StampDbfHeader(p, 0);
    PutLe16(p + 8, static_cast<std::uint32_t>(headerLength));
    PutLe16(p + 10, static_cast<std::uint32_t>(recordLength));
    p[29] = 0x03; // language driver: Windows ANSI (code page 1252)
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::uint8_t* d = p + kDbfPrefixSize + 32 * i;
        const FieldDescriptor& f = fields[i];
        for (std::size_t k = 0; k < f.name.size(); ++k)
            d[k] = static_cast<std::uint8_t>(f.name[k]);
        d[11] = static_cast<std::uint8_t>(f.type);
        d[16] = static_cast<std::uint8_t>(f.width & 0xFF);
        d[17] = static_cast<std::uint8_t>(f.type == 'C' ? (f.width >> 8) : f.decimals);
    }
    p[headerLength - 1] = 0x0D;
    return header;
}

} // namespace tessaly::data
