// Which control of the main window takes which interface text at start-up: plain data that the
// main window walks with findChild, plus the composed captions of the key generator tab.
#pragma once

#include "lang/UIText.h"

#include <span>
#include <string>
#include <string_view>

namespace tessaly::lang {

enum class TextProperty {
    Caption,  // the control's visible text: label, button, check or radio box, group box title,
              // or the tab text of a tab page
    Hint,     // the tool tip of a (speed) button
    MenuItem, // the text of a menu item (a QAction with that objectName)
};

struct InterfaceTextBinding {
    std::string_view objectName;
    TextProperty property;
    int text;
};

// A list whose items are replaced by these texts, in order (the list is emptied first).
struct InterfaceListBinding {
    std::string_view objectName;
    std::span<const int> texts;
};

// A title of the article grid: column 16 is "quantite", 17 "topp" (0 is the hidden "num").
struct GridTitleBinding {
    int column;
    int text;
};

// A key generator caption: prefix + text + digitsBefore + text 189 ("Chiffres") + ")".
struct ComposedLabelBinding {
    std::string_view objectName;
    std::string_view prefix;
    int text;
    std::string_view digitsBefore;
};

inline constexpr int kDigitsText = 189;

// In the order the window applies them; one entry per control (a text number serving several
// controls appears once per control).
std::span<const InterfaceTextBinding> InterfaceTextBindings();
std::span<const InterfaceListBinding> InterfaceListBindings();
std::span<const GridTitleBinding> ArticleGridTitleBindings();
std::span<const ComposedLabelBinding> KeyGeneratorLabelBindings();

// The caption of a key generator label in `language`.
std::string ComposedLabelText(const ComposedLabelBinding& binding,
                              const InterfaceLanguage& language = CurrentInterfaceLanguage());

} // namespace tessaly::lang
