// Volume reader over a file stream or an in-memory copy of the bytes.
#include "project/ArchiveInput.h"

#include <fstream>
#include <sstream>
#include <string>

namespace tessaly::project {

ArchiveInput::ArchiveInput(std::unique_ptr<std::istream> stream, std::uint64_t size)
    : stream_(std::move(stream)), size_(size)
{
}

std::unique_ptr<ArchiveInput> ArchiveInput::OpenFile(const std::filesystem::path& path)
{
    auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*file)
        return nullptr;
    file->seekg(0, std::ios::end);
    const auto end = file->tellg();
    file->seekg(0, std::ios::beg);
    if (end < 0 || !*file)
        return nullptr;
    return std::unique_ptr<ArchiveInput>(new ArchiveInput(std::move(file), static_cast<std::uint64_t>(end)));
}

std::unique_ptr<ArchiveInput> ArchiveInput::FromBytes(std::span<const std::uint8_t> bytes)
{
    auto memory = std::make_unique<std::istringstream>(
        std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()), std::ios::binary);
    return std::unique_ptr<ArchiveInput>(new ArchiveInput(std::move(memory), bytes.size()));
}

bool ArchiveInput::Read(void* destination, std::size_t n)
{
    if (n > Remaining())
        return false;
    stream_->read(static_cast<char*>(destination), static_cast<std::streamsize>(n));
    if (static_cast<std::size_t>(stream_->gcount()) != n) {
        size_ = position_;   // the file shrank under us: treat the rest as gone
        return false;
    }
    position_ += n;
    return true;
}

bool ArchiveInput::Skip(std::uint64_t n)
{
    if (n > Remaining())
        return false;
    stream_->seekg(static_cast<std::streamoff>(n), std::ios::cur);
    if (!*stream_) {
        size_ = position_;
        return false;
    }
    position_ += n;
    return true;
}

std::optional<std::int32_t> ArchiveInput::ReadInt32()
{
    std::uint8_t b[4];
    if (!Read(b, sizeof b))
        return std::nullopt;
    const std::uint32_t value = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    return static_cast<std::int32_t>(value);
}

} // namespace tessaly::project
