// Statement texts: double-quoted literals, as the program writes them, turned into SQL literals.
#pragma once

#include <string>
#include <string_view>

namespace tessaly::data {

// A value as a double-quoted literal of the program's statements: Q value Q, with every double
// quote inside the value doubled so the value is matched literally and cannot end the literal.
std::string QuoteLiteral(std::string_view value);

// Rewrites every double-quoted literal ("abc", with "" standing for one quote inside) as a
// single-quoted SQL string literal ('abc', embedded single quotes doubled). Single-quoted
// literals are copied unchanged. Throws SqlError on a literal that is never closed.
std::string ConvertDoubleQuotedLiterals(std::string_view statement);

} // namespace tessaly::data
