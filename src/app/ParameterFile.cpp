#include "app/ParameterFile.h"

#include "data/util/AtomicFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tessaly::app {
namespace {

constexpr std::size_t MagicOffset = 0;
constexpr std::size_t LanguageOffset = 4;
constexpr std::size_t PrinterOffset = 8;
constexpr std::size_t ShownOffset = 140;
constexpr std::size_t WidthOffset = 156;
constexpr unsigned char Magic[4] = {0x03, 'T', 'L', 'Y'};

} // namespace

ParameterRecord::ParameterRecord() = default;

int32_t ParameterRecord::readInt(std::size_t offset) const
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | bytes_[offset + i];
    return static_cast<int32_t>(v);
}

void ParameterRecord::writeInt(std::size_t offset, int32_t value)
{
    auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes_[offset + i] = static_cast<unsigned char>(v >> (8 * i));
}

int32_t ParameterRecord::language() const { return readInt(LanguageOffset); }
void ParameterRecord::setLanguage(int32_t value) { writeInt(LanguageOffset, value); }

std::string ParameterRecord::printerName() const
{
    const int length = std::min<int>(bytes_[PrinterOffset], MaxPrinterName);
    const auto* first = reinterpret_cast<const char*>(&bytes_[PrinterOffset + 1]);
    return std::string(first, first + length);
}

void ParameterRecord::setPrinterName(const std::string& name)
{
    const auto length = std::min<std::size_t>(name.size(), MaxPrinterName);
    bytes_[PrinterOffset] = static_cast<unsigned char>(length);
    std::copy_n(name.begin(), length, bytes_.begin() + PrinterOffset + 1);
}

bool ParameterRecord::columnShown(int n) const { return bytes_[ShownOffset + n - 1] != 0; }
void ParameterRecord::setColumnShown(int n, bool shown) { bytes_[ShownOffset + n - 1] = shown ? 1 : 0; }
int32_t ParameterRecord::columnWidth(int n) const { return readInt(WidthOffset + 4 * (n - 1)); }
void ParameterRecord::setColumnWidth(int n, int32_t width) { writeInt(WidthOffset + 4 * (n - 1), width); }

void ParameterRecord::setMagic() { std::copy(std::begin(Magic), std::end(Magic), bytes_.begin() + MagicOffset); }

bool ReadParameterFile(const std::string& path, ParameterRecord& record)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        record.setLanguage(1);
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(record.bytes().data()), ParameterRecord::Size);
    if (!in || in.gcount() != static_cast<std::streamsize>(ParameterRecord::Size)) {
        // A short or unreadable file is dropped; the part read so far stays in effect.
        in.close();
        std::filesystem::remove(path, error);
    }
    return true;
}

bool WriteParameterFile(const std::string& path, ParameterRecord& record)
{
    record.setMagic();
    const auto& bytes = record.bytes();
    return data::WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace tessaly::app
