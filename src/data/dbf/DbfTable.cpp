#include "data/dbf/DbfTable.h"

#include "data/dbf/DbfError.h"
#include "data/dbf/FieldCodec.h"
#include "lang/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tessaly::data {
namespace {

// Locks live far beyond the data, one byte each, so they never stop a reader: the append lock
// just below kLockBase, the lock of record r at kLockBase + r. Open-file-description locks are
// used so that two tables open on the same file in one process exclude each other too.
constexpr off_t kLockBase = off_t(1) << 40;
constexpr auto kLockPatience = std::chrono::milliseconds(2000);
constexpr std::size_t kChunk = 4 << 20;

bool LockByte(int fd, off_t position, short type)
{
    struct flock lock{};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = position;
    lock.l_len = 1;
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    while (::fcntl(fd, F_OFD_SETLK, &lock) != 0) {
        if ((errno != EAGAIN && errno != EACCES && errno != EINTR) || std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void UnlockByte(int fd, off_t position)
{
    struct flock lock{};
    lock.l_type = F_UNLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = position;
    lock.l_len = 1;
    ::fcntl(fd, F_OFD_SETLK, &lock);
}

void WriteAll(int fd, const char* data, std::size_t size, std::uint64_t offset, const std::string& path)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw DbfError("Could not write the table file \"" + path + "\": " + std::strerror(errno));
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
}

bool ReadAll(int fd, char* data, std::size_t size, std::uint64_t offset)
{
    while (size > 0) {
        const ssize_t n = ::pread(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// A temporary file beside `path`, removed unless released.
class TempFile {
public:
    explicit TempFile(const std::string& path) : name_(path + ".XXXXXX")
    {
        fd_ = ::mkstemp(name_.data());
        if (fd_ < 0)
            throw DbfError("Could not create a file beside \"" + path + "\": " + std::strerror(errno));
    }
    ~TempFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.empty())
            ::unlink(name_.c_str());
    }
    int fd() const { return fd_; }
    const std::string& name() const { return name_; }
    void closeFile(const std::string& path)
    {
        const bool ok = ::fsync(fd_) == 0;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        if (!ok || !closed)
            throw DbfError("Could not write the table file \"" + path + "\"");
    }
    void release() { name_.clear(); }

private:
    std::string name_;
    int fd_ = -1;
};

} // namespace

void DbfTable::Create(const std::string& path, const std::vector<FieldDescriptor>& fields)
{
    std::string bytes = BuildDbfHeader(fields);
    bytes.push_back(static_cast<char>(kEndOfFile));
    TempFile temp(path);
    WriteAll(temp.fd(), bytes.data(), bytes.size(), 0, path);
    ::fchmod(temp.fd(), 0644);
    temp.closeFile(path);
    // link() refuses to replace a table another process created meanwhile.
    if (::link(temp.name().c_str(), path.c_str()) != 0)
        throw DbfError("Could not create the table file \"" + path + "\": " + std::strerror(errno));
}

DbfTable::DbfTable(std::string path, bool readOnly) : path_(std::move(path)), readOnly_(readOnly)
{
    openFile();
}

DbfTable::~DbfTable()
{
    unmap();
    if (fd_ >= 0)
        ::close(fd_);
}

void DbfTable::openFile()
{
    fd_ = ::open(path_.c_str(), (readOnly_ ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    if (fd_ < 0)
        throw DbfError("Could not open the table file \"" + path_ + "\": " + std::strerror(errno));
    try {
        // Another process appending writes its records before the count: a count read after the
        // size may be ahead of it. The file has then grown since, and is read again.
        for (;;) {
            const std::uint64_t size = fileSize();
            map(size);
            try {
                header_ = ParseDbfHeader({reinterpret_cast<const std::uint8_t*>(data_), mappedSize_}, size, path_);
                break;
            } catch (const DbfError&) {
                if (fileSize() == size)
                    throw;
            }
        }
    } catch (...) {
        unmap();
        ::close(fd_);
        fd_ = -1;
        throw;
    }
}

std::uint64_t DbfTable::fileSize() const
{
    struct stat st{};
    if (::fstat(fd_, &st) != 0)
        throw DbfError("Could not read the table file \"" + path_ + "\": " + std::strerror(errno));
    return static_cast<std::uint64_t>(st.st_size);
}

void DbfTable::map(std::uint64_t size)
{
    unmap();
    if (size == 0)
        return;
    void* p = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd_, 0);
    if (p == MAP_FAILED)
        throw DbfError("Could not read the table file \"" + path_ + "\": " + std::strerror(errno));
    data_ = static_cast<const char*>(p);
    mappedSize_ = size;
}

void DbfTable::releaseRecords(std::uint32_t first, std::uint32_t end) const
{
    const std::uint64_t page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t from = header_.headerLength + std::uint64_t(first) * header_.recordLength;
    const std::uint64_t to = std::min<std::uint64_t>(header_.headerLength + std::uint64_t(end) * header_.recordLength,
                                                     mappedSize_);
    // Whole pages inside the range only: the records around it stay mapped as they are.
    const std::uint64_t start = (from + page - 1) / page * page, stop = to / page * page;
    if (data_ && start < stop)
        ::madvise(const_cast<char*>(data_) + start, stop - start, MADV_DONTNEED);
}

void DbfTable::unmap()
{
    if (data_)
        ::munmap(const_cast<char*>(data_), mappedSize_);
    data_ = nullptr;
    mappedSize_ = 0;
}

namespace {

struct PrefixCounts {
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    bool operator==(const PrefixCounts&) const = default;
};

bool ReadPrefixCounts(int fd, PrefixCounts& counts)
{
    std::uint8_t prefix[kDbfPrefixSize];
    if (!ReadAll(fd, reinterpret_cast<char*>(prefix), sizeof prefix, 0))
        return false;
    counts.recordCount = static_cast<std::uint32_t>(prefix[4]) | (static_cast<std::uint32_t>(prefix[5]) << 8)
        | (static_cast<std::uint32_t>(prefix[6]) << 16) | (static_cast<std::uint32_t>(prefix[7]) << 24);
    counts.headerLength = static_cast<std::uint16_t>(prefix[8] | (prefix[9] << 8));
    counts.recordLength = static_cast<std::uint16_t>(prefix[10] | (prefix[11] << 8));
    return true;
}

} // namespace

void DbfTable::refresh()
{
    // Another process may be rewriting the header while it is read, and a read racing a write can
    // see the count half updated (255 -> 256 read as 511). A read that the next one does not
    // repeat, or that counts more records than the file holds, is read again for a while before
    // the file counts as damaged.
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    PrefixCounts first, second;
    std::uint64_t size = 0;
    for (;;) {
        if (!ReadPrefixCounts(fd_, first) || !ReadPrefixCounts(fd_, second))
            throw DbfError("The table file \"" + path_ + "\" is damaged: the file is too short");
        size = fileSize();
        const bool fits = second.headerLength + std::uint64_t(second.recordCount) * second.recordLength <= size;
        if ((first == second && fits) || std::chrono::steady_clock::now() > deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (second.headerLength != header_.headerLength || second.recordLength != header_.recordLength)
        throw DbfError("The table file \"" + path_ + "\" is damaged: its header changed while it was open");
    if (second.headerLength + std::uint64_t(second.recordCount) * second.recordLength > size)
        throw DbfError("The table file \"" + path_ + "\" is damaged: the header counts more records than the file holds");
    if (size != mappedSize_)
        map(size);
    header_.recordCount = second.recordCount;
}

int DbfTable::fieldIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < header_.fields.size(); ++i)
        if (SameFieldName(header_.fields[i].name, name))
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> DbfTable::fieldDescriptorTexts() const
{
    std::vector<std::string> texts;
    for (const DbfField& f : header_.fields)
        texts.push_back(DescribeField(f));
    return texts;
}

void DbfTable::recordOutOfRange(std::uint32_t record) const
{
    throw DbfError("Record " + std::to_string(record + 1) + " is beyond the end of the table");
}

std::string DbfTable::text(std::uint32_t record, int field) const { return DecodeText(rawField(record, field)); }

std::optional<std::int64_t> DbfTable::integer(std::uint32_t record, int field) const
{
    return DecodeInteger(rawField(record, field));
}

std::string DbfTable::blankRecord() const { return std::string(header_.recordLength, ' '); }

void DbfTable::setField(std::string& record, int field, std::string_view value) const
{
    const DbfField& f = header_.fields.at(static_cast<std::size_t>(field));
    EncodeField(f, value, record.data() + f.offset);
}

void DbfTable::setFieldBytes(std::string& record, int field, std::string_view bytes) const
{
    const DbfField& f = header_.fields.at(static_cast<std::size_t>(field));
    if (f.type != 'C') {
        setField(record, field, lang::Windows1252ToUtf8(bytes));
        return;
    }
    const auto width = static_cast<std::size_t>(f.width);
    const std::size_t used = std::min(width, bytes.size());
    char* slot = record.data() + f.offset;
    std::memcpy(slot, bytes.data(), used);
    std::memset(slot + used, ' ', width - used);
}

bool DbfTable::lockAppend() { return !readOnly_ && LockByte(fd_, kLockBase - 1, F_WRLCK); }
void DbfTable::unlockAppend() { UnlockByte(fd_, kLockBase - 1); }
bool DbfTable::lockRecord(std::uint32_t record) { return !readOnly_ && LockByte(fd_, kLockBase + record, F_WRLCK); }
void DbfTable::unlockRecord(std::uint32_t record) { UnlockByte(fd_, kLockBase + record); }

std::uint32_t DbfTable::appendRecords(std::string_view records)
{
    if (records.size() % header_.recordLength != 0)
        throw DbfError("Internal error: a partial record was appended");
    refresh(); // another process may have appended since
    const std::uint64_t added = records.size() / header_.recordLength;
    const std::uint32_t first = header_.recordCount;
    if (first + added > 0xFFFFFFFFull)
        throw DbfError("The table file \"" + path_ + "\" is full");
    const std::uint64_t end = header_.headerLength + std::uint64_t(first) * header_.recordLength;
    // Data first, then the end mark, then the count: a reader never sees a record half written.
    WriteAll(fd_, records.data(), records.size(), end, path_);
    const char eof = static_cast<char>(kEndOfFile);
    WriteAll(fd_, &eof, 1, end + records.size(), path_);
    std::uint8_t prefix[kDbfPrefixSize];
    if (!ReadAll(fd_, reinterpret_cast<char*>(prefix), sizeof prefix, 0))
        throw DbfError("Could not read the table file \"" + path_ + "\"");
    StampDbfHeader(prefix, static_cast<std::uint32_t>(first + added));
    WriteAll(fd_, reinterpret_cast<const char*>(prefix), sizeof prefix, 0, path_);
    refresh();
    return first;
}

std::uint32_t DbfTable::appendUnderLock(std::string_view records)
{
    if (!lockAppend())
        throw DbfLockError("The table \"" + path_ + "\" is locked by another user");
    try {
        const std::uint32_t record = appendRecords(records);
        unlockAppend();
        return record;
    } catch (...) {
        unlockAppend();
        throw;
    }
}

void DbfTable::writeRecord(std::uint32_t record, std::string_view bytes)
{
    checkRecord(record);
    if (bytes.size() != header_.recordLength)
        throw DbfError("Internal error: a record of the wrong length was written");
    WriteAll(fd_, bytes.data(), bytes.size(), header_.headerLength + std::uint64_t(record) * header_.recordLength, path_);
}

void DbfTable::updateFields(std::uint32_t record, const std::vector<std::pair<int, std::string>>& values)
{
    checkRecord(record);
    std::string bytes(recordBytes(record));
    for (const auto& [field, value] : values)
        setField(bytes, field, value); // may throw before anything is written
    if (!lockRecord(record))
        throw DbfLockError("Record " + std::to_string(record + 1) + " is locked by another user");
    try {
        // Re-read under the lock so that fields written meanwhile by others are kept.
        std::string current(recordBytes(record));
        for (const auto& [field, value] : values) {
            const DbfField& f = header_.fields.at(static_cast<std::size_t>(field));
            current.replace(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width),
                bytes, static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width));
        }
        writeRecord(record, current);
    } catch (...) {
        unlockRecord(record);
        throw;
    }
    unlockRecord(record);
}

void DbfTable::markDeleted(std::uint32_t record)
{
    checkRecord(record);
    if (!lockRecord(record))
        throw DbfLockError("Record " + std::to_string(record + 1) + " is locked by another user");
    try {
        const char mark = kDeletedMark;
        WriteAll(fd_, &mark, 1, header_.headerLength + std::uint64_t(record) * header_.recordLength, path_);
    } catch (...) {
        unlockRecord(record);
        throw;
    }
    unlockRecord(record);
}

std::uint32_t DbfTable::pack()
{
    if (!lockAppend())
        throw DbfLockError("The table \"" + path_ + "\" is locked by another user");
    struct Unlock {
        DbfTable* t;
        ~Unlock()
        {
            if (t)
                t->unlockAppend();
        }
    } unlock{this};

    refresh();
    std::uint32_t live = 0;
    for (std::uint32_t r = 0; r < header_.recordCount; ++r)
        live += isDeleted(r) ? 0 : 1;
    const std::uint32_t removed = header_.recordCount - live;
    if (removed == 0)
        return 0;

    TempFile temp(path_);
    std::string header(data_, header_.headerLength);
    StampDbfHeader(reinterpret_cast<std::uint8_t*>(header.data()), live);
    WriteAll(temp.fd(), header.data(), header.size(), 0, path_);
    std::uint64_t offset = header.size();
    std::string chunk;
    for (std::uint32_t r = 0; r <= header_.recordCount; ++r) {
        if (r == header_.recordCount || chunk.size() >= kChunk) {
            if (r == header_.recordCount)
                chunk.push_back(static_cast<char>(kEndOfFile));
            WriteAll(temp.fd(), chunk.data(), chunk.size(), offset, path_);
            offset += chunk.size();
            chunk.clear();
        }
        if (r < header_.recordCount && !isDeleted(r))
            chunk.append(recordBytes(r));
    }
    struct stat st{};
    if (::fstat(fd_, &st) == 0)
        ::fchmod(temp.fd(), st.st_mode & 07777);
    temp.closeFile(path_);
    if (std::rename(temp.name().c_str(), path_.c_str()) != 0)
        throw DbfError("Could not replace the table file \"" + path_ + "\": " + std::strerror(errno));
    temp.release();

    // Continue on the new file; the lock of the old one goes with its descriptor.
    unmap();
    ::close(fd_);
    fd_ = -1;
    unlock.t = nullptr;
    openFile();
    return removed;
}

std::uint32_t DbfTable::appendFrom(const std::string& otherPath)
{
    DbfTable other(otherPath, true);
    std::vector<std::pair<int, int>> matches; // (field here, field there)
    for (std::size_t i = 0; i < header_.fields.size(); ++i) {
        const int there = other.fieldIndex(header_.fields[i].name);
        if (there >= 0)
            matches.emplace_back(static_cast<int>(i), there);
    }
    std::string records;
    const std::string blank = blankRecord();
    std::uint32_t appended = 0;
    if (!lockAppend())
        throw DbfLockError("The table \"" + path_ + "\" is locked by another user");
    try {
        for (std::uint32_t r = 0; r <= other.recordCount(); ++r) {
            if (r == other.recordCount() || records.size() >= kChunk) {
                if (!records.empty())
                    appendRecords(records);
                records.clear();
            }
            if (r == other.recordCount() || other.isDeleted(r))
                continue;
            std::string record = blank;
            for (const auto& [here, there] : matches)
                setField(record, here, other.text(r, there));
            records += record;
            ++appended;
        }
    } catch (...) {
        unlockAppend();
        throw;
    }
    unlockAppend();
    return appended;
}

} // namespace tessaly::data
