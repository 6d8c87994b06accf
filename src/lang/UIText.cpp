// The current interface language and the UIText lookup.
#include "lang/UIText.h"

namespace tessaly::lang {

InterfaceLanguage::InterfaceLanguage() : file_(std::filesystem::path()) {}

bool InterfaceLanguage::Load(const std::filesystem::path& programFolder)
{
    file_ = Tgerelanguage(programFolder / kLanguageFileName);
    return file_.Load();
}

std::string InterfaceLanguage::Text(int n) const
{
    if (file_.Loaded())
        return file_.Text(n);
    return std::string(UITextTable(n, language_));
}

InterfaceLanguage& CurrentInterfaceLanguage()
{
    static InterfaceLanguage language;
    return language;
}

std::string UIText(int n) { return CurrentInterfaceLanguage().Text(n); }

} // namespace tessaly::lang
