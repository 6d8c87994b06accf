// Ruler painting: small ticks per unit step, longer ones halfway, numbers at the label step.
#include "view/Ruler.h"

#include <QPainter>

#include <cmath>

namespace tessaly::view {
namespace {

constexpr int kThickness = 22;
constexpr double kMinLabelPixels = 40;  // labels closer than this are thinned out
constexpr double kMinTickPixels = 4;

}  // namespace

QString RulerUnitText(TRulerUnit units)
{
    switch (units) {
    case TRulerUnit::ruCenti: return QStringLiteral("cm");
    case TRulerUnit::ruMilli: return QStringLiteral("mm");
    case TRulerUnit::ruInch: return QStringLiteral("in");
    case TRulerUnit::ruPixel: return QStringLiteral("px");
    case TRulerUnit::ruNone: return {};
    }
    return {};
}

TdtpRuler::TdtpRuler(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), FOrientation(orientation)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (orientation == Qt::Horizontal)
        setFixedHeight(kThickness);
    else
        setFixedWidth(kThickness);
}

QSize TdtpRuler::sizeHint() const { return {kThickness, kThickness}; }

void TdtpRuler::SetUnits(TRulerUnit units)
{
    if (units == FUnits)
        return;
    FUnits = units;
    update();
}

void TdtpRuler::SetScale(double offset, double screenDpm)
{
    if (offset == FOffset && screenDpm == FScreenDpm)
        return;
    FOffset = offset;
    FScreenDpm = screenDpm;
    update();
}

void TdtpRuler::SetHairLine(int position)
{
    if (position == FHairLine)
        return;
    FHairLine = position;
    update();
}

double TdtpRuler::MillimetresPerUnit(TRulerUnit units)
{
    switch (units) {
    case TRulerUnit::ruCenti: return 10;
    case TRulerUnit::ruMilli: return 1;
    case TRulerUnit::ruInch: return 25.4;
    default: return 0;
    }
}

double TdtpRuler::LabelStep() const
{
    const double mm = MillimetresPerUnit(FUnits);
    const double pixelsPerUnit = mm > 0 ? mm * FScreenDpm : 1.0;
    if (!(pixelsPerUnit > 0))
        return 1;
    static const double steps[] = {0.1, 0.25, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000};
    for (double step : steps)
        if (step * pixelsPerUnit >= kMinLabelPixels && (mm > 0 || step >= 1))
            return step;
    return steps[std::size(steps) - 1];
}

void TdtpRuler::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    const bool horizontal = FOrientation == Qt::Horizontal;
    const int length = horizontal ? width() : height();
    painter.setPen(palette().color(QPalette::Mid));
    if (horizontal) painter.drawLine(0, height() - 1, width(), height() - 1);
    else painter.drawLine(width() - 1, 0, width() - 1, height());
    const double mm = MillimetresPerUnit(FUnits);
    const double pixelsPerUnit = mm > 0 ? mm * FScreenDpm : 1.0;
    if (FUnits != TRulerUnit::ruNone && pixelsPerUnit > 0 && std::isfinite(pixelsPerUnit)) {
        const double label = LabelStep();
        const double tick = label / 10 * pixelsPerUnit >= kMinTickPixels ? label / 10 : label / 2;
        QFont font = painter.font();
        font.setPixelSize(9);
        painter.setFont(font);
        painter.setPen(palette().color(QPalette::ButtonText));
        const long long first = (long long)std::floor(-FOffset / pixelsPerUnit / tick);
        const long long last = (long long)std::ceil((length - FOffset) / pixelsPerUnit / tick);
        for (long long k = first; k <= last && last - first < 100000; ++k) {
            const double value = k * tick;
            const int pos = int(std::lround(FOffset + value * pixelsPerUnit));
            const bool labelled = std::fabs(std::remainder(value, label)) < tick / 4;
            const bool half = !labelled && std::fabs(std::remainder(value, label / 2)) < tick / 4;
            const int size = labelled ? kThickness - 2 : half ? 8 : 4;
            if (horizontal) painter.drawLine(pos, kThickness - 1 - size, pos, kThickness - 1);
            else painter.drawLine(kThickness - 1 - size, pos, kThickness - 1, pos);
            if (labelled) {
                const QString text = QString::number(std::round(value * 100) / 100);
                if (horizontal) {
                    painter.drawText(QPoint(pos + 2, 10), text);
                } else {
                    painter.save();
                    painter.translate(10, pos - 2);
                    painter.rotate(-90);
                    painter.drawText(QPoint(0, 0), text);
                    painter.restore();
                }
            }
        }
    }
    if (FHairLine >= 0) {
        painter.setPen(Qt::black);
        if (horizontal) painter.drawLine(FHairLine, 0, FHairLine, height());
        else painter.drawLine(0, FHairLine, width(), FHairLine);
    }
}

TdtpRulerCorner::TdtpRulerCorner(QWidget* parent) : QWidget(parent) { setFixedSize(kThickness, kThickness); }

void TdtpRulerCorner::SetUnits(TRulerUnit units)
{
    FUnits = units;
    update();
}

void TdtpRulerCorner::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, RulerUnitText(FUnits));
}

}  // namespace tessaly::view
