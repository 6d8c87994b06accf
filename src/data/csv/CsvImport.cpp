#include "data/csv/CsvImport.h"

#include "data/ArticleBase.h"
#include "data/dbf/DbfError.h"
#include "data/util/Text.h"
#include "lang/CodePage.h"
#include "lang/TextFile.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessaly::data {
namespace {

// Records are appended in batches of about this size, each under one append lock.
constexpr std::size_t kBatchBytes = 1 << 20;

// Length of the UTF-8 sequence a lead byte starts (1 for anything else).
std::size_t SequenceLength(std::uint8_t lead)
{
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

void RemoveQuotes(std::string_view text, std::string& out)
{
    out.clear();
    for (const char c : text)
        if (c != '"')
            out.push_back(c);
}

// The quantity of a line: the whole number its text holds, otherwise 1.
std::int64_t QuantityOf(std::string_view text) { return ParseWholeNumber(text).value_or(1); }

std::string QuantityText(const lang::TTextFile& reader, std::int32_t source)
{
    if (source >= 0 && source < kNoColumn)
        return std::to_string(QuantityOf(reader.ColumnView(source + 1)));
    if (source == kQuantityZero)
        return "0";
    return "1"; // no column, the fixed "1", or an index the list cannot hold
}

// Writes the records read so far into the table under its append lock.
class BatchWriter {
public:
    BatchWriter(DbfTable& table, ImportResult& result) : table_(table), result_(result) {}
    void add(const std::string& record)
    {
        batch_ += record;
        ++lines_;
        if (batch_.size() >= kBatchBytes)
            flush();
    }
    void flush()
    {
        if (lines_ == 0)
            return;
        try {
            table_.appendUnderLock(batch_);
            result_.imported += lines_;
        } catch (const DbfLockError&) {
            result_.notStored += lines_; // their numbers are used up all the same
        }
        batch_.clear();
        lines_ = 0;
    }

private:
    DbfTable& table_;
    ImportResult& result_;
    std::string batch_;
    std::size_t lines_ = 0;
};

} // namespace

TextEncoding DetectTextEncoding(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return TextEncoding::Windows1252;
    std::string buffer;
    std::vector<char> chunk(1 << 16);
    bool nonAscii = false;
    bool valid = true;
    bool first = true;
    while (valid) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n <= 0)
            break;
        buffer.append(chunk.data(), static_cast<std::size_t>(n));
        if (first && buffer.size() >= 3) {
            first = false;
            if (buffer.compare(0, 3, "\xEF\xBB\xBF") == 0) {
                ::close(fd);
                return TextEncoding::Utf8;
            }
        }
        // Keep a sequence cut by the end of the chunk for the next round.
        std::size_t cut = buffer.size();
        for (std::size_t back = 1; back <= 3 && back <= buffer.size(); ++back) {
            const auto b = static_cast<std::uint8_t>(buffer[buffer.size() - back]);
            if ((b & 0xC0) != 0x80) {
                if (b >= 0x80 && SequenceLength(b) > back)
                    cut = buffer.size() - back;
                break;
            }
        }
        const std::string_view complete(buffer.data(), cut);
        for (const char c : complete)
            nonAscii = nonAscii || static_cast<std::uint8_t>(c) >= 0x80;
        valid = lang::IsValidUtf8(complete);
        buffer.erase(0, cut);
    }
    ::close(fd);
    valid = valid && lang::IsValidUtf8(buffer);
    return valid && nonAscii ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

ImportResult ImportCsv(ArticleBase& base, const std::string& file, const ImportSettings& settings)
{
    ImportResult result;
    lang::TTextFile reader(settings.separator());
    reader.SetSkipByteOrderMark(true);
    try {
        std::int64_t next = base.fnumerosuivant() - 1;
        DbfTable& table = base.tarticle();
        const ArticleLayout layout(table);
        const bool utf8 = DetectTextEncoding(file) == TextEncoding::Utf8;
        BatchWriter writer(table, result);
        try {
            reader.Open(file);
            for (int i = 0; i < settings.headerLineCount() && !reader.AtEnd(); ++i)
                reader.NextLine();
            const std::string blank = table.blankRecord();
            std::string record;
            std::string cell;
            while (!reader.AtEnd()) {
                record = blank;
                table.setField(record, layout.num, std::to_string(++next));
                for (int n = 1; n <= 15; ++n) {
                    const int column = settings.columnOfField(n);
                    if (column == 0)
                        continue;
                    RemoveQuotes(reader.ColumnView(column), cell);
                    const int field = layout.f[static_cast<std::size_t>(n - 1)];
                    if (utf8)
                        table.setField(record, field, cell);
                    else
                        table.setFieldBytes(record, field, cell);
                }
                table.setField(record, layout.quantite, QuantityText(reader, settings.quantitySource));
                table.setField(record, layout.topp, "O");
                writer.add(record);
                reader.NextLine();
            }
        } catch (const DbfValueError& e) {
            writer.flush();
            result.error = std::string(e.what()) + " (line " + std::to_string(reader.LinesRead()) + " of \"" + file + "\")";
            return result;
        } catch (...) {
            writer.flush(); // the records read before the error stay in the table
            throw;
        }
        writer.flush();
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    return result;
}

CsvPreview PreviewCsv(const std::string& file, char separator, int headerLines)
{
    CsvPreview preview;
    try {
        const bool utf8 = DetectTextEncoding(file) == TextEncoding::Utf8;
        lang::TTextFile reader(separator);
        reader.SetSkipByteOrderMark(true);
        reader.Open(file);
        for (int i = 0; i < headerLines && !reader.AtEnd(); ++i)
            reader.NextLine();
        while (!reader.AtEnd() && preview.rows.size() < kPreviewLines) {
            auto& row = preview.rows.emplace_back();
            for (int c = 1; c <= 15; ++c) {
                const std::string_view text = reader.ColumnView(c);
                row[static_cast<std::size_t>(c - 1)] =
                    utf8 ? lang::SanitizeUtf8(text) : lang::Windows1252ToUtf8(text);
            }
            reader.NextLine();
        }
    } catch (const std::exception& e) {
        preview.error = e.what();
    }
    return preview;
}

std::optional<AutomationFile> FindAutomationFile(const std::string& programFolder)
{
    const std::string folder = WithSeparator(programFolder);
    const char* names[] = {"impdataauto.csv", "impdataautoprint.csv", "impdataautoprintquit.csv"};
    for (int mode = 1; mode <= 3; ++mode) {
        const std::string path = folder + names[mode - 1];
        if (FileExists(path))
            return AutomationFile{path, mode};
    }
    return std::nullopt;
}

void DeleteArticleTable(ArticleBase& base, const std::string& programFolder)
{
    base.pfermebase();
    const std::string folder = WithSeparator(programFolder);
    std::remove((folder + "article.dbf").c_str());
    std::remove((folder + "article.mdx").c_str());
}

AutomationImport RunAutomationImport(ArticleBase& base, const std::string& programFolder,
    const std::string& file, const ImportSettings& stored)
{
    DeleteArticleTable(base, programFolder);
    AutomationImport run;
    run.settings = stored;
    run.settings.valid = true;
    run.settings.path = file;
    run.result = ImportCsv(base, file, run.settings);
    return run;
}

} // namespace tessaly::data
