// An SQLite connection on which one dBase table file is the table `article`.
#pragma once

#include "data/sql/DbfModule.h"
#include "data/sql/RowSet.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace tessaly::data {

// Runs one SQL statement (already in SQLite's syntax) on a connection and copies its rows.
// Throws SqlError with the engine's message.
RowSet QueryRows(sqlite3* db, std::string_view sql);

// The rows of one statement read one at a time: memory holds the current row, not the result.
class SqlRowStream {
public:
    ~SqlRowStream();
    SqlRowStream(const SqlRowStream&) = delete;
    SqlRowStream& operator=(const SqlRowStream&) = delete;
    // Puts the next row into `row` (a RowSet of that one row); false after the last row.
    // Throws SqlError with the engine's message.
    bool next(RowSet& row);

private:
    friend class SqlEngine;
    SqlRowStream(sqlite3* db, sqlite3_stmt* stmt);

    sqlite3* db_;
    sqlite3_stmt* stmt_;
    std::vector<std::string> columns_;
};

class SqlEngine {
public:
    // The table is declared under `tableName` on first use and again whenever the fields of
    // the provider's table change (a rebuilt table file).
    SqlEngine(DbfTableProvider& provider, std::string tableName);
    ~SqlEngine();
    SqlEngine(const SqlEngine&) = delete;
    SqlEngine& operator=(const SqlEngine&) = delete;

    // Runs one statement that returns rows and copies them. The text is the program's: its
    // double-quoted literals are turned into SQL literals first. Throws SqlError with the
    // engine's message.
    RowSet query(std::string_view statement);
    // The same statement read row by row; the stream must not outlive the engine.
    std::unique_ptr<SqlRowStream> stream(std::string_view statement);
    // Runs one statement that returns no rows; returns the number of rows it changed.
    int execute(std::string_view statement);

    // Forgets the declared table (its file was closed or replaced).
    void forgetTable();

private:
    void declareTable();
    sqlite3_stmt* prepare(std::string_view statement);

    DbfTableProvider& provider_;
    std::string tableName_;
    sqlite3* db_ = nullptr;
    std::vector<std::string> declaredFields_;
};

} // namespace tessaly::data
