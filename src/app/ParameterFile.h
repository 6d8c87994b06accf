// "TESSALY.PAR": the program's parameter record, one fixed 236-byte little-endian record.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessaly::app {

// The record keeps its raw bytes so that reserved and padding bytes survive a read and a
// write unchanged; the accessors read and write the fields in place.
class ParameterRecord {
public:
    static constexpr std::size_t Size = 236;
    static constexpr int MaxPrinterName = 100;
    static constexpr int ColumnCount = 17;   // f1..f15, quantite, topp
    static constexpr int ShownCount = 15;    // f1..f15

    ParameterRecord();

    int32_t language() const;
    void setLanguage(int32_t value);

    // Latin-1/ANSI bytes of the printer name; a stored length above 100 reads as 100.
    std::string printerName() const;
    void setPrinterName(const std::string& name); // keeps the first 100 bytes

    bool columnShown(int n) const;               // n = 1..15
    void setColumnShown(int n, bool shown);
    int32_t columnWidth(int n) const;            // n = 1..17
    void setColumnWidth(int n, int32_t width);

    void setMagic();
    const std::array<unsigned char, Size>& bytes() const { return bytes_; }
    std::array<unsigned char, Size>& bytes() { return bytes_; }

private:
    int32_t readInt(std::size_t offset) const;
    void writeInt(std::size_t offset, int32_t value);
    std::array<unsigned char, Size> bytes_{};
};

// Reads the file into `record`. Returns false when the file does not exist (language set to 1).
// A file that cannot be read whole is deleted, what was read stays in the record, and the result
// is true, as for a good file.
bool ReadParameterFile(const std::string& path, ParameterRecord& record);

// Sets the magic and writes the record through a temporary file renamed into place, so a failure
// never leaves the previous file damaged or missing. Returns false when writing failed.
bool WriteParameterFile(const std::string& path, ParameterRecord& record);

} // namespace tessaly::app
