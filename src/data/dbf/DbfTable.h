// A dBase table file opened shared: mapped reads, record writes and appends under real file locks.
#pragma once

#include "data/dbf/DbfHeader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaly::data {

// Record numbers are 0-based positions in the file. Reads see the file as of the last
// refresh(); records appended by another process appear after the next refresh().
class DbfTable {
public:
    // Creates an empty table; throws DbfError when the file exists or cannot be written.
    static void Create(const std::string& path, const std::vector<FieldDescriptor>& fields);

    // Opens an existing table; throws DbfError when it is missing, unreadable or damaged.
    explicit DbfTable(std::string path, bool readOnly = false);
    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    const std::string& path() const { return path_; }
    const std::vector<DbfField>& fields() const { return header_.fields; }
    // Field by name without regard to case; -1 when there is none.
    int fieldIndex(std::string_view name) const;
    // "num, N, 6, 0" for each field in file order.
    std::vector<std::string> fieldDescriptorTexts() const;
    std::uint32_t recordCount() const { return header_.recordCount; }
    std::uint16_t recordLength() const { return header_.recordLength; }

    // Re-reads the record count from the file. Throws DbfError when the file became damaged.
    void refresh();

    bool isDeleted(std::uint32_t record) const { return recordBytes(record)[0] == kDeletedMark; }
    std::string_view recordBytes(std::uint32_t record) const
    {
        checkRecord(record);
        return {data_ + header_.headerLength + std::uint64_t(record) * header_.recordLength, header_.recordLength};
    }
    std::string_view rawField(std::uint32_t record, int field) const
    {
        const DbfField& f = header_.fields.at(static_cast<std::size_t>(field));
        return recordBytes(record).substr(static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width));
    }
    std::string text(std::uint32_t record, int field) const;
    // Lets go of the memory that reading records [first, end) brought in (the file keeps them): a
    // scan of a large table then holds a window of it, not the whole file.
    void releaseRecords(std::uint32_t first, std::uint32_t end) const;
    // For a scan at `position`: once it is kScanWindow records past `released`, releases the
    // records in between and moves `released` up to it.
    void releaseBehind(std::size_t& released, std::size_t position) const
    {
        if (position - released >= kScanWindow) {
            releaseRecords(static_cast<std::uint32_t>(released), static_cast<std::uint32_t>(position));
            released = position;
        }
    }
    static constexpr std::size_t kScanWindow = 8192;   // about 12 MB of article records
    std::optional<std::int64_t> integer(std::uint32_t record, int field) const;

    // A blank record (not deleted, every slot blank) and a way to fill it.
    std::string blankRecord() const;
    // Throws DbfValueError when the value does not fit the field.
    void setField(std::string& record, int field, std::string_view value) const;
    // Puts bytes already in the table's code page into a text field, cut to its width.
    void setFieldBytes(std::string& record, int field, std::string_view bytes) const;

    // Locks wait a short while for another holder; they return false when not granted.
    bool lockAppend();
    void unlockAppend();
    bool lockRecord(std::uint32_t record);
    void unlockRecord(std::uint32_t record);

    // Appends whole records (a multiple of the record length) behind the last one; the caller
    // holds the append lock. Returns the number of the first appended record.
    std::uint32_t appendRecords(std::string_view records);
    // Takes the append lock, appends the records, releases the lock. Throws DbfLockError when
    // the lock is not granted (nothing is written then).
    std::uint32_t appendUnderLock(std::string_view records);
    // The same with one blank record.
    std::uint32_t appendBlank() { return appendUnderLock(blankRecord()); }
    // Writes a whole record; the caller holds its record lock.
    void writeRecord(std::uint32_t record, std::string_view bytes);
    // Writes the values of some fields of one record, under its record lock. Throws
    // DbfLockError or DbfValueError (the record is then left unchanged).
    void updateFields(std::uint32_t record, const std::vector<std::pair<int, std::string>>& values);
    // Marks one record deleted under its record lock. Throws DbfLockError.
    void markDeleted(std::uint32_t record);

    // Removes the deleted records: the live ones are written to a new file that replaces the
    // old one. Returns the number of records removed (0: the file was not rewritten).
    std::uint32_t pack();
    // Appends every live record of another table file, fields matched by name; texts are cut
    // to the widths of this table. Returns the number of records appended.
    std::uint32_t appendFrom(const std::string& otherPath);

private:
    void map(std::uint64_t size);
    void unmap();
    void openFile();
    std::uint64_t fileSize() const;
    void checkRecord(std::uint32_t record) const
    {
        if (record >= header_.recordCount)
            recordOutOfRange(record);
    }
    [[noreturn]] void recordOutOfRange(std::uint32_t record) const;

    std::string path_;
    bool readOnly_ = false;
    int fd_ = -1;
    const char* data_ = nullptr;
    std::uint64_t mappedSize_ = 0;
    DbfHeader header_;
};

} // namespace tessaly::data
