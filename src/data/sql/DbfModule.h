// The SQLite virtual-table module that serves a dBase table file as an SQL table.
#pragma once

#include <string>

struct sqlite3;

namespace tessaly::data {

class DbfTable;
class NumIndex;

// What the module reads and writes. table() opens the table when it is closed (a statement
// opens the table it reads from); index() may be null, lookups by the key field then scan.
class DbfTableProvider {
public:
    virtual ~DbfTableProvider() = default;
    virtual DbfTable& table() = 0;
    virtual NumIndex* index() = 0;
    // The name of the field the index is on ("num").
    virtual std::string indexField() const = 0;
};

// Registers the module "tessaly_dbf" on the connection; the provider must outlive it.
// "CREATE VIRTUAL TABLE article USING tessaly_dbf" then declares the table from the file's
// fields: N fields without decimals as INTEGER, other N and F as REAL, the others TEXT.
// Rows are the live records; the rowid is the record's position in the file plus 1.
void RegisterDbfModule(sqlite3* db, DbfTableProvider& provider);

} // namespace tessaly::data
