// UIText: the interface text lookup of the current language (language file or built-in table).
#pragma once

#include "lang/LanguageFile.h"
#include "lang/UITextTable.h"

#include <filesystem>
#include <string>

namespace tessaly::lang {

// Where the texts come from: the language file when it was loaded, otherwise the built-in
// column chosen by the parameter record's `language` (1 French, 2 English, others empty).
class InterfaceLanguage {
public:
    InterfaceLanguage();

    // Reads program folder + "tessaly.lg"; a missing or bad file leaves the built-in table in use.
    // Returns the loaded flag. Never throws.
    bool Load(const std::filesystem::path& programFolder);
    void SetLanguage(int language) { language_ = language; }
    int Language() const { return language_; }

    // Text number n in UTF-8; empty outside 1..300 and for numbers without a text.
    std::string Text(int n) const;

    const Tgerelanguage& LanguageFile() const { return file_; }

private:
    Tgerelanguage file_;
    int language_ = kFrench;
};

// The process-wide language the interface uses; the main window loads it and sets its
// `language` at start-up, everything else only reads it (user-interface thread only).
InterfaceLanguage& CurrentInterfaceLanguage();

// Text number n of the current language.
std::string UIText(int n);

} // namespace tessaly::lang
