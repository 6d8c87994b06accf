// The rulers of the design surface: a top and a left ruler in the document's ruler unit, with a
// hair line that follows the mouse, and the corner between them showing the unit.
#pragma once

#include <QWidget>

namespace tessaly::view {

enum class TRulerUnit { ruCenti, ruMilli, ruInch, ruPixel, ruNone };

class TdtpRuler : public QWidget {
    Q_OBJECT
public:
    explicit TdtpRuler(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation Orientation() const { return FOrientation; }
    TRulerUnit Units() const { return FUnits; }
    void SetUnits(TRulerUnit units);
    // Pixel position (along the ruler) of the page's 0 and pixels per millimetre.
    double Offset() const { return FOffset; }
    double ScreenDpm() const { return FScreenDpm; }
    void SetScale(double offset, double screenDpm);
    // The hair line at a pixel position along the ruler; negative hides it.
    int HairLine() const { return FHairLine; }
    void SetHairLine(int position);

    // Millimetres per ruler unit (0 for pixels and none).
    static double MillimetresPerUnit(TRulerUnit units);
    // Distance in units between two labelled marks, so that labels stay readable at any zoom.
    double LabelStep() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation FOrientation;
    TRulerUnit FUnits = TRulerUnit::ruMilli;
    double FOffset = 0, FScreenDpm = 5.905512;
    int FHairLine = -1;
};

class TdtpRulerCorner : public QWidget {
    Q_OBJECT
public:
    explicit TdtpRulerCorner(QWidget* parent = nullptr);
    void SetUnits(TRulerUnit units);
    TRulerUnit Units() const { return FUnits; }
    QSize sizeHint() const override { return {22, 22}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TRulerUnit FUnits = TRulerUnit::ruMilli;
};

QString RulerUnitText(TRulerUnit units);

}  // namespace tessaly::view
