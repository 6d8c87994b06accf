// The article table of a batch run: the optional import and the rows a database run walks.
#pragma once

#include "data/ArticleBase.h"
#include "data/ArticleStream.h"

#include <memory>
#include <string>

namespace tessaly::batch {

// Empties the table of `programFolder` and imports `csvFile` with the stored import settings,
// as the automatic import does. Throws BatchError(ExitCode::Table) with the import's message.
void ImportArticles(data::ArticleBase& base, const std::string& programFolder, const std::string& csvFile);

// Opens the table and lists every record in creation order, read row by row as the run goes.
// Throws BatchError(ExitCode::Table) when the table cannot be read or holds no record.
std::unique_ptr<data::ArticleStream> ListAllArticles(data::ArticleBase& base);

} // namespace tessaly::batch
