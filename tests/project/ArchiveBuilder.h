// Builds archive bytes by hand, so tests can write what our own writer never produces:
// foreign paths, stored blocks, special names, volumes and damage.
#pragma once

#include <unistd.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tessaly::project::testing {

inline constexpr std::uint32_t SomeDosDate = 0x5A8B6000;   // 2025-04-11 12:00:00

class ArchiveBuilder {
public:
    ArchiveBuilder& Int(std::int32_t value)
    {
        const auto u = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
        return *this;
    }
    ArchiveBuilder& Raw(const std::string& text)
    {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return *this;
    }
    ArchiveBuilder& Header(std::int32_t total = 0, const std::string& title = "")
    {
        return Int(static_cast<std::int32_t>(title.size())).Raw(title).Int(total).Int(0);
    }
    ArchiveBuilder& Name(const std::string& name) { return Int(static_cast<std::int32_t>(name.size())).Raw(name); }
    ArchiveBuilder& Marker() { return Raw(std::string("EC2\0", 4)); }
    ArchiveBuilder& EntryStart(const std::string& name, std::uint32_t date = SomeDosDate)
    {
        return Name(name).Int(static_cast<std::int32_t>(date)).Marker();
    }
    ArchiveBuilder& Compressed(const std::string& data)
    {
        const std::string z = Deflate(data);
        return Int(static_cast<std::int32_t>(z.size())).Raw(z);
    }
    ArchiveBuilder& Stored(const std::string& data) { return Int(-static_cast<std::int32_t>(data.size())).Raw(data); }
    ArchiveBuilder& EndOfData() { return Int(0); }
    // A whole entry in compressed blocks of at most 16384 bytes.
    ArchiveBuilder& Entry(const std::string& name, const std::string& data)
    {
        EntryStart(name);
        for (std::size_t at = 0; at < data.size(); at += 16384)
            Compressed(data.substr(at, 16384));
        return EndOfData();
    }
    ArchiveBuilder& End() { return Int(0); }

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    void WriteTo(const std::filesystem::path& path) const
    {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes_.data()),
                                                    static_cast<std::streamsize>(bytes_.size()));
    }

    static std::string Deflate(const std::string& data)
    {
        uLongf size = compressBound(static_cast<uLong>(data.size()));
        std::string out(size, '\0');
        compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
                  static_cast<uLong>(data.size()), 1);
        out.resize(size);
        return out;
    }

private:
    std::vector<std::uint8_t> bytes_;
};

// A fresh folder under the system temporary folder, removed again by the destructor.
class TempFolder {
public:
    TempFolder()
    {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("tessaly-test-project-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::filesystem::path& path, const std::string& data)
{
    std::ofstream(path, std::ios::binary).write(data.data(), static_cast<std::streamsize>(data.size()));
}

// Bytes that do not compress.
inline std::string NoiseBytes(std::size_t n, std::uint32_t seed = 1)
{
    std::string out(n, '\0');
    for (auto& c : out) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return out;
}

} // namespace tessaly::project::testing
