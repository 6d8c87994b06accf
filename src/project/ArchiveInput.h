// Reading one volume of an archive: a file or bytes in memory, with the bytes left known,
// so that no length read from the archive is trusted beyond what is really there.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <optional>
#include <span>

namespace tessaly::project {

class ArchiveInput {
public:
    // No value when the file cannot be opened for reading.
    static std::unique_ptr<ArchiveInput> OpenFile(const std::filesystem::path& path);
    static std::unique_ptr<ArchiveInput> FromBytes(std::span<const std::uint8_t> bytes);

    std::uint64_t Remaining() const { return size_ - position_; }

    // All or nothing: false (and nothing consumed) when fewer than n bytes remain.
    bool Read(void* destination, std::size_t n);
    bool Skip(std::uint64_t n);
    std::optional<std::int32_t> ReadInt32();

private:
    ArchiveInput(std::unique_ptr<std::istream> stream, std::uint64_t size);

    std::unique_ptr<std::istream> stream_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
};

} // namespace tessaly::project
