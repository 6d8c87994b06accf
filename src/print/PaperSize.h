// Choosing the printer by name and forcing its paper to the sheet size, in whole millimetres.
#pragma once

#include <QPageSize>
#include <QString>

class QPrinter;

namespace tessaly::print {

// The user-defined paper size the printing system receives, in tenths of a millimetre.
struct PaperTenths {
    int width = 0;
    int length = 0;
};

// Largest paper side the device settings hold, in tenths of a millimetre.
inline constexpr int kMaxPaperTenths = 32760;

// Each side rounded to the nearest whole millimetre (halves to even), times 10, kept within
// 0..kMaxPaperTenths; a side that is not a number counts as 0.
PaperTenths ForcedPaperTenths(double widthMm, double heightMm);

// The custom page size of those tenths, in millimetres.
QPageSize ForcedPageSize(double widthMm, double heightMm);

// `ForcePaperSize`: sets the forced page size on `printer` with no margins. False when a side is
// 0 or the printer refuses it.
bool ForcePaperSize(QPrinter& printer, double widthMm, double heightMm);

// `SelectPrinter`: the printer named exactly `name` when it is installed, else the system's
// default printer (an unknown name given to QPrinter would silently print elsewhere). Returns
// the name now selected, empty when no printer exists.
QString SelectPrinter(QPrinter& printer, const QString& name);

} // namespace tessaly::print
