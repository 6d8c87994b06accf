// A fresh temporary program folder per test, removed afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tessaly::data::test {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-data-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    // The folder with a trailing separator, as the program keeps it.
    std::string folder() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace tessaly::data::test
