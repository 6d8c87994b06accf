// DesignTab: the drawing area of the design tab, the label document `Fdocument` between its top
// and left rulers, with the zoom buttons `spzoomplus`, `spzoommoins` and `spzoompage`.
#pragma once

#include "view/DocumentView.h"

#include <QWidget>

#include <functional>

class QToolButton;

namespace tessaly::app {

class DesignTab : public QWidget {
    Q_OBJECT
public:
    // `uiText` gives interface text n (the button hints use texts 41, 44 and 45).
    explicit DesignTab(std::function<QString(int)> uiText, QWidget* parent = nullptr);

    view::TdtpDocumentView* Fdocument() const { return FView; }
    view::TdtpRuler* RulerTop() const { return FRulerTop; }
    view::TdtpRuler* RulerLeft() const { return FRulerLeft; }
    view::TdtpRulerCorner* RulerCorner() const { return FCorner; }
    QWidget* ZoomBar() const { return FZoomBar; }  // the three zoom buttons, for the tool bar

    // Re-reads the hints after a language change.
    void RetranslateHints();

private:
    QToolButton* AddZoomButton(const char* objectName, const QString& symbol, void (view::TdtpDocumentView::*command)());

    std::function<QString(int)> FUiText;
    view::TdtpDocumentView* FView;
    view::TdtpRuler* FRulerTop;
    view::TdtpRuler* FRulerLeft;
    view::TdtpRulerCorner* FCorner;
    QWidget* FZoomBar;
};

}  // namespace tessaly::app
