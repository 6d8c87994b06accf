// Tgerelanguage: the language service that reads the language file "tessaly.lg".
#pragma once

#include <array>
#include <filesystem>
#include <string>

namespace tessaly::lang {

inline constexpr const char* kLanguageFileName = "tessaly.lg";

// The file: non-blank lines split at ";". Line 1 column 2 is a free header text, line 2
// column 2 the interface font name, line 3 column 2 its character set; lines 4 to 10 are
// ignored; line 11 + k gives text k + 1 (column 2 when it holds anything besides spaces, else
// column 1), for at most 300 texts. Texts are kept as UTF-8: a file that is valid UTF-8 (with
// or without a byte order mark) is read as UTF-8, any other in the Windows code page of its
// character set (238 -> 1250, 204 -> 1251, ...; 1252 for 0, 1 and unknown sets).
class Tgerelanguage {
public:
    static constexpr int kTextCount = 300;
    static constexpr int kHeaderSlot = 300;
    static constexpr int kFontNameSlot = 301;
    static constexpr int kCharsetSlot = 302;
    static constexpr int kSlotCount = 303;
    // Longest line accepted; a longer one makes the file unreadable.
    static constexpr std::size_t kMaxLineLength = 64 * 1024;

    // `fileName` is the full name, normally program folder + kLanguageFileName.
    explicit Tgerelanguage(std::filesystem::path fileName);

    // Reads the file; sets and returns the loaded flag. Never throws: a missing, unreadable or
    // malformed file leaves the flag clear.
    bool Load();

    bool Loaded() const { return loaded_; }
    const std::filesystem::path& FileName() const { return fileName_; }

    // Slot i (0..301): texts 1..300 in slots 0..299, the header text in 300, the font name in
    // 301. Slot 302 reads as the character set in decimal (empty until line 3 was read). Empty
    // outside 0..302.
    std::string Slot(int i) const;
    // Text number n (1..300) as read from the file, whether or not the load succeeded.
    const std::string& Text(int n) const;
    const std::string& HeaderText() const { return texts_[kHeaderSlot]; }
    const std::string& FontName() const { return texts_[kFontNameSlot]; }
    // The character set of line 3: its decimal integer, 1 when it is not one, 0 before it was read.
    int Charset() const { return charset_; }

private:
    void readFile();
    void clear();

    std::filesystem::path fileName_;
    bool loaded_ = false;
    std::array<std::string, kFontNameSlot + 1> texts_;
    int charset_ = 0;
    bool charsetRead_ = false;
};

// Parses a decimal integer like the language file's character set: optional leading blanks,
// an optional sign, digits, nothing after them, within 32 bits. Anything else gives `fallback`.
int ParseDecimal(std::string_view text, int fallback);

} // namespace tessaly::lang
