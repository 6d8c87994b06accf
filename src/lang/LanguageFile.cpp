// Reading "tessaly.lg" into the 303 slots of the language service.
#include "lang/LanguageFile.h"

#include "lang/CodePage.h"
#include "lang/TextFile.h"

#include <charconv>
#include <string_view>

namespace tessaly::lang {
namespace {

constexpr int kIgnoredHeaderLines = 7; // lines 4 to 10

bool hasNonSpace(std::string_view s) { return s.find_first_not_of(' ') != std::string_view::npos; }

// Lines with NUL bytes mean a binary or UTF-16 file, not a language file.
void checkTextLine(const TTextFile& file)
{
    if (file.Line().find('\0') != std::string::npos)
        throw ETextFileError("Read error while reading file \"" + file.FileName() + "\": Invalid file format");
}

} // namespace

int ParseDecimal(std::string_view text, int fallback)
{
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return fallback;
    text.remove_prefix(start);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return fallback;
    return value;
}

Tgerelanguage::Tgerelanguage(std::filesystem::path fileName) : fileName_(std::move(fileName)) {}

std::string Tgerelanguage::Slot(int i) const
{
    if (i >= 0 && i <= kFontNameSlot)
        return texts_[static_cast<std::size_t>(i)];
    if (i == kCharsetSlot && charsetRead_)
        return std::to_string(charset_);
    return {};
}

const std::string& Tgerelanguage::Text(int n) const
{
    static const std::string empty;
    return n >= 1 && n <= kTextCount ? texts_[static_cast<std::size_t>(n) - 1] : empty;
}

void Tgerelanguage::clear()
{
    for (std::string& text : texts_)
        text.clear();
    charset_ = 0;
    charsetRead_ = false;
}

bool Tgerelanguage::Load()
{
    loaded_ = false;
    clear();
    std::error_code error;
    if (!std::filesystem::exists(fileName_, error))
        return false;
    try {
        readFile();
        loaded_ = true;
    } catch (const std::exception&) {
        // An unreadable file is ignored: the built-in texts stay in use.
    }
    return loaded_;
}

void Tgerelanguage::readFile()
{
    TTextFile file(';');
    file.SetMaxLineLength(kMaxLineLength);
    file.SetSkipByteOrderMark(true);
    file.Open(fileName_);
    const auto advance = [&file] {
        file.NextLine();
        checkTextLine(file);
    };
    checkTextLine(file);
    texts_[kHeaderSlot] = file.Column(2);
    advance();
    texts_[kFontNameSlot] = file.Column(2);
    advance();
    charset_ = ParseDecimal(file.ColumnView(2), 1);
    charsetRead_ = true;
    advance(); // to line 4
    for (int line = 0; line < kIgnoredHeaderLines; ++line)
        advance();

    for (int k = 0; k < kTextCount && !file.AtEnd(); ++k) {
        const std::string_view c2 = file.ColumnView(2);
        texts_[static_cast<std::size_t>(k)] = hasNonSpace(c2) ? c2 : file.ColumnView(1);
        if (k + 1 < kTextCount)
            advance();
    }
    file.Close();

    // The texts are kept as UTF-8 whatever the file's character set.
    const int codePage = CodePageOfCharset(charset_);
    bool utf8 = file.HadByteOrderMark();
    if (!utf8) {
        utf8 = true;
        for (const std::string& text : texts_)
            utf8 = utf8 && IsValidUtf8(text);
    }
    for (std::string& text : texts_)
        text = utf8 ? SanitizeUtf8(text) : SingleByteToUtf8(text, codePage);
}

} // namespace tessaly::lang
