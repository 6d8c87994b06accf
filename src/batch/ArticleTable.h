// The article table of a batch run: the optional import and the rows a database run walks.
#pragma once

#include "print/ArticleListCursor.h"

#include "data/ArticleBase.h"
#include "print/RecordCursor.h"

#include <string>

namespace tessaly::batch {

// Empties the table of `programFolder` and imports `csvFile` with the stored import settings,
// as the automatic import does. Throws BatchError(ExitCode::Table) with the import's message.
void ImportArticles(data::ArticleBase& base, const std::string& programFolder, const std::string& csvFile);

// Opens the table and lists every record in creation order. Throws BatchError(ExitCode::Table)
// when the table cannot be read or holds no record.
void ListAllArticles(data::ArticleBase& base);

// The rows of the article list as a database run walks them.
using print::ArticleListCursor;

} // namespace tessaly::batch
