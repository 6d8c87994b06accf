// TdtpDocumentView: zoom (keeping the window centre on its document point), the mouse wheel,
// hot-zone scrolling, mouse input with the rulers' hair lines, and the view's keyboard commands.
#include "view/DocumentView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace tessaly::view {

using namespace tessaly::document;

namespace {

constexpr float kMinDpm = 0.01f, kMaxDpm = 2000.0f;
constexpr double kHotZoneFraction = 0.07;
constexpr int kMaxHotZoneStepMs = 200;

}  // namespace

// ---- zoom ----

void TdtpDocumentView::SetScreenDpmRaw(float value)
{
    if (!std::isfinite(value) || !(value > 0))
        return;
    value = std::clamp(value, kMinDpm, kMaxDpm);
    FDocument->SetScreenDpm(value);
    if (FDocument->RenderAtScreenRes())
        FDocument->SetRenderDpm(value);
}

void TdtpDocumentView::SetScreenDpm(float value)
{
    SetScreenDpmRaw(value);
    UpdateScrollExtent();
    viewport()->update();
}

void TdtpDocumentView::ZoomBy(double factor)
{
    if (!std::isfinite(factor) || !(factor > 0))
        return;
    const int oldX = horizontalScrollBar()->value(), oldY = verticalScrollBar()->value();
    const QSize client = viewport()->size();
    SetScreenDpmRaw(float(FDocument->ScreenDpm() * factor));
    UpdateScrollExtent();
    // The paper's border does not grow with the zoom: it is kept out of the scaling so that the
    // centre stays exactly on its point.
    const double border = PageBorder();
    const auto scaled = [&](int old, int half) { return int(std::lround(factor * (half + old - border) - half + border)); };
    if (oldX != 0 || oldY != 0)
        SetScrollPosition(scaled(oldX, client.width() / 2), scaled(oldY, client.height() / 2));
    viewport()->update();
}

void TdtpDocumentView::ZoomIn()
{
    FZoomPercent *= 1.1f;
    ZoomBy(1.1);
}

void TdtpDocumentView::ZoomOut()
{
    FZoomPercent /= 1.1f;
    ZoomBy(1 / 1.1);
}

void TdtpDocumentView::ZoomToWidth()
{
    const double width = FDocument->PageWidth();
    if (!(width > 0))
        return;
    const int allowance = FDocument->ViewStyle() == TdtpViewStyleType::vsPrintLayout ? 22 : 0;
    for (int pass = 0; pass < 2; ++pass) {  // again when a scroll bar came or went
        const int client = viewport()->width();
        SetScreenDpmRaw(float((client - allowance) / width));
        UpdateScrollExtent();
        if (viewport()->width() == client)
            break;
    }
    viewport()->update();
}

void TdtpDocumentView::ZoomToPage()
{
    const double width = FDocument->PageWidth(), height = FDocument->PageHeight();
    if (!(width > 0) || !(height > 0))
        return;
    const bool printLayout = FDocument->ViewStyle() == TdtpViewStyleType::vsPrintLayout;
    const int allowance = printLayout ? 23 : 1;
    for (int pass = 0; pass < 2; ++pass) {
        const QSize client = viewport()->size();
        SetScreenDpmRaw(float(std::min((client.width() - allowance) / width, (client.height() - allowance) / height)));
        UpdateScrollExtent();
    }
    FZoomPercent = float(width * FDocument->ScreenDpm() / std::max(1, viewport()->width()) * 100);
    viewport()->update();
}

void TdtpDocumentView::SetZoomPercent(float value)
{
    if (!FAutoWidth || !std::isfinite(value) || !(value > 0))
        return;
    FZoomPercent = value;
    ZoomToWidth();
    ZoomBy(value / 100.0);
}

void TdtpDocumentView::ResetZoom()
{
    FZoomPercent = 100;
    ZoomToWidth();
}

void TdtpDocumentView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const int width = viewport()->width();
    const bool widthChanged = width != FLastClientWidth;
    FLastClientWidth = width;
    if (widthChanged && FAutoWidth && FZoomPercent == 100)
        ZoomToWidth();
    else
        UpdateScrollExtent();
}

// ---- wheel and hot zone ----

void TdtpDocumentView::wheelEvent(QWheelEvent* event)
{
    if (!FScrollWithMouseWheel) {
        event->ignore();
        return;
    }
    NoteActivity();
    const QPoint delta = event->angleDelta();
    const int raw = delta.y() != 0 ? delta.y() : delta.x();
    const bool sideways = (event->modifiers() & Qt::ShiftModifier) || delta.y() == 0;
    QScrollBar* bar = sideways ? horizontalScrollBar() : verticalScrollBar();
    const int lines = raw * QApplication::wheelScrollLines() / 120;
    bar->setValue(bar->value() - lines * bar->singleStep());
    event->accept();
}

