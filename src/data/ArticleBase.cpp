#include "data/ArticleBase.h"

#include "data/Statements.h"
#include "data/dbf/DbfError.h"
#include "data/sql/SqlError.h"
#include "data/util/Text.h"

#include <charconv>

namespace tessaly::data {
namespace {

// Appends are written in batches of about this many bytes, each under one append lock.
constexpr std::size_t kBatchBytes = 1 << 20;

} // namespace

ArticleBase::ArticleBase(std::string programFolder)
    : folder_(WithSeparator(std::move(programFolder))), engine_(*this, "article")
{
}

ArticleBase::~ArticleBase() { pfermebase(); }

void ArticleBase::pouvrebase()
{
    if (table_)
        return;
    const std::string path = tablePath();
    if (!FileExists(path)) {
        try {
            DbfTable::Create(path, DefaultArticleSchema());
        } catch (const DbfError&) {
            if (!FileExists(path)) // another process may have created it meanwhile
                throw;
        }
    }
    auto table = std::make_unique<DbfTable>(path);
    auto layout = std::make_unique<ArticleLayout>(*table);
    auto index = std::make_unique<NumIndex>(indexPath(), "NUM", "num");
    index->open(*table);
    table_ = std::move(table);
    layout_ = std::move(layout);
    index_ = std::move(index);
}

void ArticleBase::pfermebase() noexcept
{
    engine_.forgetTable();
    if (table_ && index_) {
        try {
            index_->save(*table_);
        } catch (...) {
        }
    }
    layout_.reset();
    index_.reset();
    table_.reset();
}

DbfTable& ArticleBase::tarticle()
{
    pouvrebase();
    return *table_;
}

std::int64_t ArticleBase::fnumerosuivant()
{
    const RowSet rows = runQuery(NextNumberStatement());
    if (rows.rowCount() == 0)
        return 1;
    const std::string_view text = rows.value(0, 0);
    if (text.empty())
        return 1; // max over no record gives NULL
    std::int64_t max = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), max);
    if (ec != std::errc() || end != text.data() + text.size())
        throw SqlError("The largest record number is not a number: " + std::string(text));
    return max + 1;
}

void ArticleBase::pexecutesql(std::string_view statement) noexcept
{
    try {
        executeSql(statement);
    } catch (...) {
    }
}

int ArticleBase::executeSql(std::string_view statement) { return engine_.execute(statement); }

RowSet ArticleBase::runQuery(std::string_view statement) { return engine_.query(statement); }

std::size_t ArticleBase::prequetebase(std::string_view restriction, std::string_view order)
{
    list_.setRows(engine_.query(ListStatement(restriction, order)));
    return pcomptefiches();
}

std::unique_ptr<SqlRowStream> ArticleBase::streamList(std::string_view restriction, std::string_view order)
{
    return engine_.stream(ListStatement(restriction, order));
}

std::size_t ArticleBase::countList(std::string_view restriction)
{
    const RowSet rows = engine_.query("select count(*) from (" + ListStatement(restriction, "") + ")");
    return rows.rowCount() == 1 ? std::size_t(ParseWholeNumber(rows.value(0, 0)).value_or(0)) : 0;
}

std::size_t ArticleBase::pcomptefiches()
{
    storedCount_ = list_.rowCount();
    return storedCount_;
}

std::int64_t ArticleBase::fsommequantite()
{
    const ArticleList::Bookmark mark = list_.bookmark();
    std::int64_t sum = 0;
    for (std::size_t row = 0; row < list_.rowCount(); ++row) {
        const std::string_view text = list_.value(row, "quantite");
        if (text.empty())
            continue; // a blank quantity reads as 0
        const auto quantity = list_.integer(row, "quantite");
        if (!quantity)
            break;
        sum += *quantity;
    }
    list_.gotoBookmark(mark);
    return sum;
}

std::uint32_t ArticleBase::recordOf(std::int64_t num)
{
    DbfTable& table = tarticle();
    const auto record = index_->find(table, num);
    return record ? *record : table.recordCount();
}

bool ArticleBase::updateByNumber(std::int64_t num, std::string_view fieldName, std::string_view value)
{
    DbfTable& table = tarticle();
    const std::uint32_t record = recordOf(num);
    if (record >= table.recordCount())
        return false;
    const int field = table.fieldIndex(fieldName);
    if (field < 0)
        throw DbfError("The table has no field " + std::string(fieldName));
    table.updateFields(record, {{field, std::string(value)}});
    if (field == layout_->num)
        index_->noteKey(record, table.integer(record, field));
    return true;
}

bool ArticleBase::pmajtop(std::int64_t num, std::string_view flag) noexcept
{
    try {
        return updateByNumber(num, "topp", flag);
    } catch (...) {
        return false;
    }
}

bool ArticleBase::pmajquantite(std::int64_t num, std::int64_t quantity) noexcept
{
    try {
        return updateByNumber(num, "quantite", std::to_string(quantity));
    } catch (...) {
        return false;
    }
}

void ArticleBase::postQuantity(std::size_t row, std::int64_t quantity)
{
    if (row >= list_.rowCount())
        return;
    const std::int64_t num = list_.integer(row, "num").value_or(0);
    if (num != 0)
        updateByNumber(num, "quantite", std::to_string(quantity));
    list_.setValue(row, "quantite", std::to_string(quantity));
}

void ArticleBase::appendArticles(const std::vector<ArticleRecord>& records)
{
    DbfTable& table = tarticle();
    std::string batch;
    const auto flush = [&] {
        if (!batch.empty())
            table.appendUnderLock(batch);
        batch.clear();
    };
    for (const ArticleRecord& record : records) {
        batch += layout_->encode(record);
        if (batch.size() >= kBatchBytes)
            flush();
    }
    flush();
}

bool ArticleBase::writeArticle(std::int64_t num, const ArticleRecord& record)
{
    DbfTable& table = tarticle();
    const std::uint32_t r = recordOf(num);
    if (r >= table.recordCount())
        return false;
    ArticleRecord stored = record;
    stored.num = num;
    const std::string bytes = layout_->encode(stored);
    if (!table.lockRecord(r))
        throw DbfLockError("Record " + std::to_string(num) + " is locked by another user");
    try {
        table.writeRecord(r, bytes);
    } catch (...) {
        table.unlockRecord(r);
        throw;
    }
    table.unlockRecord(r);
    return true;
}

std::optional<ArticleRecord> ArticleBase::findArticle(std::int64_t num)
{
    DbfTable& table = tarticle();
    const std::uint32_t r = recordOf(num);
    if (r >= table.recordCount())
        return std::nullopt;
    return layout_->decode(r);
}

void ArticleBase::reindex()
{
    DbfTable& table = tarticle();
    index_->rebuild(table);
}

bool ArticleBase::pcompactebase() noexcept
{
    const std::string path = tablePath();
    if (!FileExists(path))
        return false;
    const bool wasOpen = isOpen();
    pfermebase();
    bool packed = false;
    try {
        DbfTable marticle1(path);
        NumIndex index(indexPath(), "NUM", "num");
        try {
            index.open(marticle1);
            marticle1.pack();
            index.rebuild(marticle1); // record positions moved
            packed = true;
        } catch (...) {
            index.rebuild(marticle1);
        }
    } catch (...) {
    }
    if (wasOpen) {
        try {
            pouvrebase();
        } catch (...) {
        }
    }
    return packed;
}

} // namespace tessaly::data
