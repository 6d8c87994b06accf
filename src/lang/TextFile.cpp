// TTextFile: buffered line reading with read(2) and column splitting.
#include "lang/TextFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly::lang {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isBlankLine(std::string_view line)
{
    for (char c : line) {
        if (!isBlank(c))
            return false;
    }
    return true;
}

} // namespace

TTextFile::~TTextFile() { Close(); }

void TTextFile::SetSeparator(char separator)
{
    separator_ = separator;
    columnsSplit_ = false;
}

void TTextFile::SetFixedColumns(std::vector<int> startPositions)
{
    fixedStarts_ = std::move(startPositions);
}

void TTextFile::Open(const std::filesystem::path& fileName)
{
    Close();
    fileName_ = fileName.string();
    const int fd = ::open(fileName_.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        throw ETextFileError("Could not open the file \"" + fileName_ + "\" for reading");
    }
    fd_ = fd;
    buffer_.resize(kBufferSize);
    bufferPos_ = bufferEnd_ = 0;
    endOfFile_ = false;
    hadByteOrderMark_ = false;
    linesRead_ = 0;
    if (skipByteOrderMark_) {
        while (bufferEnd_ < 3 && fillBuffer()) {
        }
        if (bufferEnd_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) {
            bufferPos_ = 3;
            hadByteOrderMark_ = true;
        }
    }
    NextLine();
}

bool TTextFile::NextLine()
{
    if (fd_ < 0)
        throw ETextFileError("No valid file selected");
    hasLine_ = false;
    columnsSplit_ = false;
    while (readPhysicalLine()) {
        if (!isBlankLine(line_)) {
            hasLine_ = true;
            return true;
        }
    }
    line_.clear();
    return false;
}

void TTextFile::Close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    hasLine_ = false;
    columnsSplit_ = false;
    line_.clear();
    buffer_.clear();
    buffer_.shrink_to_fit();
}

// Appends more bytes after the unread part of the buffer; false at the end of the file.
bool TTextFile::fillBuffer()
{
    if (endOfFile_)
        return false;
    if (bufferPos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + bufferPos_, bufferEnd_ - bufferPos_);
        bufferEnd_ -= bufferPos_;
        bufferPos_ = 0;
    }
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + bufferEnd_, buffer_.size() - bufferEnd_);
        if (n > 0) {
            bufferEnd_ += static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            endOfFile_ = true;
            return false;
        }
        if (errno == EINTR)
            continue;
        throwReadError(errno == EBADF ? "File not open" : "Unknown error");
    }
}

// Reads one physical line into line_ without its LF or CR LF; false when none is left.
bool TTextFile::readPhysicalLine()
{
    line_.clear();
    bool gotBytes = false;
    for (;;) {
        if (bufferPos_ == bufferEnd_ && !fillBuffer())
            break;
        const char* start = buffer_.data() + bufferPos_;
        const std::size_t available = bufferEnd_ - bufferPos_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', available));
        const std::size_t take = newline ? static_cast<std::size_t>(newline - start) : available;
        if (line_.size() + take > maxLineLength_)
            throwReadError("Invalid file format");
        line_.append(start, take);
        bufferPos_ += take;
        gotBytes = true;
        if (newline) {
            ++bufferPos_;
            break;
        }
    }
    if (!gotBytes)
        return false;
    if (!line_.empty() && line_.back() == '\r')
        line_.pop_back();
    ++linesRead_;
    return true;
}

void TTextFile::throwReadError(const char* reason) const
{
    throw ETextFileError("Read error while reading file \"" + fileName_ + "\": " + reason);
}

std::string_view TTextFile::ColumnView(int i) const
{
    if (!fixedStarts_.empty())
        return fixedColumn(i);
    if (!hasLine_ || i < 1)
        return {};
    splitColumns();
    if (static_cast<std::size_t>(i) > columns_.size())
        return {};
    const auto [offset, length] = columns_[static_cast<std::size_t>(i) - 1];
    return std::string_view(line_).substr(offset, length);
}

// Separator s: every column ends at the next s or the line end; the one s that ends a column is
// skipped before the next begins, so "a;;b" has an empty column 2 and a final s adds nothing.
// Separator 0: runs of spaces and tabs separate the columns and are skipped before each one.
void TTextFile::splitColumns() const
{
    if (columnsSplit_)
        return;
    columns_.clear();
    const std::size_t length = line_.size();
    std::size_t pos = 0;
    if (separator_ == 0) {
        for (;;) {
            while (pos < length && isBlank(line_[pos]))
                ++pos;
            if (pos == length)
                break;
            const std::size_t start = pos;
            while (pos < length && !isBlank(line_[pos]))
                ++pos;
            columns_.emplace_back(start, pos - start);
        }
    } else {
        for (;;) {
            const std::size_t end = std::min(line_.find(separator_, pos), length);
            columns_.emplace_back(pos, end - pos);
            if (end == length)
                break;
            pos = end + 1;
            if (pos == length)
                break;
        }
    }
    columnsSplit_ = true;
}

std::string_view TTextFile::fixedColumn(int i) const
{
    const std::size_t count = fixedStarts_.size();
    const auto index = static_cast<std::size_t>(i) - 1;
    const bool valid = i >= 1 && index < count && fixedStarts_[index] >= 1
        && (index + 1 == count || fixedStarts_[index + 1] > fixedStarts_[index]);
    if (!valid)
        throw ETextFileError("Invalid fixed column position in index " + std::to_string(i));
    if (!hasLine_)
        return {};
    const auto start = static_cast<std::size_t>(fixedStarts_[index]) - 1;
    if (start >= line_.size())
        return {};
    const std::size_t length = index + 1 == count
        ? std::string_view::npos
        : static_cast<std::size_t>(fixedStarts_[index + 1] - fixedStarts_[index]);
    return std::string_view(line_).substr(start, length);
}

} // namespace tessaly::lang
