#include "data/sql/DbfModule.h"

#include "lang/CodePage.h"
#include "data/dbf/DbfError.h"
#include "data/dbf/DbfTable.h"
#include "data/dbf/FieldCodec.h"
#include "data/dbf/NumIndex.h"
#include "data/sql/TextFilter.h"

#include <charconv>
#include <optional>
#include <cmath>
#include <sqlite3.h>
#include <vector>

namespace tessaly::data {
namespace {

// idxNum: the plan in the low two bits; for a full scan the bits above name the columns the
// constraints test, whose slots the scan fetches ahead of time.
enum Plan : int { kFullScan = 0, kKeyEquals = 1, kRowidEquals = 2 };
constexpr int kPlanBits = 2;
constexpr int kMaxPrefetchColumn = 28;
// How many records ahead a full scan asks for the memory it will read.
constexpr std::uint32_t kPrefetchDistance = 32;

struct Vtab : sqlite3_vtab {
    DbfTableProvider* provider = nullptr;
    int keyColumn = -1;
    std::vector<bool> textColumn; // columns served as TEXT from a text field
};

// The filter operator of an SQLite constraint operator, when there is one.
std::optional<TextFilter::Op> FilterOp(int op)
{
    switch (op) {
    case SQLITE_INDEX_CONSTRAINT_EQ:
        return TextFilter::Op::Equal;
    case SQLITE_INDEX_CONSTRAINT_GT:
        return TextFilter::Op::Greater;
    case SQLITE_INDEX_CONSTRAINT_GE:
        return TextFilter::Op::GreaterEqual;
    case SQLITE_INDEX_CONSTRAINT_LT:
        return TextFilter::Op::Less;
    case SQLITE_INDEX_CONSTRAINT_LE:
        return TextFilter::Op::LessEqual;
    case SQLITE_INDEX_CONSTRAINT_LIKE:
        return TextFilter::Op::Prefix;
    default:
        return std::nullopt;
    }
}

struct Cursor : sqlite3_vtab_cursor {
    DbfTable* table = nullptr;
    std::vector<std::uint32_t> list; // the records of a keyed lookup
    bool listed = false;
    std::size_t position = 0; // in `list`, or the record itself
    std::uint32_t end = 0;
    std::vector<std::size_t> ahead; // offsets in a record to fetch ahead during a full scan
    std::vector<TextFilter> filters; // tests a full scan applies before SQLite sees a row
    std::size_t released = 0;       // a full scan has let go of the records before this one
    std::uint32_t record() const { return listed ? list[position] : static_cast<std::uint32_t>(position); }
};

Vtab* VtabOf(sqlite3_vtab_cursor* c) { return static_cast<Vtab*>(c->pVtab); }

int Fail(sqlite3_vtab* vtab, const std::exception& e)
{
    sqlite3_free(vtab->zErrMsg);
    vtab->zErrMsg = sqlite3_mprintf("%s", e.what());
    return SQLITE_ERROR;
}

std::string DeclaredType(const DbfField& f)
{
    if (f.type == 'N' && f.decimals == 0)
        return "INTEGER";
    if (f.type == 'N' || f.type == 'F')
        return "REAL";
    return "TEXT";
}

int Connect(sqlite3* db, void* aux, int, const char* const*, sqlite3_vtab** out, char** error)
{
    auto* provider = static_cast<DbfTableProvider*>(aux);
    try {
        DbfTable& table = provider->table();
        std::string schema = "CREATE TABLE x(";
        for (std::size_t i = 0; i < table.fields().size(); ++i) {
            const DbfField& f = table.fields()[i];
            schema += (i ? ", \"" : "\"") + f.name + "\" " + DeclaredType(f);
        }
        schema += ")";
        const int rc = sqlite3_declare_vtab(db, schema.c_str());
        if (rc != SQLITE_OK)
            return rc;
        auto* vtab = new Vtab();
        vtab->provider = provider;
        vtab->keyColumn = table.fieldIndex(provider->indexField());
        for (const DbfField& f : table.fields())
            vtab->textColumn.push_back(f.type == 'C');
        *out = vtab;
        return SQLITE_OK;
    } catch (const std::exception& e) {
        *error = sqlite3_mprintf("%s", e.what());
        return SQLITE_ERROR;
    }
}

int Disconnect(sqlite3_vtab* vtab)
{
    delete static_cast<Vtab*>(vtab);
    return SQLITE_OK;
}

int BestIndex(sqlite3_vtab* base, sqlite3_index_info* info)
{
    auto* vtab = static_cast<Vtab*>(base);
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& c = info->aConstraint[i];
        if (!c.usable || c.op != SQLITE_INDEX_CONSTRAINT_EQ)
            continue;
        if (c.iColumn == -1 || (c.iColumn >= 0 && c.iColumn == vtab->keyColumn)) {
            info->idxNum = c.iColumn == -1 ? kRowidEquals : kKeyEquals;
            info->aConstraintUsage[i].argvIndex = 1;
            info->aConstraintUsage[i].omit = 1;
            info->estimatedCost = 10;
            info->estimatedRows = 1;
            return SQLITE_OK;
        }
    }
    int tested = 0;
    std::string filters; // "column,op;" for each constraint handed to Filter, in argv order
    int argument = 0;
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& c = info->aConstraint[i];
        if (!c.usable || c.iColumn < 0)
            continue;
        if (c.iColumn < kMaxPrefetchColumn)
            tested |= 1 << c.iColumn;
        const bool text = c.iColumn < static_cast<int>(vtab->textColumn.size()) && vtab->textColumn[static_cast<std::size_t>(c.iColumn)];
        const char* collation = sqlite3_vtab_collation(info, i);
        const bool binary = c.op == SQLITE_INDEX_CONSTRAINT_LIKE || !collation || sqlite3_stricmp(collation, "BINARY") == 0;
        if (text && binary && FilterOp(c.op)) {
            info->aConstraintUsage[i].argvIndex = ++argument;
            info->aConstraintUsage[i].omit = 0; // SQLite checks the rows that pass again
            filters += std::to_string(c.iColumn) + "," + std::to_string(c.op) + ";";
        }
    }
    info->idxNum = kFullScan | (tested << kPlanBits);
    if (!filters.empty()) {
        info->idxStr = sqlite3_mprintf("%s", filters.c_str());
        info->needToFreeIdxStr = 1;
    }
    info->estimatedCost = 1e6;
    info->estimatedRows = 100000;
    return SQLITE_OK;
}