void TdtpDocumentView::HotZoneStep()
{
    const QPoint cursor = viewport()->mapFromGlobal(QCursor::pos());
    const int elapsed = int(std::min<qint64>(FHotZoneClock.restart(), kMaxHotZoneStepMs));
    const QWidget* area = parentWidget() ? parentWidget() : viewport();
    const bool inParent = area->rect().contains(area->mapFromGlobal(QCursor::pos()));
    const QSize size = viewport()->size();
    const double zoneX = size.width() * kHotZoneFraction, zoneY = size.height() * kHotZoneFraction;
    const auto depth = [](double position, double length, double zone) {
        if (position < zone) return -std::min(1.0, (zone - position) / zone);
        if (position > length - zone) return std::min(1.0, (position - (length - zone)) / zone);
        return 0.0;
    };
    const double dx = depth(cursor.x(), size.width(), zoneX), dy = depth(cursor.y(), size.height(), zoneY);
    const bool wanted = FDocument->HotzoneScrolling() == TdtpHZScrollingType::hzsAlways
                        || (FInteraction && FInteraction->Dragging())
                        || QApplication::mouseButtons() != Qt::NoButton;
    const double speed = std::hypot(cursor.x() - FHotZoneLastCursor.x(), cursor.y() - FHotZoneLastCursor.y())
                         / std::max(1, elapsed) * 1000;
    FHotZoneLastCursor = cursor;
    if (!inParent || (dx == 0 && dy == 0) || !wanted) {
        if (speed > 30 || !inParent)
            FHotZoneDwell = 10;  // a cursor moving on outside the zone ends the scrolling
        return;
    }
    // Speed grows with the square of the depth, the time since the last step and the dwell time.
    const double deepest = std::max(std::fabs(dx), std::fabs(dy));
    FHotZoneDwell = std::min(FHotZoneDwell + elapsed, 700.0 * (1 + 4 * deepest));
    const double factor = FHotZoneDwell / 700.0;
    const auto step = [&](double d) { return int(std::lround((d < 0 ? -1 : 1) * d * d * elapsed * factor)); };
    SetScrollPosition(horizontalScrollBar()->value() + step(dx), verticalScrollBar()->value() + step(dy));
}

// ---- mouse ----

void TdtpDocumentView::mousePressEvent(QMouseEvent* event)
{
    NoteActivity();
    setFocus(Qt::MouseFocusReason);
    if (FInteraction)
        FInteraction->MouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TdtpDocumentView::mouseMoveEvent(QMouseEvent* event)
{
    NoteActivity();
    const QPoint p = event->position().toPoint();
    if (FRulerTop) FRulerTop->SetHairLine(p.x());
    if (FRulerLeft) FRulerLeft->SetHairLine(p.y());
    if (FInteraction)
        FInteraction->MouseMove(event->buttons(), event->modifiers(), p);
}

void TdtpDocumentView::mouseReleaseEvent(QMouseEvent* event)
{
    NoteActivity();
    if (FInteraction)
        FInteraction->MouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

void TdtpDocumentView::mouseDoubleClickEvent(QMouseEvent* event)
{
    NoteActivity();
    if (FInteraction)
        FInteraction->MouseDblClick(event->button(), event->modifiers(), event->position().toPoint());
}

void TdtpDocumentView::leaveEvent(QEvent* event)
{
    if (FRulerTop) FRulerTop->SetHairLine(-1);
    if (FRulerLeft) FRulerLeft->SetHairLine(-1);
    QAbstractScrollArea::leaveEvent(event);
}

// ---- keyboard ----

void TdtpDocumentView::keyPressEvent(QKeyEvent* event)
{
    if (!FAllowKeyInput) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    NoteActivity();
    int key = event->key();
    if (FInteraction && FInteraction->KeyDown(key, event->modifiers())) {
        for (QChar c : event->text())  // a shape being edited takes the characters too
            FInteraction->KeyPress(c);
        return;
    }
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    try {
        if (key == Qt::Key_Escape) {
            if (FInteraction) FInteraction->CancelInteraction();
        } else if (key == Qt::Key_Delete) {
            FDocument->DeleteSelection();
        } else if (key == Qt::Key_F2) {
            if (FInteraction) FInteraction->StartEditSelection();
            else if (TdtpShape* shape = FDocument->Selection(0)) shape->StartEdit();
        } else if (key == Qt::Key_F5) {
            if (TdtpPage* page = FDocument->CurrentPage()) page->Rebuild();
            viewport()->update();
        } else if (ctrl && key == Qt::Key_C) {
            if (FInteraction) FInteraction->CopyToClipboard();
        } else if (ctrl && key == Qt::Key_V) {
            if (FInteraction) FInteraction->PasteFromClipboard();
        } else if (ctrl && key == Qt::Key_X) {
            if (FInteraction) FInteraction->CutToClipboard();
        } else {
            QAbstractScrollArea::keyPressEvent(event);
        }
    } catch (const DocumentError&) {
        // a command refused while the document is busy does nothing
    }
}

void TdtpDocumentView::keyReleaseEvent(QKeyEvent* event)
{
    int key = event->key();
    if (!FAllowKeyInput || !FInteraction || !FInteraction->KeyUp(key, event->modifiers()))
        QAbstractScrollArea::keyReleaseEvent(event);
}

}  // namespace tessaly::view
