// Fonts of the text shapes: the 300 DPI measuring font, cell-height fonts for painting, and the
// pixel extent of a text the way the layout counts it (advance width by cell height).
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

#include <vector>

namespace tessaly::document {

// A font of `family` with the style bits (fsBold, fsItalic, fsUnderline, fsStrikeOut).
QFont StyledFont(const QString& family, unsigned style, bool kerning);
// `font` with an em height of `pixels` (below 1: a null size is kept by the callers).
QFont WithEmPixels(QFont font, int pixels);
// `font` sized so that its ascent plus descent is `pixels`.
QFont WithCellPixels(QFont font, int pixels);
// Advance width and cell height of `text` in pixels.
QSize PixelExtent(const QFont& font, const QString& text);

// Makes the font files (.ttf, .otf, .ttc, .otc) of the program folder and of its "fonts"
// subfolder available to labels, so that a label designed with a font shipped there prints the
// same on any machine. Unreadable files are skipped. Returns the font database's ids of the files
// registered.
std::vector<int> RegisterFolderFonts(const QString& folder);

}  // namespace tessaly::document
