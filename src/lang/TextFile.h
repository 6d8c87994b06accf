// TTextFile: a buffered, byte-oriented reader of text files line by line, with column
// splitting. Used by the language file and the CSV import (which decides the character set).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaly::lang {

// Raised by TTextFile on open and read failures; what() is the message shown to the user.
class ETextFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Lines end at LF, with or without a CR before it; the last line needs no end. Lines made only
// of spaces and tabs (or empty) are skipped everywhere and do not count as lines. Bytes are
// returned as they are in the file; no character set is assumed.
class TTextFile {
public:
    static constexpr std::size_t kDefaultMaxLineLength = 16u << 20;

    TTextFile() = default;
    explicit TTextFile(char separator) : separator_(separator) {}
    ~TTextFile();
    TTextFile(const TTextFile&) = delete;
    TTextFile& operator=(const TTextFile&) = delete;

    // Separator of the columns; 0 = columns are separated by runs of spaces and tabs.
    void SetSeparator(char separator);
    char Separator() const { return separator_; }

    // Fixed columns: the 1-based starting position of each column, in increasing order.
    // Empty (the default) = columns are split at the separator.
    void SetFixedColumns(std::vector<int> startPositions);

    // A line longer than this raises "Invalid file format" instead of growing without bound.
    void SetMaxLineLength(std::size_t bytes) { maxLineLength_ = bytes; }

    // When set before Open, a UTF-8 byte order mark at the very start of the file is dropped.
    void SetSkipByteOrderMark(bool skip) { skipByteOrderMark_ = skip; }
    bool HadByteOrderMark() const { return hadByteOrderMark_; }

    // Opens the file (closing any file already open) and reads its first non-blank line.
    void Open(const std::filesystem::path& fileName);
    // Drops the current line and reads the next non-blank one; false at the end of the file.
    bool NextLine();
    // True when the end of the file was reached and there is no current line.
    bool AtEnd() const { return !hasLine_; }
    // Column i (from 1) of the current line; empty when the line has no such column.
    std::string Column(int i) const { return std::string(ColumnView(i)); }
    // The same as a view into the current line, valid until the next NextLine, Open or Close.
    std::string_view ColumnView(int i) const;
    void Close();

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& FileName() const { return fileName_; }
    // The current line without its line end (empty at the end).
    const std::string& Line() const { return line_; }
    // Physical lines read so far, blank ones included.
    std::int64_t LinesRead() const { return linesRead_; }

private:
    bool readPhysicalLine();
    bool fillBuffer();
    [[noreturn]] void throwReadError(const char* reason) const;
    void splitColumns() const;
    std::string_view fixedColumn(int i) const;

    int fd_ = -1;
    std::string fileName_;
    char separator_ = 0;
    std::vector<int> fixedStarts_;
    std::size_t maxLineLength_ = kDefaultMaxLineLength;
    bool skipByteOrderMark_ = false;
    bool hadByteOrderMark_ = false;

    std::vector<char> buffer_;
    std::size_t bufferPos_ = 0;
    std::size_t bufferEnd_ = 0;
    bool endOfFile_ = false;

    std::string line_;
    bool hasLine_ = false;
    std::int64_t linesRead_ = 0;

    // Columns of the current line as (offset, length), split on first use.
    mutable std::vector<std::pair<std::size_t, std::size_t>> columns_;
    mutable bool columnsSplit_ = false;
};

} // namespace tessaly::lang
