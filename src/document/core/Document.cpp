// TdtpDocument: pages, current page, defaults, counters with deferred events, selection order.
#include "document/core/Document.h"

#include "document/storage/TdtpStorage.h"

#include <algorithm>
#include <cmath>

namespace tessaly::document {

TdtpDocument::TdtpDocument() : FArchive(std::make_unique<TdtpStorage>())
{
    BuildHitProbes();
    SuspendUndo();
    AddPage();
    ResumeUndo();
    FModified = false;
}

TdtpDocument::~TdtpDocument()
{
    // Pages detach from the document first so that no shape reports to a half-destroyed one.
    OnInvalidate = nullptr;
    for (auto& page : FPages)
        page->SetDocument(nullptr);
    FPages.clear();
}

// ---- pages ----

TdtpPage* TdtpDocument::Pages(int index) const
{
    if (index < 0 || index >= int(FPages.size()))
        return nullptr;
    return FPages[size_t(index)].get();
}

int TdtpDocument::PageIndexOf(const TdtpPage* page) const
{
    for (size_t i = 0; i < FPages.size(); ++i)
        if (FPages[i].get() == page)
            return int(i);
    return -1;
}

void TdtpDocument::SetPageCount(int count)
{
    if (count < 0 || count > kMaxPages)
        throw DocumentError("Invalid page count");
    while (PageCount() < count)
        AddPage();
    while (PageCount() > count)
        DeletePage(PageCount() - 1);
}

int TdtpDocument::AddPage(std::unique_ptr<TdtpPage> page)
{
    if (!page) {
        page = std::make_unique<TdtpPage>();
        page->StoreGeometryUnrecorded(0, 0, FDefaultPageWidth, FDefaultPageHeight);
    }
    TdtpPage* raw = page.get();
    FPages.push_back(std::move(page));
    raw->SetParent(nullptr);
    raw->SetDocument(this);
    const int index = int(FPages.size()) - 1;
    if (FCurrentPageIndex < 0)
        FCurrentPageIndex = index;
    ShapeChanged(raw);
    PageChanged(raw);
    return index;
}

std::unique_ptr<TdtpPage> TdtpDocument::TakePage(int index)
{
    std::unique_ptr<TdtpPage> page = std::move(FPages[size_t(index)]);
    FPages.erase(FPages.begin() + index);
    ShapeDestroyed(page.get());
    page->SetDocument(nullptr);
    return page;
}

void TdtpDocument::DeletePage(int index)
{
    if (!Pages(index))
        return;
    RenumberStreamsAfterDelete(index);
    TakePage(index);  // freed here
    SetModified(true);
    for (int k = index; k < PageCount(); ++k)
        PageChanged(Pages(k));
    if (FPages.empty())
        FCurrentPageIndex = -1;
    else if (index < FCurrentPageIndex || FCurrentPageIndex >= PageCount())
        FCurrentPageIndex = std::max(0, FCurrentPageIndex - 1);
    if (TdtpPage* current = CurrentPage())
        current->EnsureLoaded();
}

void TdtpDocument::SetCurrentPageIndex(int index)
{
    TdtpPage* target = Pages(index);
    if (!target)
        return;
    target->EnsureLoaded();
    PageChanged(target);
    if (index == FCurrentPageIndex)
        return;
    if (TdtpPage* old = CurrentPage(); old && FPerformance == TdtpDocPerformanceType::dpMemoryOverSpeed)
        old->FreeCaches();
    FCurrentPageIndex = index;
    SetFocusedShape(nullptr);
    PageChanged(target);
}

float TdtpDocument::PageWidth() const { return CurrentPage() ? CurrentPage()->DocWidth() : 0.0f; }

float TdtpDocument::PageHeight() const { return CurrentPage() ? CurrentPage()->DocHeight() : 0.0f; }

void TdtpDocument::SetPageWidth(float value)
{
    if (TdtpPage* page = CurrentPage())
        page->SetPageSize(value, page->DocHeight());
}

void TdtpDocument::SetPageHeight(float value)
{
    if (TdtpPage* page = CurrentPage())
        page->SetPageSize(page->DocWidth(), value);
}

void TdtpDocument::ClearDocument()
{
    FFocusedShape = nullptr;
    while (!FPages.empty())
        TakePage(int(FPages.size()) - 1);
    FCurrentPageIndex = -1;
    ClearUndo();
    FArchive->Clear();
}

void TdtpDocument::ResetDocument()
{
    ClearDocument();
    FHandleColor = 0xFFFFFF;
    FHandleEdgeColor = 0;
    FHotzoneScrolling = TdtpHZScrollingType::hzsNoScroll;
    FModified = true;
    FQuality = TdtpStretchFilter::sfLinear;
    FRenderDpm = kDpm150;
    FScreenDpm = kDpm150;
    FThumbnailWidth = 80;
    FThumbnailHeight = 60;
    FViewStyle = TdtpViewStyleType::vsPrintLayout;
    FStoreThumbnails = true;
    FShowMargins = true;
    std::fill(std::begin(FDefaultMargins), std::end(FDefaultMargins), 10.0f);
    FDefaultPageColor = 0xFFFFFF;
    FDefaultPageWidth = 210;
    FDefaultPageHeight = 297;
    FDefaultGridColor = 0xFFFFC0;
    FDefaultGridSize = 5;
}

void TdtpDocument::NewDocument()
{
    ResetDocument();
    SuspendUndo();
    AddPage();
    ResumeUndo();
    SetModified(false);
    PageChanged(nullptr);
}

// ---- shapes of the current page ----

int TdtpDocument::ShapeCount() const { return CurrentPage() ? CurrentPage()->ChildCount() : 0; }

TdtpShape* TdtpDocument::Shapes(int index) const
{
    return CurrentPage() ? CurrentPage()->GetChild(index) : nullptr;
}

int TdtpDocument::AddShape(std::unique_ptr<TdtpShape> shape)
{
    TdtpPage* page = CurrentPage();
    if (!page || !shape)
        return -1;
    const int index = page->AddChild(std::move(shape));
    ShapeListChanged();
    return index;
}

void TdtpDocument::DeleteShape(int index)
{
    TdtpPage* page = CurrentPage();
    if (!page || !page->GetChild(index))
        return;
    ForgetShape(page->GetChild(index));
    page->DeleteChild(index);
    ShapeListChanged();
}

void TdtpDocument::MoveShape(int fromIndex, int toIndex)
{
    if (TdtpPage* page = CurrentPage()) {
        page->MoveChild(fromIndex, toIndex);
        ShapeListChanged();
    }
}

void TdtpDocument::SendSelectionBackward()
{
    CheckNotBusy();
    for (int i = 1; i < ShapeCount(); ++i)
        if (!Shapes(i - 1)->Selected() && Shapes(i)->Selected())
            MoveShape(i - 1, i);
}

void TdtpDocument::BringSelectionForward()
{
    CheckNotBusy();
    for (int i = ShapeCount() - 2; i >= 0; --i)
        if (!Shapes(i + 1)->Selected() && Shapes(i)->Selected())
            MoveShape(i + 1, i);
}

int TdtpDocument::SelectionCount() const
{
    int count = 0;
    for (int i = 0; i < ShapeCount(); ++i)
        count += Shapes(i)->Selected() ? 1 : 0;
    return count;
}

TdtpShape* TdtpDocument::Selection(int index) const
{
    for (int i = 0; i < ShapeCount(); ++i)
        if (Shapes(i)->Selected() && index-- == 0)
            return Shapes(i);
    return nullptr;
}

void TdtpDocument::ClearSelection()
{
    BeginUpdate();
    for (int i = 0; i < ShapeCount(); ++i)
        Shapes(i)->SetSelected(false);
    EndUpdate();
}

void TdtpDocument::DeleteSelection()
{
    CheckNotBusy();
    BeginUpdate();
    for (int i = ShapeCount() - 1; i >= 0; --i)
        if (Shapes(i)->Selected() && Shapes(i)->AllowDelete())
            DeleteShape(i);
    EndUpdate();
}

TdtpShape* TdtpDocument::FocusedShape() const
{
    const TdtpPage* page = CurrentPage();
    return page && page->IndexOfChild(FFocusedShape) >= 0 ? FFocusedShape : nullptr;
}

void TdtpDocument::SetFocusedShape(TdtpShape* shape)
{
    if (shape == FFocusedShape)
        return;
    FFocusedShape = shape;
    if (IsUpdating())
        FPendingFocusChanged = true;
    else if (OnFocusShape)
        OnFocusShape(this, shape);
}

void TdtpDocument::ForgetShape(TdtpShape* shape)
{
    for (TdtpShape* s = FFocusedShape; s; s = s->Parent())
        if (s == shape) {
            SetFocusedShape(nullptr);
            return;
        }
}

// ---- defaults ----

void TdtpDocument::ApplyDefaultsToPages()
{
    for (auto& page : FPages)
        page->FollowDefaults();
}

#define TESSALY_DEFAULT_SETTER(Setter, Type, Field, Follow) \
    void TdtpDocument::Setter(Type value)                    \
    {                                                        \
        if (Field == value)                                  \
            return;                                          \
        Field = value;                                       \
        if (Follow)                                          \
            ApplyDefaultsToPages();                          \
        DocumentChanged();                                   \
    }

TESSALY_DEFAULT_SETTER(SetDefaultPageWidth, float, FDefaultPageWidth, true)
TESSALY_DEFAULT_SETTER(SetDefaultPageHeight, float, FDefaultPageHeight, true)
TESSALY_DEFAULT_SETTER(SetDefaultMarginLeft, float, FDefaultMargins[0], false)
TESSALY_DEFAULT_SETTER(SetDefaultMarginTop, float, FDefaultMargins[1], false)
TESSALY_DEFAULT_SETTER(SetDefaultMarginRight, float, FDefaultMargins[2], false)
TESSALY_DEFAULT_SETTER(SetDefaultMarginBottom, float, FDefaultMargins[3], false)
TESSALY_DEFAULT_SETTER(SetDefaultGridSize, float, FDefaultGridSize, false)
TESSALY_DEFAULT_SETTER(SetDefaultGridColor, TColor, FDefaultGridColor, false)
TESSALY_DEFAULT_SETTER(SetDefaultPageColor, TColor, FDefaultPageColor, false)
TESSALY_DEFAULT_SETTER(SetDefaultBackgroundTiled, bool, FDefaultBackgroundTiled, false)
TESSALY_DEFAULT_SETTER(SetShowMargins, bool, FShowMargins, false)

#undef TESSALY_DEFAULT_SETTER

// ---- settings ----

void TdtpDocument::SetModified(bool value)
{
    FModified = value;
    if (!value)
        for (auto& page : FPages)
            page->SetModified(false);
}

void TdtpDocument::SetReadOnly(bool value)
{
    FReadOnly = value;
    if (value) {
        ClearSelection();
        if (FMode == TdtpViewerModeType::vmEdit)
            FMode = TdtpViewerModeType::vmBrowse;
    }
}

void TdtpDocument::SetMode(TdtpViewerModeType mode)
{
    if (mode == TdtpViewerModeType::vmEdit && FReadOnly)
        return;
    FMode = mode;
}

void TdtpDocument::SetRenderDPI(float value) { SetRenderDpm(float(double(value) / 25.4)); }

void TdtpDocument::SetRenderDpm(float value)
{
    if (value == FRenderDpm)
        return;
    FRenderDpm = value;
    if (TdtpPage* page = CurrentPage()) {
        page->FreeCaches();
        page->Rebuild();
    }
}

float TdtpDocument::PrinterDpm() const
{
    switch (FPrintQuality) {
    case TdtpPrintQualityType::pqLow: return kDpm150;
    case TdtpPrintQualityType::pqMedium: return kDpm300;
    case TdtpPrintQualityType::pqHigh: return kDpm600;
    case TdtpPrintQualityType::pqDevice: return 0;
    }
    return 0;
}

QPointF TdtpDocument::ScreenToDoc(QPointF p) const
{
    return {p.x() / FScreenDpm + FWindowLeft, p.y() / FScreenDpm + FWindowTop};
}

QPointF TdtpDocument::DocToScreenF(QPointF p) const
{
    return {(p.x() - FWindowLeft) * FScreenDpm, (p.y() - FWindowTop) * FScreenDpm};
}

QPoint TdtpDocument::DocToScreen(QPointF p) const { return DocToScreenF(p).toPoint(); }

void TdtpDocument::SetHitSensitivity(float value)
{
    FHitSensitivity = value;
    BuildHitProbes();
}

void TdtpDocument::BuildHitProbes()
{
    const double scaled = std::nearbyint(double(FHitSensitivity) * 4);  // rounds half to even
    const int r = std::isfinite(scaled) ? std::clamp(int(scaled), 0, 400) / 2 : 0;
    const int q = int(std::nearbyint(r * 0.71));
    FHitProbes.assign(1, QPoint(0, 0));
    for (int k = r; k >= 1; --k)
        FHitProbes.insert(FHitProbes.end(), {QPoint(k, 0), QPoint(-k, 0), QPoint(0, k), QPoint(0, -k)});
    FHitProbes.insert(FHitProbes.end(), {QPoint(q, q), QPoint(-q, q), QPoint(q, -q), QPoint(-q, -q)});
}

void TdtpDocument::SetThumbnailSize(int width, int height)
{
    if (width == FThumbnailWidth && height == FThumbnailHeight)
        return;
    FThumbnailWidth = width;
    FThumbnailHeight = height;
    for (auto& page : FPages)
        page->SetThumbnailStale();
}

// ---- counters and events ----

void TdtpDocument::EndUpdate()
{
    if (FUpdateCount <= 0)
        throw DocumentError("EndUpdate called more often than BeginUpdate");
    if (--FUpdateCount > 0)
        return;
    if (std::exchange(FPendingShapeChanged, false) && OnShapeChanged)
        OnShapeChanged(this, nullptr);
    if (std::exchange(FPendingSelectionChanged, false) && OnSelectionChanged)
        OnSelectionChanged(this);
    if (std::exchange(FPendingFocusChanged, false) && OnFocusShape)
        OnFocusShape(this, FocusedShape());
}

void TdtpDocument::BeginUndo()
{
    if (FUndoGroupDepth++ == 0)
        FUndoGroupHasRecord = false;
}

void TdtpDocument::EndUndo()
{
    if (FUndoGroupDepth <= 0)
        throw DocumentError("EndUndo called more often than BeginUndo");
    --FUndoGroupDepth;
}

void TdtpDocument::EndPrinting()
{
    if (FPrintingCount <= 0)
        throw DocumentError("EndPrinting called more often than BeginPrinting");
    --FPrintingCount;
}

void TdtpDocument::CheckNotBusy() const
{
    if (FBusyCount > 0)
        throw DocumentError("Threading error (working already)");
}

void TdtpDocument::ShapeChanged(TdtpShape* shape)
{
    if (FLoading)
        return;
    FModified = true;
    if (IsUpdating())
        FPendingShapeChanged = true;
    else if (OnShapeChanged)
        OnShapeChanged(this, shape);
}

void TdtpDocument::SelectionChanged()
{
    if (IsUpdating())
        FPendingSelectionChanged = true;
    else if (OnSelectionChanged)
        OnSelectionChanged(this);
}

void TdtpDocument::ShapeDestroyed(TdtpShape* shape)
{
    ForgetShape(shape);
    if (OnShapeDestroy)
        OnShapeDestroy(this, shape);
}

void TdtpDocument::ShapeListChanged()
{
    if (OnShapeListChanged)
        OnShapeListChanged(this);
}

void TdtpDocument::ReportLoadError(TdtpShape* shape, const QString& message)
{
    if (OnLoadError)
        OnLoadError(this, shape, message);
}

void TdtpDocument::Invalidate(const QRect& screenRect)
{
    if (OnInvalidate && !FLoading && !IsPrinting())
        OnInvalidate(this, screenRect);
}

void TdtpDocument::DocumentChanged()
{
    SetModified(true);
    if (OnDocumentChanged)
        OnDocumentChanged(this);
}

void TdtpDocument::PageChanged(TdtpPage* page)
{
    if (OnPageChanged)
        OnPageChanged(this, page);
}

void TdtpDocument::DeleteArchiveStream(const QString& name) { FArchive->DeleteStream(name); }

// ---- rendering contexts ----

TDeviceContext TdtpDocument::PrintContext(float dpm) const
{
    TDeviceContext dc;
    dc.Device = TDeviceType::dtPrinter;
    dc.BackColor = ColorToRgb(CurrentPage() ? CurrentPage()->PageColor() : FDefaultPageColor, 0);
    dc.DeviceDpm = dpm;
    dc.RenderDpm = dpm;
    dc.StretchFilter = FQuality;
    return dc;
}

TDeviceContext TdtpDocument::ScreenContext() const
{
    TDeviceContext dc = PrintContext(FScreenDpm);
    dc.Device = TDeviceType::dtScreen;
    dc.RenderDpm = FRenderAtScreenRes ? FScreenDpm : FRenderDpm;
    return dc;
}

}  // namespace tessaly::document
