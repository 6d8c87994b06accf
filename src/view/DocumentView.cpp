// TdtpDocumentView: construction, the screen paint of the exposed area, scroll extent and page
// origin, rulers, thumbnails and the 50 ms tick.
#include "view/DocumentView.h"

#include "document/shapes/TextBaseShape.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace tessaly::view {

using namespace tessaly::document;

namespace {

constexpr int kTickMs = 50;
constexpr int kPrintLayoutBorder = 10;

// Every live view, so that a text shape asking to be removed reaches the view of its document.
QList<QPointer<TdtpDocumentView>>& LiveViews()
{
    static QList<QPointer<TdtpDocumentView>> views;
    return views;
}

}  // namespace

TdtpDocumentView::TdtpDocumentView(QWidget* parent)
    : QAbstractScrollArea(parent), FDocument(std::make_unique<TdtpDocument>())
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    FDocument->OnInvalidate = [this](TdtpDocument*, const QRect& rect) { viewport()->update(rect.adjusted(-1, -1, 2, 2)); };
    LiveViews().append(this);
    TdtpTextBaseShape::SetRemoveRequestHandler([](TdtpDocument* document, TdtpShape* shape) {
        for (const QPointer<TdtpDocumentView>& view : LiveViews())
            if (view && &view->Document() == document)
                view->RemoveShapeLater(document, shape);
    });
    FIdle.start();
    FHotZoneClock.start();
    connect(&FTimer, &QTimer::timeout, this, &TdtpDocumentView::Tick);
    FTimer.start(kTickMs);
    connect(&FHotZoneTimer, &QTimer::timeout, this, &TdtpDocumentView::HotZoneStep);
    UpdateScrollExtent();
}

TdtpDocumentView::~TdtpDocumentView()
{
    LiveViews().removeAll(this);
    FDocument->OnInvalidate = nullptr;
}

QColor TdtpDocumentView::BackgroundColor() const { return QColor::fromRgb(ColorToRgb(FDocument->Color())); }

int TdtpDocumentView::PageBorder() const
{
    return FDocument->ViewStyle() == TdtpViewStyleType::vsPrintLayout ? kPrintLayoutBorder : 0;
}

QPoint TdtpDocumentView::PageOrigin() const
{
    const TdtpPage* page = FDocument->CurrentPage();
    return FDocument->DocToScreen(page ? page->LocalToDoc({0, 0}) : QPointF());
}

// ---- painting ----

QImage TdtpDocumentView::RenderViewport(const QRect& clip)
{
    QImage image(clip.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(BackgroundColor());
    TdtpPage* page = FDocument->CurrentPage();
    if (!page)
        return image;
    page->EnsureLoaded();
    const QPointF origin(page->DocLeft(), page->DocTop());
    const QRectF areaMm(ScreenToDoc(clip.topLeft()) - origin, ScreenToDoc(clip.topLeft() + QPoint(clip.width(), clip.height())) - origin);
    TDeviceContext dc = FDocument->ScreenContext();
    dc.BackColor = ColorToRgb(page->PageColor(), 0);
    TdtpScreenHelpers helpers;
    helpers.HelperMethod = FHelperMethod;
    helpers.ShowMargins = FDocument->ShowMargins();
    helpers.FrameAndShadow = FDocument->ViewStyle() == TdtpViewStyleType::vsPrintLayout;
    RenderPageArea(*page, image, areaMm, dc, &helpers);
    return image;
}

void TdtpDocumentView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (FDocument->IsPrinting() || FDocument->IsLoading()) {
        painter.fillRect(event->rect(), BackgroundColor());  // repainted by the tick once it is over
        FWatchedPage = -2;
        return;
    }
    for (const QRect& rect : event->region())
        painter.drawImage(rect.topLeft(), RenderViewport(rect));
    if (FInteraction && FDocument->Mode() == TdtpViewerModeType::vmEdit && !FDocument->ReadOnly())
        FInteraction->PaintOverlay(painter);
}

// ---- scrolling ----

void TdtpDocumentView::UpdateScrollExtent()
{
    const TdtpPage* page = FDocument->CurrentPage();
    const double dpm = FDocument->ScreenDpm();
    const int border = PageBorder();
    if (page) {
        const QRectF box = page->BoundingBox();
        FExtent = QSize(int(std::lround(std::clamp(box.right() * dpm, 0.0, 1.0e8))) + 2 * border,
                        int(std::lround(std::clamp(box.bottom() * dpm, 0.0, 1.0e8))) + 2 * border);
    } else {
        FExtent = QSize();
    }
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, FExtent.width() - client.width()));
    verticalScrollBar()->setRange(0, std::max(0, FExtent.height() - client.height()));
    horizontalScrollBar()->setPageStep(std::max(1, client.width()));
    verticalScrollBar()->setPageStep(std::max(1, client.height()));
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    SyncWindowPosition();
}

