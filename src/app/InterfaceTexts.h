// Interface texts of the main window: the text lookup UIText and applying texts to controls.
#pragma once

#include <QString>

class QWidget;

namespace tessaly::app {

// The window's view of the process-wide language service of the lang module.
class InterfaceTexts {
public:
    void load(const QString& programFolder); // reads "tessaly.lg"; a bad file is ignored
    void setLanguage(int language);
    QString text(int n) const;

    QString fontName() const; // the interface font named by the language file, or empty
    int charset() const;
};

// Sets every control of the window named in the text bindings from its text number: captions,
// hints, menu items, the lists rebuilt from texts and the key generator's composed captions.
void ApplyInterfaceTexts(QWidget* window, const InterfaceTexts& texts);

} // namespace tessaly::app
