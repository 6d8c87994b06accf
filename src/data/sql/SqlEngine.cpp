#include "data/sql/SqlEngine.h"

#include "data/dbf/DbfTable.h"
#include "data/sql/SqlError.h"
#include "data/sql/SqlText.h"

#include <sqlite3.h>

namespace tessaly::data {
namespace {

struct Statement {
    sqlite3_stmt* stmt;
    ~Statement() { sqlite3_finalize(stmt); }
};

std::vector<std::string> ColumnNames(sqlite3_stmt* stmt)
{
    std::vector<std::string> names;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i)
        names.emplace_back(sqlite3_column_name(stmt, i));
    return names;
}

// The values of the row the statement stands on, added to `rows`.
void AddRow(sqlite3_stmt* stmt, RowSet& rows)
{
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        rows.addValue(text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)))
                           : std::string_view());
    }
}

RowSet CollectRows(sqlite3* db, sqlite3_stmt* stmt)
{
    RowSet rows(ColumnNames(stmt));
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        AddRow(stmt, rows);
    if (rc != SQLITE_DONE)
        throw SqlError(sqlite3_errmsg(db));
    return rows;
}

} // namespace

SqlEngine::SqlEngine(DbfTableProvider& provider, std::string tableName)
    : provider_(provider), tableName_(std::move(tableName))
{
    if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db_);
        throw SqlError("Could not start the SQL engine");
    }
    RegisterDbfModule(db_, provider_);
}

SqlEngine::~SqlEngine() { sqlite3_close(db_); }

void SqlEngine::forgetTable()
{
    if (!declaredFields_.empty())
        sqlite3_exec(db_, ("DROP TABLE IF EXISTS \"" + tableName_ + "\"").c_str(), nullptr, nullptr, nullptr);
    declaredFields_.clear();
}

void SqlEngine::declareTable()
{
    std::vector<std::string> fields;
    try {
        fields = provider_.table().fieldDescriptorTexts();
    } catch (const std::exception& e) {
        throw SqlError(e.what());
    }
    if (fields == declaredFields_)
        return;
    forgetTable();
    char* error = nullptr;
    const std::string create = "CREATE VIRTUAL TABLE \"" + tableName_ + "\" USING tessaly_dbf";
    if (sqlite3_exec(db_, create.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw SqlError(message);
    }
    declaredFields_ = std::move(fields);
}

sqlite3_stmt* SqlEngine::prepare(std::string_view statement)
{
    declareTable();
    const std::string sql = ConvertDoubleQuotedLiterals(statement);
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail) != SQLITE_OK)
        throw SqlError(sqlite3_errmsg(db_));
    if (!stmt)
        throw SqlError("The statement is empty");
    for (; tail && *tail; ++tail)
        if (*tail != ' ' && *tail != ';' && *tail != '\t' && *tail != '\r' && *tail != '\n') {
            sqlite3_finalize(stmt);
            throw SqlError("Only one statement can be run at a time");
        }
    return stmt;
}

RowSet SqlEngine::query(std::string_view statement)
{
    Statement s{prepare(statement)};
    return CollectRows(db_, s.stmt);
}

std::unique_ptr<SqlRowStream> SqlEngine::stream(std::string_view statement)
{
    return std::unique_ptr<SqlRowStream>(new SqlRowStream(db_, prepare(statement)));
}

SqlRowStream::SqlRowStream(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt), columns_(ColumnNames(stmt)) {}

SqlRowStream::~SqlRowStream() { sqlite3_finalize(stmt_); }

bool SqlRowStream::next(RowSet& row)
{
    row = RowSet(columns_);
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        AddRow(stmt_, row);
        return true;
    }
    if (rc != SQLITE_DONE)
        throw SqlError(sqlite3_errmsg(db_));
    return false;
}

RowSet QueryRows(sqlite3* db, std::string_view sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK || !stmt) {
        sqlite3_finalize(stmt);
        throw SqlError(sqlite3_errmsg(db));
    }
    Statement s{stmt};
    return CollectRows(db, s.stmt);
}

int SqlEngine::execute(std::string_view statement)
{
    Statement s{prepare(statement)};
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        throw SqlError(sqlite3_errmsg(db_));
    return sqlite3_changes(db_);
}

} // namespace tessaly::data