void TdtpDocumentView::SyncWindowPosition()
{
    const double dpm = FDocument->ScreenDpm();
    const int border = PageBorder();
    FDocument->SetWindowPosition(float((horizontalScrollBar()->value() - border) / dpm),
                                 float((verticalScrollBar()->value() - border) / dpm));
    UpdateRulers();
}

void TdtpDocumentView::SetScrollPosition(int x, int y)
{
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
    SyncWindowPosition();
}

void TdtpDocumentView::scrollContentsBy(int, int)
{
    SyncWindowPosition();
    viewport()->update();
    if (OnUpdateScrollPosition)
        OnUpdateScrollPosition();
}

void TdtpDocumentView::SetViewStyle(TdtpViewStyleType style)
{
    FDocument->SetViewStyle(style);
    UpdateScrollExtent();
    viewport()->update();
}

void TdtpDocumentView::SetShowMargins(bool value)
{
    FDocument->SetShowMargins(value);
    viewport()->update();
}

void TdtpDocumentView::SetHelperMethod(TdtpHelperMethodType value)
{
    FHelperMethod = value;
    viewport()->update();
}

// ---- rulers ----

void TdtpDocumentView::SetRulers(TdtpRuler* top, TdtpRuler* left, TdtpRulerCorner* corner)
{
    FRulerTop = top;
    FRulerLeft = left;
    FRulerCorner = corner;
    UpdateRulers();
}

void TdtpDocumentView::SetRulerUnits(TRulerUnit units)
{
    FRulerUnits = units;
    UpdateRulers();
}

void TdtpDocumentView::UpdateRulers()
{
    if (!FDocument->CurrentPage())
        return;
    const QPoint origin = PageOrigin();
    const double dpm = FDocument->ScreenDpm();
    if (FRulerTop) {
        FRulerTop->SetUnits(FRulerUnits);
        FRulerTop->SetScale(origin.x(), dpm);
    }
    if (FRulerLeft) {
        FRulerLeft->SetUnits(FRulerUnits);
        FRulerLeft->SetScale(origin.y(), dpm);
    }
    if (FRulerCorner)
        FRulerCorner->SetUnits(FRulerUnits);
}

// ---- thumbnails ----

void TdtpDocumentView::UpdateThumbnail(int index)
{
    if (TdtpPage* page = FDocument->Pages(index)) {
        page->EnsureLoaded();
        FDocument->UpdateThumbnail(index);
    }
}

QImage TdtpDocumentView::GetThumbnail(int index) { return FDocument->GetThumbnail(index); }

// ---- the 50 ms tick ----

void TdtpDocumentView::WatchPage()
{
    const TdtpPage* page = FDocument->CurrentPage();
    const int index = FDocument->CurrentPageIndex();
    const QSizeF size = page ? QSizeF(page->DocWidth(), page->DocHeight()) : QSizeF();
    if (index == FWatchedPage && size == FWatchedSize)
        return;
    FWatchedPage = index;
    FWatchedSize = size;
    UpdateScrollExtent();
    viewport()->update();
}

void TdtpDocumentView::Tick()
{
    if (FDocument->IsPrinting() || FDocument->IsLoading())
        return;
    WatchPage();
    const bool hotZone = FDocument->HotzoneScrolling() != TdtpHZScrollingType::hzsNoScroll;
    if (hotZone != FHotZoneTimer.isActive()) {
        if (hotZone) FHotZoneTimer.start(kTickMs);
        else FHotZoneTimer.stop();
    }
    if (!FDocument->CurrentPage())
        return;
    if (FAutoPageUpdate && FIdle.elapsed() >= FPageUpdateInterval) {
        for (int i = 0; i < FDocument->PageCount(); ++i) {
            TdtpPage* page = FDocument->Pages(i);
            if (page->Loaded() && page->ThumbnailStale())
                UpdateThumbnail(i);
        }
    }
    if (OnAnimate)
        OnAnimate();
    if (TdtpPage* page = FDocument->CurrentPage())
        for (int i = 0; i < page->ChildCount(); ++i)
            page->GetChild(i)->Animate();
}

void TdtpDocumentView::RemoveShapeLater(TdtpDocument*, TdtpShape* shape)
{
    // Removed once the selection change that asked for it is over; by then the shape may be gone.
    QTimer::singleShot(0, this, [this, shape] {
        if (!FDocument->AutoDeleteShape())
            return;
        for (int p = 0; p < FDocument->PageCount(); ++p) {
            TdtpPage* page = FDocument->Pages(p);
            const int index = page->IndexOfChild(shape);
            if (index < 0)
                continue;
            const auto* text = dynamic_cast<const TdtpTextBaseShape*>(shape);
            if (text && text->Text().isEmpty() && !text->Selected()) {
                FDocument->ForgetShape(page->GetChild(index));
                page->DeleteChild(index);
                FDocument->ShapeListChanged();
            }
            return;
        }
    });
}

}  // namespace tessaly::view
