// The article table of a program folder and its two queries: the services of the table.
#pragma once

#include "data/ArticleList.h"
#include "data/ArticleRecord.h"
#include "data/dbf/DbfTable.h"
#include "data/dbf/NumIndex.h"
#include "data/sql/DbfModule.h"
#include "data/sql/SqlEngine.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::data {

// tarticle is "article.dbf" of the program folder with its index "article.mdx" (tag NUM on
// num); xQuery1 is list(), the list query; xqueryfonction is runQuery()/executeSql().
// Statements see the table as `article`; a statement opens the table when it is closed.
class ArticleBase : private DbfTableProvider {
public:
    // The folder may end with a separator or not.
    explicit ArticleBase(std::string programFolder);
    ~ArticleBase() override;
    ArticleBase(const ArticleBase&) = delete;
    ArticleBase& operator=(const ArticleBase&) = delete;

    std::string tablePath() const { return folder_ + "article.dbf"; }
    std::string indexPath() const { return folder_ + "article.mdx"; }

    // Opens the table, creating it with the default schema (and its index) when missing.
    // Throws DbfError when the file is damaged or unreadable; it is never rewritten then.
    void pouvrebase();
    // Closes the table (the index is written first); errors are ignored.
    void pfermebase() noexcept;
    bool isOpen() const { return table_ != nullptr; }
    // The open table (opened by pouvrebase when closed).
    DbfTable& tarticle();

    // The number for the next new record: max(num) + 1, or 1 for an empty table.
    std::int64_t fnumerosuivant();
    // Runs one statement through the utility query; every error is swallowed.
    void pexecutesql(std::string_view statement) noexcept;
    // The same, reporting errors (SqlError) and the number of rows changed.
    int executeSql(std::string_view statement);
    // Runs a statement that returns rows through the utility query.
    RowSet runQuery(std::string_view statement);

    // Rebuilds the list from the restriction W and the order O; throws SqlError and leaves
    // the list as it was when the statement fails. Returns the number of rows.
    std::size_t prequetebase(std::string_view restriction, std::string_view order);
    // The list query read row by row instead of copied (runs over tables too large to hold),
    // and the number of rows it gives. Throw SqlError.
    std::unique_ptr<SqlRowStream> streamList(std::string_view restriction, std::string_view order);
    std::size_t countList(std::string_view restriction);
    // Stores the number of rows of the list and returns it.
    std::size_t pcomptefiches();
    std::size_t storedRowCount() const { return storedCount_; }
    // Sum of quantite over the rows of the list (a row whose quantity cannot be read ends the
    // sum there). The current row is kept.
    std::int64_t fsommequantite();
    // Field fn of the current row of the list.
    std::string fvaleurchamp(int n) const { return list_.fieldValue(n); }
    ArticleList& list() { return list_; }
    const ArticleList& list() const { return list_; }

    // Writes one field of the record with this number (looked up through the tag NUM) under
    // its record lock. Returns false when no record has the number; throws DbfError
    // (DbfValueError when the value does not fit, DbfLockError when the lock is refused).
    bool updateByNumber(std::int64_t num, std::string_view fieldName, std::string_view value);
    // The same for the flag and the quantity, swallowing every error; true when written.
    bool pmajtop(std::int64_t num, std::string_view flag) noexcept;
    bool pmajquantite(std::int64_t num, std::int64_t quantity) noexcept;
    // The in-place edit of the list: sets the row's quantite in the list and, when the row's
    // num is not 0, in the table. Throws DbfError when the table refuses the value (the row is
    // then left as it was).
    void postQuantity(std::size_t row, std::int64_t quantity);

    // Appends records under the append lock (one lock per batch). Texts are cut to the field
    // widths; throws DbfValueError (nothing of the batch written) or DbfLockError.
    void appendArticles(const std::vector<ArticleRecord>& records);
    // Replaces the fields of the record with this number; false when there is none.
    bool writeArticle(std::int64_t num, const ArticleRecord& record);
    std::optional<ArticleRecord> findArticle(std::int64_t num);

    // Packs the table file when it exists (deleted records removed), with the table closed
    // for the duration and given back its state; a failed pack is followed by a reindex.
    // Errors are swallowed; returns true when the pack succeeded.
    bool pcompactebase() noexcept;
    // Rebuilds the index file from the table.
    void reindex();

private:
    DbfTable& table() override { return tarticle(); }
    NumIndex* index() override { return index_.get(); }
    std::string indexField() const override { return "num"; }
    std::uint32_t recordOf(std::int64_t num);

    std::string folder_;
    std::unique_ptr<DbfTable> table_;
    std::unique_ptr<NumIndex> index_;
    std::unique_ptr<ArticleLayout> layout_;
    SqlEngine engine_;
    ArticleList list_;
    std::size_t storedCount_ = 0;
};

} // namespace tessaly::data
