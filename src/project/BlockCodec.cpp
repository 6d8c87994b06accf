// zlib calls for the archive's blocks.
#include "project/BlockCodec.h"

#include <zlib.h>

#include <algorithm>
#include <array>

namespace tessaly::project {
namespace {

constexpr std::size_t InputPiece = 65536;

class Inflater {
public:
    Inflater() { ok_ = inflateInit(&stream_) == Z_OK; }
    ~Inflater() { inflateEnd(&stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;
    bool Ok() const { return ok_; }
    z_stream& Stream() { return stream_; }

private:
    z_stream stream_{};
    bool ok_ = false;
};

} // namespace

BlockStatus InflateBlock(ArchiveInput& in, std::uint64_t length, std::vector<std::uint8_t>& out)
{
    if (length > in.Remaining())
        return BlockStatus::Truncated;
    out.assign(MaxBlockSize, 0);
    Inflater inflater;
    if (!inflater.Ok())
        return BlockStatus::ZlibError;
    z_stream& z = inflater.Stream();
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());

    std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min<std::uint64_t>(length, InputPiece)));
    std::uint64_t left = length;
    bool finished = false;
    while (!finished && left > 0) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
        if (!in.Read(piece.data(), n))
            return BlockStatus::Truncated;
        left -= n;
        z.next_in = piece.data();
        z.avail_in = static_cast<uInt>(n);
        const int result = inflate(&z, Z_NO_FLUSH);
        if (result == Z_STREAM_END || z.avail_out == 0)
            finished = true;                       // whole stream, or the buffer is full
        else if (result != Z_OK && result != Z_BUF_ERROR)
            return BlockStatus::ZlibError;
    }
    if (!finished)
        return BlockStatus::ZlibError;             // the stream stops short of its end
    if (!in.Skip(left))                            // bytes after the stream's end are ignored
        return BlockStatus::Truncated;
    out.resize(MaxBlockSize - z.avail_out);
    return BlockStatus::Ok;
}

std::optional<EncodedBlock> EncodeBlock(std::span<const std::uint8_t> raw, std::optional<int> level)
{
    EncodedBlock block;
    if (level) {
        uLongf size = compressBound(static_cast<uLong>(raw.size()));
        block.bytes.resize(size);
        if (compress2(block.bytes.data(), &size, raw.data(), static_cast<uLong>(raw.size()), *level) != Z_OK)
            return std::nullopt;
        block.bytes.resize(size);
        if (size < raw.size())
            return block;
    }
    block.bytes.assign(raw.begin(), raw.end());
    block.stored = true;
    return block;
}

} // namespace tessaly::project
