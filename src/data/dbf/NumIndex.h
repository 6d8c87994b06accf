// The index of a table on one numeric field (the tag NUM of article.mdx on the field num).
#pragma once

#include "data/dbf/DbfTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tessaly::data {

// The index file is our own format (the table header does not claim a production index):
// "TLYNDX01", the tag name and the key field (12 bytes each, zero padded), the table's record
// count when built, the entry count, then the entries sorted by key: 64-bit key, 32-bit record,
// all little-endian. In memory the index follows the table: records appended since are added
// on the next lookup, and every hit is checked against the record itself, so a stale entry
// (a record changed by another process) costs a rebuild, never a wrong answer.
class NumIndex {
public:
    NumIndex(std::string indexPath, std::string tagName, std::string fieldName);

    const std::string& tagName() const { return tagName_; }

    // Loads the index file when it matches the table; otherwise builds it and writes the file.
    void open(DbfTable& table);
    // Builds the index from the table and writes the file (reindex).
    void rebuild(DbfTable& table);
    // Writes the file from the index in memory.
    void save(DbfTable& table);

    // Live records whose key field holds `key`, in file order.
    std::vector<std::uint32_t> findAll(DbfTable& table, std::int64_t key);
    std::optional<std::uint32_t> find(DbfTable& table, std::int64_t key);
    // Tells the index that a record now holds this key (or none).
    void noteKey(std::uint32_t record, std::optional<std::int64_t> key);

private:
    void catchUp(DbfTable& table);
    void buildFrom(DbfTable& table, std::uint32_t first);
    std::vector<std::uint32_t> verified(DbfTable& table, std::int64_t key) const;
    bool load(DbfTable& table);
    void add(std::int64_t key, std::uint32_t record);
    void clear();

    std::string path_;
    std::string tagName_;
    std::string fieldName_;
    int field_ = -1;
    std::uint32_t covered_ = 0; // records 0 .. covered_-1 are in the map
    std::unordered_multimap<std::int64_t, std::uint32_t> entries_;
    std::vector<std::optional<std::int64_t>> keyOf_; // the key each record is filed under
};

} // namespace tessaly::data
