// The interface font walk: which controls of a window take the interface font.
#pragma once

#include <QString>
#include <initializer_list>

class QWidget;

namespace tessaly::app {

// Tgerefonte: sets the font name (and the size when not 0) on every label, group box, button,
// tab page, radio and check box, combo and list box and table below `container`. Edit fields
// keep their own font. The character set has no counterpart in Qt's fonts and is ignored.
struct Tgerefonte {
    static void ApplyFont(QWidget* container, const QString& fontName, int size, int charset);
};

// Applies the interface font named by the language file, or the system's menu font, with
// size 0 (sizes unchanged) to each window.
void ApplyInterfaceFont(const QString& fontName, int charset, std::initializer_list<QWidget*> windows);

} // namespace tessaly::app
