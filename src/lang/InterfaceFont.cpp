// Choosing the interface font from the language file.
#include "lang/InterfaceFont.h"

#include <string_view>

namespace tessaly::lang {

InterfaceFontChoice ChooseInterfaceFont(const Tgerelanguage& languageFile)
{
    InterfaceFontChoice choice;
    if (!languageFile.Loaded())
        return choice;
    std::string_view name = languageFile.FontName();
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return choice;
    name = name.substr(first, name.find_last_not_of(" \t") - first + 1);
    choice.useSystemMenuFont = false;
    choice.name = std::string(name);
    choice.charset = languageFile.Charset() < 1 ? 1 : languageFile.Charset();
    return choice;
}

bool TakesInterfaceFont(FontControlKind kind)
{
    switch (kind) {
    case FontControlKind::Edit:
    case FontControlKind::Memo:
    case FontControlKind::Panel:
    case FontControlKind::PageControl:
    case FontControlKind::Other:
        return false;
    default:
        return true;
    }
}

bool TitlesTakeInterfaceFont(FontControlKind kind) { return kind == FontControlKind::DatabaseGrid; }

} // namespace tessaly::lang
