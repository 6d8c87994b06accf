// The header of a dBase table file: parsing with every consistency check, and building a new one.
#pragma once

#include "data/dbf/DbfField.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::data {

struct DbfField : FieldDescriptor {
    int offset = 0; // position in the record, after the deletion mark
};

struct DbfHeader {
    std::uint8_t version = 0x03;
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    std::vector<DbfField> fields;
};

inline constexpr std::size_t kDbfPrefixSize = 32;
inline constexpr char kDeletedMark = '*';
inline constexpr std::uint8_t kEndOfFile = 0x1A;

// Parses the header found at the start of a file of fileSize bytes; `bytes` holds at least the
// header (or the whole file when shorter). Throws DbfError with a reason when the header is
// damaged: too short, a lying record length or count, bad field descriptors.
DbfHeader ParseDbfHeader(std::span<const std::uint8_t> bytes, std::uint64_t fileSize,
    std::string_view fileName);

// The header bytes of an empty table with these fields (dBase III/IV, no memo, no production
// index claimed, language driver Windows-1252). Throws DbfError on an invalid descriptor.
std::string BuildDbfHeader(const std::vector<FieldDescriptor>& fields);

// Writes the record count and today's date into the first 32 bytes of a header.
void StampDbfHeader(std::uint8_t* prefix, std::uint32_t recordCount);

} // namespace tessaly::data