// Filters from the constraints BestIndex handed over ("column,op;" in idxStr). A value that is
// not text gives no filter: SQLite's affinity rules then decide alone.
std::vector<TextFilter> MakeFilters(const char* idxStr, int argc, sqlite3_value** argv)
{
    std::vector<TextFilter> filters;
    std::string_view plan = idxStr ? idxStr : "";
    for (int i = 0; i < argc && !plan.empty(); ++i) {
        const std::size_t end = plan.find(';');
        const std::string_view item = plan.substr(0, end);
        plan.remove_prefix(end == std::string_view::npos ? plan.size() : end + 1);
        const std::size_t comma = item.find(',');
        int column = 0;
        int op = 0;
        std::from_chars(item.data(), item.data() + comma, column);
        std::from_chars(item.data() + comma + 1, item.data() + item.size(), op);
        if (sqlite3_value_type(argv[i]) != SQLITE_TEXT)
            continue;
        const std::string value(reinterpret_cast<const char*>(sqlite3_value_text(argv[i])),
            static_cast<std::size_t>(sqlite3_value_bytes(argv[i])));
        TextFilter filter{column, *FilterOp(op), value};
        if (filter.op == TextFilter::Op::Prefix && !LikePrefix(value, filter.value))
            continue;
        filters.push_back(std::move(filter));
    }
    return filters;
}

bool PassesFilters(const Cursor* c, std::uint32_t record)
{
    for (const TextFilter& filter : c->filters)
        if (!filter.passes(c->table->rawField(record, filter.field)))
            return false;
    return true;
}

int Open(sqlite3_vtab*, sqlite3_vtab_cursor** out)
{
    *out = new Cursor();
    return SQLITE_OK;
}

int Close(sqlite3_vtab_cursor* cursor)
{
    delete static_cast<Cursor*>(cursor);
    return SQLITE_OK;
}

void SkipRejected(Cursor* c)
{
    if (c->listed)
        return;
    // Records are wide and mostly padding: ask early for the few cache lines a row's test needs.
    const std::size_t later = c->position + kPrefetchDistance;
    if (later < c->end) {
        const char* record = c->table->recordBytes(static_cast<std::uint32_t>(later)).data();
        for (const std::size_t offset : c->ahead)
            __builtin_prefetch(record + offset);
    }
    while (c->position < c->end
        && (c->table->isDeleted(static_cast<std::uint32_t>(c->position))
            || !PassesFilters(c, static_cast<std::uint32_t>(c->position))))
        ++c->position;
}

