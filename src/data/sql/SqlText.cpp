#include "data/sql/SqlText.h"

#include "data/sql/SqlError.h"

namespace tessaly::data {
namespace {

[[noreturn]] void Unterminated(std::string_view text)
{
    throw SqlError("unrecognized token: a literal is not closed in \"" + std::string(text) + "\"");
}

} // namespace

std::string QuoteLiteral(std::string_view value)
{
    std::string out = "\"";
    for (const char c : value) {
        out.push_back(c);
        if (c == '"')
            out.push_back('"');
    }
    out.push_back('"');
    return out;
}

std::string ConvertDoubleQuotedLiterals(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 8);
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i++];
        if (c == '\'') { // an SQL literal already: copy it whole, '' included
            out.push_back(c);
            while (true) {
                if (i >= text.size())
                    Unterminated(text);
                out.push_back(text[i]);
                if (text[i++] == '\'') {
                    if (i < text.size() && text[i] == '\'')
                        out.push_back(text[i++]);
                    else
                        break;
                }
            }
        } else if (c == '"') { // the program's literal: "" is one quote inside it
            out.push_back('\'');
            while (true) {
                if (i >= text.size())
                    Unterminated(text);
                const char d = text[i++];
                if (d == '"') {
                    if (i < text.size() && text[i] == '"')
                        ++i;
                    else
                        break;
                }
                out.push_back(d);
                if (d == '\'')
                    out.push_back('\'');
            }
            out.push_back('\'');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

} // namespace tessaly::data
