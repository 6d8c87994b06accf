// The widget-free half of the interface font: which font the language file asks for, and which
// kinds of controls the font walk (Tgerefonte) changes.
#pragma once

#include "lang/LanguageFile.h"

#include <string>

namespace tessaly::lang {

struct InterfaceFontChoice {
    // True: use the name and character set of the system's menu font.
    bool useSystemMenuFont = true;
    // The font named by the language file (surrounding blanks removed); empty with the system font.
    std::string name;
    // The language file's character set, at least 1; meaningful only with a named font.
    int charset = 1;
    // 0 = keep every control's size.
    int size = 0;
};

// The font named on line 2 of a loaded language file with the character set of line 3;
// otherwise (no file, a bad file, an empty or blank name) the system's menu font.
InterfaceFontChoice ChooseInterfaceFont(const Tgerelanguage& languageFile);

// The kinds of controls the walk meets.
enum class FontControlKind {
    GroupBox, Label, LabelledEdit, BitmapButton, TabSheet, RadioButton, ComboBox, ListBox,
    CheckBox, DatabaseGrid, StringGrid, SpeedButton,
    // These keep their fonts:
    Edit, Memo, Panel, PageControl, Other,
};

// True for the kinds whose font name and character set (and size when not 0) are set.
bool TakesInterfaceFont(FontControlKind kind);
// True when the column titles take the font too (the database grid).
bool TitlesTakeInterfaceFont(FontControlKind kind);

} // namespace tessaly::lang