// The first and last byte of the slots of the tested columns, and the deletion mark.
std::vector<std::size_t> PrefetchOffsets(const DbfTable& table, int tested)
{
    std::vector<std::size_t> offsets{0};
    for (int column = 0; column < kMaxPrefetchColumn && column < static_cast<int>(table.fields().size()); ++column)
        if (tested & (1 << column)) {
            const DbfField& f = table.fields()[static_cast<std::size_t>(column)];
            offsets.push_back(static_cast<std::size_t>(f.offset));
            offsets.push_back(static_cast<std::size_t>(f.offset + f.width - 1));
        }
    return offsets;
}

// The key of an equality constraint as an integer; nothing when it cannot equal an integer.
std::optional<std::int64_t> KeyOf(sqlite3_value* value)
{
    switch (sqlite3_value_numeric_type(value)) {
    case SQLITE_INTEGER:
        return sqlite3_value_int64(value);
    case SQLITE_FLOAT: {
        const double d = sqlite3_value_double(value);
        if (d == std::floor(d) && std::fabs(d) < 9.0e18)
            return static_cast<std::int64_t>(d);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

int Filter(sqlite3_vtab_cursor* base, int idxNum, const char* idxStr, int argc, sqlite3_value** argv)
{
    const int plan = idxNum & ((1 << kPlanBits) - 1);
    auto* c = static_cast<Cursor*>(base);
    Vtab* vtab = VtabOf(base);
    try {
        c->table = &vtab->provider->table();
        c->table->refresh();
        c->list.clear();
        c->position = 0;
        c->released = 0;
        c->listed = plan != kFullScan;
        c->ahead = c->listed ? std::vector<std::size_t>() : PrefetchOffsets(*c->table, idxNum >> kPlanBits);
        c->filters = c->listed ? std::vector<TextFilter>() : MakeFilters(idxStr, argc, argv);
        if (plan == kKeyEquals && argc == 1) {
            if (const auto key = KeyOf(argv[0])) {
                if (NumIndex* index = vtab->provider->index())
                    c->list = index->findAll(*c->table, *key);
                else
                    for (std::uint32_t r = 0; r < c->table->recordCount(); ++r)
                        if (!c->table->isDeleted(r) && c->table->integer(r, vtab->keyColumn) == key)
                            c->list.push_back(r);
            }
        } else if (plan == kRowidEquals && argc == 1) {
            const auto rowid = KeyOf(argv[0]);
            if (rowid && *rowid >= 1 && *rowid <= c->table->recordCount()
                && !c->table->isDeleted(static_cast<std::uint32_t>(*rowid - 1)))
                c->list.push_back(static_cast<std::uint32_t>(*rowid - 1));
        }
        c->end = c->listed ? static_cast<std::uint32_t>(c->list.size()) : c->table->recordCount();
        SkipRejected(c);
        return SQLITE_OK;
    } catch (const std::exception& e) {
        return Fail(base->pVtab, e);
    }
}

int Next(sqlite3_vtab_cursor* base)
{
    auto* c = static_cast<Cursor*>(base);
    ++c->position;
    SkipRejected(c);
    if (!c->listed)
        c->table->releaseBehind(c->released, c->position);
    return SQLITE_OK;
}

int Eof(sqlite3_vtab_cursor* base)
{
    auto* c = static_cast<Cursor*>(base);
    return c->position >= c->end;
}

bool IsAscii(std::string_view s)
{
    for (const char ch : s)
        if (static_cast<unsigned char>(ch) >= 0x80)
            return false;
    return true;
}

int Column(sqlite3_vtab_cursor* base, sqlite3_context* ctx, int column)
{
    if (sqlite3_vtab_nochange(ctx))
        return SQLITE_OK; // an UPDATE that leaves this column as it is
    auto* c = static_cast<Cursor*>(base);
    const DbfField& field = c->table->fields()[static_cast<std::size_t>(column)];
    const std::string_view raw = c->table->rawField(c->record(), column);
    if (field.type == 'N' || field.type == 'F') {
        if (field.type == 'N' && field.decimals == 0) {
            if (const auto value = DecodeInteger(raw))
                sqlite3_result_int64(ctx, *value);
            else
                sqlite3_result_null(ctx);
        } else if (const auto number = DecodeNumber(raw)) {
            sqlite3_result_double(ctx, *number);
        } else {
            sqlite3_result_null(ctx);
        }
        return SQLITE_OK;
    }
    const std::string_view text = TrimTrailingBlanks(raw);
    if (IsAscii(text)) {
        sqlite3_result_text(ctx, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    } else {
        const std::string utf8 = lang::Windows1252ToUtf8(text);
        sqlite3_result_text(ctx, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    }
    return SQLITE_OK;
}

int Rowid(sqlite3_vtab_cursor* base, sqlite3_int64* rowid)
{
    *rowid = static_cast<Cursor*>(base)->record() + 1;
    return SQLITE_OK;
}

std::string TextOf(sqlite3_value* value)
{
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return std::to_string(sqlite3_value_int64(value));
    case SQLITE_FLOAT: {
        char buffer[64];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, sqlite3_value_double(value));
        return std::string(buffer, r.ptr);
    }
    default:
        return std::string(reinterpret_cast<const char*>(sqlite3_value_text(value)),
            static_cast<std::size_t>(sqlite3_value_bytes(value)));
    }
}

std::uint32_t RecordOf(DbfTable& table, sqlite3_value* rowid)
{
    const sqlite3_int64 id = sqlite3_value_int64(rowid);
    if (id < 1 || id > table.recordCount())
        throw DbfError("No record has the row number " + std::to_string(id));
    return static_cast<std::uint32_t>(id - 1);
}

int Update(sqlite3_vtab* base, int argc, sqlite3_value** argv, sqlite3_int64* newRowid)
{
    auto* vtab = static_cast<Vtab*>(base);
    try {
        DbfTable& table = vtab->provider->table();
        NumIndex* index = vtab->provider->index();
        if (argc == 1) { // DELETE
            const std::uint32_t record = RecordOf(table, argv[0]);
            table.markDeleted(record);
            if (index)
                index->noteKey(record, std::nullopt);
            return SQLITE_OK;
        }
        const auto fieldCount = static_cast<int>(table.fields().size());
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL) { // INSERT
            std::string record = table.blankRecord();
            for (int i = 0; i < fieldCount; ++i)
                table.setField(record, i, TextOf(argv[2 + i]));
            *newRowid = table.appendUnderLock(record) + 1;
            return SQLITE_OK;
        }
        const std::uint32_t record = RecordOf(table, argv[0]);
        if (sqlite3_value_int64(argv[0]) != sqlite3_value_int64(argv[1]))
            throw DbfError("The row number of a record cannot change");
        std::vector<std::pair<int, std::string>> values;
        for (int i = 0; i < fieldCount; ++i)
            if (!sqlite3_value_nochange(argv[2 + i]))
                values.emplace_back(i, TextOf(argv[2 + i]));
        table.updateFields(record, values);
        if (index && vtab->keyColumn >= 0)
            index->noteKey(record, table.integer(record, vtab->keyColumn));
        return SQLITE_OK;
    } catch (const std::exception& e) {
        return Fail(base, e);
    }
}

const sqlite3_module kModule = {
    /* iVersion */ 2,
    /* xCreate */ Connect,
    /* xConnect */ Connect,
    /* xBestIndex */ BestIndex,
    /* xDisconnect */ Disconnect,
    /* xDestroy */ Disconnect,
    /* xOpen */ Open,
    /* xClose */ Close,
    /* xFilter */ Filter,
    /* xNext */ Next,
    /* xEof */ Eof,
    /* xColumn */ Column,
    /* xRowid */ Rowid,
    /* xUpdate */ Update,
    /* xBegin */ nullptr,
    /* xSync */ nullptr,
    /* xCommit */ nullptr,
    /* xRollback */ nullptr,
    /* xFindFunction */ nullptr,
    /* xRename */ nullptr,
    /* xSavepoint */ nullptr,
    /* xRelease */ nullptr,
    /* xRollbackTo */ nullptr,
    /* xShadowName */ nullptr,
};

} // namespace

void RegisterDbfModule(sqlite3* db, DbfTableProvider& provider)
{
    if (sqlite3_create_module(db, "tessaly_dbf", &kModule, &provider) != SQLITE_OK)
        throw DbfError(std::string("Could not register the table module: ") + sqlite3_errmsg(db));
}

} // namespace tessaly::data
