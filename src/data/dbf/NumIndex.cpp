#include "data/dbf/NumIndex.h"

#include "data/dbf/DbfError.h"
#include "data/util/AtomicFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace tessaly::data {
namespace {

constexpr char kMagic[8] = {'T', 'L', 'Y', 'N', 'D', 'X', '0', '1'};
constexpr std::size_t kNameSize = 12;
constexpr std::size_t kHeaderSize = 8 + 2 * kNameSize + 8;
constexpr std::size_t kEntrySize = 12;

void PutLe(std::string& out, std::uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint64_t GetLe(const std::string& in, std::size_t pos, int bytes)
{
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= std::uint64_t(static_cast<std::uint8_t>(in[pos + i])) << (8 * i);
    return v;
}

std::string Padded(const std::string& name)
{
    std::string out = name.substr(0, kNameSize);
    out.resize(kNameSize, '\0');
    return out;
}

} // namespace

NumIndex::NumIndex(std::string indexPath, std::string tagName, std::string fieldName)
    : path_(std::move(indexPath)), tagName_(std::move(tagName)), fieldName_(std::move(fieldName))
{
}

void NumIndex::open(DbfTable& table)
{
    field_ = table.fieldIndex(fieldName_);
    if (field_ < 0)
        throw DbfError("The table \"" + table.path() + "\" has no field " + fieldName_);
    if (!load(table))
        rebuild(table);
}

bool NumIndex::load(DbfTable& table)
{
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, 8) != 0
        || bytes.substr(8, kNameSize) != Padded(tagName_) || bytes.substr(8 + kNameSize, kNameSize) != Padded(fieldName_))
        return false;
    const auto recordCount = static_cast<std::uint32_t>(GetLe(bytes, 8 + 2 * kNameSize, 4));
    const std::uint64_t count = GetLe(bytes, 8 + 2 * kNameSize + 4, 4);
    if (recordCount != table.recordCount() || bytes.size() != kHeaderSize + count * kEntrySize)
        return false;
    clear();
    entries_.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t pos = kHeaderSize + i * kEntrySize;
        const auto record = static_cast<std::uint32_t>(GetLe(bytes, pos + 8, 4));
        if (record >= recordCount)
            return false;
        add(static_cast<std::int64_t>(GetLe(bytes, pos, 8)), record);
    }
    covered_ = recordCount;
    return true;
}

void NumIndex::buildFrom(DbfTable& table, std::uint32_t first)
{
    std::size_t released = first;
    for (std::uint32_t r = first; r < table.recordCount(); ++r) {
        if (!table.isDeleted(r))
            if (const auto key = table.integer(r, field_))
                add(*key, r);
        table.releaseBehind(released, r);
    }
    covered_ = table.recordCount();
}

void NumIndex::rebuild(DbfTable& table)
{
    if (field_ < 0)
        field_ = table.fieldIndex(fieldName_);
    if (field_ < 0)
        throw DbfError("The table \"" + table.path() + "\" has no field " + fieldName_);
    table.refresh();
    clear();
    buildFrom(table, 0);
    save(table);
}

void NumIndex::save(DbfTable& table)
{
    catchUp(table);
    std::vector<std::pair<std::int64_t, std::uint32_t>> sorted(entries_.begin(), entries_.end());
    std::sort(sorted.begin(), sorted.end());
    std::string bytes(kMagic, 8);
    bytes += Padded(tagName_);
    bytes += Padded(fieldName_);
    PutLe(bytes, covered_, 4);
    PutLe(bytes, sorted.size(), 4);
    for (const auto& [key, record] : sorted) {
        PutLe(bytes, static_cast<std::uint64_t>(key), 8);
        PutLe(bytes, record, 4);
    }
    if (!WriteFileAtomically(path_, bytes))
        throw DbfError("Could not write the index file \"" + path_ + "\"");
}

void NumIndex::catchUp(DbfTable& table)
{
    table.refresh();
    if (covered_ > table.recordCount()) // the table shrank under us: start again
        clear();
    buildFrom(table, covered_);
}

std::vector<std::uint32_t> NumIndex::verified(DbfTable& table, std::int64_t key) const
{
    std::vector<std::uint32_t> records;
    const auto [begin, end] = entries_.equal_range(key);
    for (auto it = begin; it != end; ++it)
        if (it->second < table.recordCount() && !table.isDeleted(it->second) && table.integer(it->second, field_) == key)
            records.push_back(it->second);
    std::sort(records.begin(), records.end());
    return records;
}

std::vector<std::uint32_t> NumIndex::findAll(DbfTable& table, std::int64_t key)
{
    catchUp(table);
    std::vector<std::uint32_t> records = verified(table, key);
    const auto candidates = entries_.count(key);
    if (records.empty() || records.size() != candidates) {
        // Missing or stale entries: the table was changed behind the index. Rebuild in memory.
        clear();
        buildFrom(table, 0);
        records = verified(table, key);
    }
    return records;
}

std::optional<std::uint32_t> NumIndex::find(DbfTable& table, std::int64_t key)
{
    const std::vector<std::uint32_t> records = findAll(table, key);
    if (records.empty())
        return std::nullopt;
    return records.front();
}

void NumIndex::add(std::int64_t key, std::uint32_t record)
{
    entries_.emplace(key, record);
    if (keyOf_.size() <= record)
        keyOf_.resize(record + 1);
    keyOf_[record] = key;
}

void NumIndex::clear()
{
    entries_.clear();
    keyOf_.clear();
    covered_ = 0;
}

void NumIndex::noteKey(std::uint32_t record, std::optional<std::int64_t> key)
{
    if (record >= covered_)
        return; // picked up by the next catch-up
    if (record < keyOf_.size() && keyOf_[record]) {
        const auto [begin, end] = entries_.equal_range(*keyOf_[record]);
        for (auto it = begin; it != end; ++it)
            if (it->second == record) {
                entries_.erase(it);
                break;
            }
        keyOf_[record].reset();
    }
    if (key)
        add(*key, record);
}

} // namespace tessaly::data
