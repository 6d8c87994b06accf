// Writing an archive: header, one entry per file, terminator.
#include "project/BackupRun.h"

#include "project/BlockCodec.h"
#include "project/DosDateTime.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <limits>

namespace tessaly::project {
namespace {

constexpr char DataMarker[4] = {0x45, 0x43, 0x32, 0x00};

void WriteInt32(std::ostream& out, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    const char bytes[4] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8 & 0xFF),
                           static_cast<char>(u >> 16 & 0xFF), static_cast<char>(u >> 24 & 0xFF)};
    out.write(bytes, 4);
}

void WriteText(std::ostream& out, const std::string& text)
{
    WriteInt32(out, static_cast<std::int32_t>(text.size()));
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::optional<int> ZlibLevel(TCompressionLevel level)
{
    switch (level) {
    case TCompressionLevel::clFastest:
        return Z_BEST_SPEED;
    case TCompressionLevel::clNone:
        return std::nullopt;
    case TCompressionLevel::clDefault:
        return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax:
        return Z_BEST_COMPRESSION;
    }
    return Z_BEST_SPEED;
}

} // namespace

BackupRun::BackupRun(TBackupFile& owner, const std::vector<std::filesystem::path>& files)
    : owner_(owner), files_(files)
{
}

std::optional<int> BackupRun::WriteTo(std::ostream& out)
{
    for (const auto& file : files_) {
        std::error_code error;
        const auto size = std::filesystem::file_size(file, error);
        if (error)
            return CannotReadFile;
        total_ += static_cast<std::int64_t>(size);
    }
    if (owner_.BackupTitle.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return CannotWriteArchive;
    WriteText(out, owner_.BackupTitle);
    // The total only drives the progress of a restore; beyond 2 GiB it is capped.
    WriteInt32(out, static_cast<std::int32_t>(std::min<std::int64_t>(total_, std::numeric_limits<std::int32_t>::max())));
    WriteInt32(out, 0);   // reserved
    for (const auto& file : files_)
        if (const auto failure = WriteEntry(out, file))
            return failure;
    WriteInt32(out, 0);
    if (!out)
        return CannotWriteArchive;
    return std::nullopt;
}

std::optional<int> BackupRun::WriteEntry(std::ostream& out, const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const auto date = FileDosDateTime(file);
    if (!in || !date)
        return CannotReadFile;
    WriteText(out, std::filesystem::absolute(file).string());
    WriteInt32(out, static_cast<std::int32_t>(*date));
    out.write(DataMarker, 4);
    const auto level = ZlibLevel(owner_.CompressionLevel);
    std::vector<std::uint8_t> raw(MaxBlockSize);
    for (;;) {
        in.read(reinterpret_cast<char*>(raw.data()), static_cast<std::streamsize>(raw.size()));
        const auto n = static_cast<std::size_t>(in.gcount());
        if (n == 0)
            break;
        const auto block = EncodeBlock(std::span(raw.data(), n), level);
        if (!block)
            return CompressionError;
        const auto length = static_cast<std::int32_t>(block->bytes.size());
        WriteInt32(out, block->stored ? -length : length);
        out.write(reinterpret_cast<const char*>(block->bytes.data()), length);
        if (!out)
            return CannotWriteArchive;
        done_ += static_cast<std::int64_t>(n);
        ReportProgress();
    }
    if (in.bad())
        return CannotReadFile;
    WriteInt32(out, 0);
    return std::nullopt;
}

void BackupRun::ReportProgress()
{
    if (owner_.OnProgress)
        owner_.OnProgress(total_ > 0 ? static_cast<int>(std::clamp<std::int64_t>(done_ * 100 / total_, 0, 100)) : 100);
}

} // namespace tessaly::project
