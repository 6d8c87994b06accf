// One data block of an archive entry: an independent zlib stream of at most 16384
// decompressed bytes, or the bytes stored as they are.
#pragma once

#include "project/ArchiveInput.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessaly::project {

inline constexpr std::size_t MaxBlockSize = 16384;

enum class BlockStatus { Ok, Truncated, ZlibError };

// Reads a compressed block of `length` bytes and decompresses it into `out` (replaced).
// A stream that would give more than 16384 bytes yields its first 16384 bytes; a stream
// that is corrupt, or ends before its end marker with room left, is a zlib error.
// Reads the input in small pieces: the length is never allocated at once.
BlockStatus InflateBlock(ArchiveInput& in, std::uint64_t length, std::vector<std::uint8_t>& out);

// zlib level for compressing, or no value to store blocks as they are.
struct EncodedBlock {
    std::vector<std::uint8_t> bytes;
    bool stored = false;
};

// Compresses `raw` (at most 16384 bytes) as its own zlib stream at `level`; stores it
// instead when no level is given or the compressed form would not be smaller.
// No value when zlib fails.
std::optional<EncodedBlock> EncodeBlock(std::span<const std::uint8_t> raw, std::optional<int> level);

} // namespace tessaly::project
