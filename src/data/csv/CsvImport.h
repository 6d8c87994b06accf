// The CSV import: one article record per data line, with the column mapping of the settings.
#pragma once

#include "data/csv/ImportSettings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::data {

class ArticleBase;

enum class TextEncoding { Windows1252, Utf8 };

// A file is read as Windows-1252 unless it starts with a UTF-8 byte order mark, or is valid
// UTF-8 holding at least one non-ASCII byte. A file that cannot be read counts as Windows-1252.
TextEncoding DetectTextEncoding(const std::string& path);

struct ImportResult {
    std::size_t imported = 0;    // records stored
    std::size_t notStored = 0;   // data lines dropped because the append lock was refused
    std::string error;           // empty on success; otherwise the message, records stored
                                 // before it stay in the table
    bool ok() const { return error.empty(); }
};

// Appends the data lines of the file to the table. Each line gets the next number (from
// fnumerosuivant), fields from their columns with the double quotes removed, the quantity
// from its source ("1" unless the text is a whole number) and topp "O"; texts are cut to the
// field widths and characters the table cannot hold become '?'. Errors (file not readable,
// a quantity or number the table cannot hold) end the import with their message.
ImportResult ImportCsv(ArticleBase& base, const std::string& file, const ImportSettings& settings);

// The first data lines of the file as the dialog previews them: columns 1 to 15 of each line
// as read (double quotes kept), UTF-8, after the header lines; at most 101 lines.
inline constexpr std::size_t kPreviewLines = 101;
struct CsvPreview {
    std::vector<std::array<std::string, 15>> rows;
    std::string error; // the reader's message when the file could not be read
};
CsvPreview PreviewCsv(const std::string& file, char separator, int headerLines);

// The automation files of the program folder by priority: "impdataauto.csv" (mode 1),
// "impdataautoprint.csv" (mode 2), "impdataautoprintquit.csv" (mode 3).
struct AutomationFile {
    std::string path;
    int mode = 0;
};
std::optional<AutomationFile> FindAutomationFile(const std::string& programFolder);

// Closes the table and deletes "article.dbf" and "article.mdx": an automatic import starts
// from an empty table.
void DeleteArticleTable(ArticleBase& base, const std::string& programFolder);

// The automatic import: closes the table, deletes "article.dbf" and "article.mdx", imports the
// file with the stored settings and the given path, and returns the settings as the import
// stores them (valid, with that path). The automation file itself is never touched.
struct AutomationImport {
    ImportResult result;
    ImportSettings settings;
};
AutomationImport RunAutomationImport(ArticleBase& base, const std::string& programFolder,
    const std::string& file, const ImportSettings& stored);

} // namespace tessaly::data
