// Import and listing of the article table for a batch run.
#include "batch/ArticleTable.h"

#include "batch/BatchError.h"
#include "data/Statements.h"
#include "data/csv/CsvImport.h"

#include <climits>
#include <exception>

namespace tessaly::batch {

void ImportArticles(data::ArticleBase& base, const std::string& programFolder, const std::string& csvFile)
{
    data::AutomationImport import;
    try {
        import = data::RunAutomationImport(base, programFolder, csvFile, data::ReadImportSettings(programFolder));
    } catch (const std::exception& error) {
        throw BatchError(ExitCode::Table, "cannot import " + csvFile + ": " + error.what());
    }
    if (!import.result.ok())
        throw BatchError(ExitCode::Table, "cannot import " + csvFile + ": " + import.result.error);
    if (import.result.notStored > 0)
        throw BatchError(ExitCode::Table, "cannot import " + csvFile + ": " +
                                              std::to_string(import.result.notStored) +
                                              " lines were not stored (the table is locked)");
}

std::unique_ptr<data::ArticleStream> ListAllArticles(data::ArticleBase& base)
{
    std::unique_ptr<data::ArticleStream> rows;
    try {
        base.pouvrebase();
        rows = std::make_unique<data::ArticleStream>(base, "", data::fconstruittri(0, false));
    } catch (const std::exception& error) {
        throw BatchError(ExitCode::Table, "cannot read the article table " + base.tablePath() + ": " + error.what());
    }
    if (rows->rowCount() == 0)
        throw BatchError(ExitCode::Table, "the article table " + base.tablePath() + " holds no record to print");
    return rows;
}

} // namespace tessaly::batch
