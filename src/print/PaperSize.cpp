// Printer choice and the forced paper size.
#include "print/PaperSize.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cfenv>
#include <cmath>

namespace tessaly::print {

namespace {

int TenthsOf(double mm)
{
    if (!std::isfinite(mm))
        return std::isinf(mm) && mm > 0 ? kMaxPaperTenths : 0;
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);   // nearbyint then rounds halves to even
    const double whole = std::nearbyint(std::clamp(mm, 0.0, double(kMaxPaperTenths)));
    std::fesetround(previous);
    return std::min(int(whole) * 10, kMaxPaperTenths);
}

} // namespace

PaperTenths ForcedPaperTenths(double widthMm, double heightMm)
{
    return {TenthsOf(widthMm), TenthsOf(heightMm)};
}

QPageSize ForcedPageSize(double widthMm, double heightMm)
{
    const PaperTenths tenths = ForcedPaperTenths(widthMm, heightMm);
    return QPageSize(QSizeF(tenths.width / 10.0, tenths.length / 10.0), QPageSize::Millimeter,
                     QStringLiteral("Custom"), QPageSize::ExactMatch);
}

bool ForcePaperSize(QPrinter& printer, double widthMm, double heightMm)
{
    const PaperTenths tenths = ForcedPaperTenths(widthMm, heightMm);
    if (tenths.width <= 0 || tenths.length <= 0)
        return false;
    const QPageSize size = ForcedPageSize(widthMm, heightMm);
    printer.setFullPage(true);
    return printer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

QString SelectPrinter(QPrinter& printer, const QString& name)
{
    QPrinterInfo info = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
    if (info.isNull())
        info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {};
    printer.setPrinterName(info.printerName());
    return info.printerName();
}

} // namespace tessaly::print
