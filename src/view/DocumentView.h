// TdtpDocumentView: the widget that shows the current page of a document at a zoom, scrolls it,
// paints the exposed part through the render pipeline, drives the rulers, the wheel, hot-zone
// scrolling, the view's keyboard commands, the 50 ms timer (animation, automatic page update)
// and the page thumbnails. Mouse and key input for editing go to a TdtpViewInteraction.
#pragma once

#include "document/core/Document.h"
#include "document/shapes/DocumentPainter.h"
#include "view/Ruler.h"

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace tessaly::view {

using document::TdtpDocument;
using document::TdtpHelperMethodType;

// What the interactive editing plugs into the view. Positions are viewport pixels; the document's
// ScreenToDoc converts them. Key handlers return true when they consumed the key (a shape is edited).
class TdtpViewInteraction {
public:
    virtual ~TdtpViewInteraction() = default;
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) {}
    virtual void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position) {}
    virtual void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) {}
    virtual void MouseDblClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position) {}
    virtual bool KeyDown(int& key, Qt::KeyboardModifiers modifiers) { return false; }
    virtual bool KeyPress(QChar& key) { return false; }
    virtual bool KeyUp(int& key, Qt::KeyboardModifiers modifiers) { return false; }
    virtual void CancelInteraction() {}   // Escape: ends a drag and cancels a pending insertion
    virtual void StartEditSelection() {}  // F2: edits the first selected shape
    virtual void CopyToClipboard() {}
    virtual void CutToClipboard() {}
    virtual void PasteFromClipboard() {}
    virtual bool Dragging() const { return false; }  // a button drag is running (hot-zone scrolling)
    // Handles, edit decorations and previews, drawn over the page after each paint.
    virtual void PaintOverlay(QPainter& painter) {}
};

class TdtpDocumentView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TdtpDocumentView(QWidget* parent = nullptr);
    ~TdtpDocumentView() override;

    TdtpDocument& Document() { return *FDocument; }
    const TdtpDocument& Document() const { return *FDocument; }

    // ---- zoom ----
    float ScreenDpm() const { return FDocument->ScreenDpm(); }
    void SetScreenDpm(float value);
    float ZoomPercent() const { return FZoomPercent; }
    void SetZoomPercent(float value);  // only while AutoWidth is on
    bool AutoWidth() const { return FAutoWidth; }
    void SetAutoWidth(bool value) { FAutoWidth = value; }
    void ZoomIn();
    void ZoomOut();
    void ZoomToPage();
    void ZoomToWidth();
    void ResetZoom();
    void ZoomBy(double factor);

    // ---- view settings ----
    TdtpHelperMethodType HelperMethod() const { return FHelperMethod; }
    void SetHelperMethod(TdtpHelperMethodType value);
    bool ScrollWithMouseWheel() const { return FScrollWithMouseWheel; }
    void SetScrollWithMouseWheel(bool value) { FScrollWithMouseWheel = value; }
    bool AllowKeyInput() const { return FAllowKeyInput; }
    void SetAllowKeyInput(bool value) { FAllowKeyInput = value; }
    bool AutoPageUpdate() const { return FAutoPageUpdate; }
    void SetAutoPageUpdate(bool value) { FAutoPageUpdate = value; }
    int PageUpdateInterval() const { return FPageUpdateInterval; }
    void SetPageUpdateInterval(int ms) { FPageUpdateInterval = ms; }
    QColor BackgroundColor() const;  // the document's Color around the page
    void SetViewStyle(document::TdtpViewStyleType style);  // updates the extent and repaints
    void SetShowMargins(bool value);

    // ---- rulers ----
    void SetRulers(TdtpRuler* top, TdtpRuler* left, TdtpRulerCorner* corner);
    TRulerUnit RulerUnits() const { return FRulerUnits; }
    void SetRulerUnits(TRulerUnit units);
    void UpdateRulers();

    // ---- coordinates: the document's own conversion, viewport pixels <-> page millimetres ----
    QPointF ScreenToDoc(QPointF pixel) const { return FDocument->ScreenToDoc(pixel); }
    QPoint DocToScreen(QPointF mm) const { return FDocument->DocToScreen(mm); }
    QPoint PageOrigin() const;  // viewport pixel of the current page's (0, 0)
    int PageBorder() const;     // 10 pixels around the paper in print layout, 0 in normal view

    // ---- scroll extent ----
    void UpdateScrollExtent();
    QSize ScrollExtent() const { return FExtent; }

    // ---- thumbnails ----
    QImage GetThumbnail(int index);  // regenerated first when stale
    void UpdateThumbnail(int index);

    // ---- input and timers ----
    void SetInteraction(TdtpViewInteraction* interaction) { FInteraction = interaction; }
    TdtpViewInteraction* Interaction() const { return FInteraction; }
    void Tick();  // one 50 ms step: automatic page update, OnAnimate, shape animation
    void HotZoneStep();  // one hot-zone sample (the hot-zone timer calls it)

    // Renders the exposed rectangle `clip` (viewport pixels) exactly as the screen shows it.
    QImage RenderViewport(const QRect& clip);

    std::function<void()> OnAnimate, OnUpdateScrollPosition;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetScreenDpmRaw(float value);
    void SyncWindowPosition();
    void SetScrollPosition(int x, int y);
    void RemoveShapeLater(TdtpDocument* document, document::TdtpShape* shape);
    void NoteActivity() { FIdle.restart(); }
    void WatchPage();

    std::unique_ptr<TdtpDocument> FDocument;
    TdtpViewInteraction* FInteraction = nullptr;
    QPointer<TdtpRuler> FRulerTop, FRulerLeft;
    QPointer<TdtpRulerCorner> FRulerCorner;
    TRulerUnit FRulerUnits = TRulerUnit::ruMilli;
    TdtpHelperMethodType FHelperMethod = TdtpHelperMethodType::hmNone;
    QTimer FTimer, FHotZoneTimer;
    QElapsedTimer FIdle, FHotZoneClock;
    QPoint FHotZoneLastCursor;
    double FHotZoneDwell = 10;
    QSize FExtent;
    float FZoomPercent = 100;
    int FLastClientWidth = -1;
    int FWatchedPage = -2;
    QSizeF FWatchedSize;
    int FPageUpdateInterval = 2000;
    bool FAutoWidth = true, FScrollWithMouseWheel = true, FAllowKeyInput = true, FAutoPageUpdate = false;
};

}  // namespace tessaly::view
