// QPainter adapter of the barcode engine.
#include "barcode/qt/BarcodePainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <array>
#include <cmath>

namespace tessaly::barcode {

QColor colorFromValue(std::uint32_t value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QString fromWindows1252(std::string_view bytes)
{
    // Code points of 0x80-0x9F; 0 marks the five bytes the code page leaves undefined.
    static constexpr std::array<char16_t, 32> k80{
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
        0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char16_t mapped = b >= 0x80 && b < 0xA0 ? k80[b - 0x80] : b;
        out.append(QChar(mapped != 0 ? mapped : char16_t(b)));
    }
    return out;
}

QFont textLineFont(const TFontSpec& fontSpec, const QPaintDevice* device)
{
    QFont font(QString::fromStdString(fontSpec.Name));
    font.setStyleStrategy(QFont::PreferOutline);
    const int height = fontSpec.Height == 0 ? -12 : fontSpec.Height;
    font.setPixelSize(std::max(1, std::abs(height)));
    if (height > 0) {
        // A positive height is the whole cell: scale the em size so ascent + descent fit it.
        const int cell = QFontMetrics(font, device).height();
        if (cell > 0)
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(height) * height / cell))));
    }
    return font;
}

MeasureText measureWith(const QFont& font, const QPaintDevice* device)
{
    return [metrics = QFontMetrics(font, device)](std::string_view text) {
        return TextExtent{metrics.horizontalAdvance(fromWindows1252(text)), metrics.height()};
    };
}

void drawGeometry(QPainter& painter, const BarcodeGeometry& geometry, const QFont& font,
                  const QColor& textColor)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const BarPolygon& bar : geometry.bars) {
        const QColor color = colorFromValue(bar.color);
        QPen pen(color, 1);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(color);
        QPolygon polygon;
        for (const Point& p : bar.corners)
            polygon << QPoint(p.x, p.y);
        painter.drawPolygon(polygon);
    }
    if (!geometry.texts.empty()) {
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font);
        painter.setPen(textColor);
        painter.setBackgroundMode(Qt::TransparentMode);
        const int ascent = QFontMetrics(font, painter.device()).ascent();
        for (const TextPlacement& placement : geometry.texts) {
            painter.save();
            painter.translate(placement.at.x, placement.at.y);
            painter.rotate(-geometry.textAngle);
            painter.drawText(0, ascent, fromWindows1252(placement.text));
            painter.restore();
        }
    }
    painter.restore();
}

void PaintBarcode(QPainter& painter, TAsBarcode& barcode)
{
    const QFont font = textLineFont(barcode.ShowTextFont(), painter.device());
    const BarcodeGeometry geometry = barcode.Layout(measureWith(font, painter.device()));
    drawGeometry(painter, geometry, font, colorFromValue(barcode.ShowTextFont().Color));
}

} // namespace tessaly::barcode
