// Interface texts of the main window: the text lookup UIText and applying texts to controls.
#pragma once

#include <QString>

class QWidget;

namespace tessaly::app {

// The window's view of the language service: text n of the language file when one was loaded,
// otherwise of the built-in table in the column of the parameter file's language.
class InterfaceTexts {
public:
    InterfaceTexts();
    ~InterfaceTexts();

    void load(const QString& programFolder); // reads "tessaly.lg"; a bad file is ignored
    void setLanguage(int language);
    QString text(int n) const;

    QString fontName() const; // the interface font named by the language file, or empty
    int charset() const;

private:
    struct State;
    State* state_;
};

// Sets every control of the window named in the text bindings from its text number.
void ApplyInterfaceTexts(QWidget* window, const InterfaceTexts& texts);

} // namespace tessaly::app
