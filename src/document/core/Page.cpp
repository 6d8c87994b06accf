// TdtpPage: page settings with document defaults, paper painting, grid snapping.
#include "document/core/Page.h"

#include "document/core/Document.h"
#include "document/core/ShapeRegistry.h"

#include <QPainter>

#include <cmath>

namespace tessaly::document {

TESSALY_REGISTER_SHAPE_CLASS(TdtpPage)

TdtpPage::TdtpPage()
{
    StoreGeometryUnrecorded(0, 0, 210, 297);
}

float TdtpPage::MarginLeft() const { return FIsDefaultPage && Document() ? Document()->DefaultMarginLeft() : FMargins[0]; }
float TdtpPage::MarginTop() const { return FIsDefaultPage && Document() ? Document()->DefaultMarginTop() : FMargins[1]; }
float TdtpPage::MarginRight() const { return FIsDefaultPage && Document() ? Document()->DefaultMarginRight() : FMargins[2]; }
float TdtpPage::MarginBottom() const { return FIsDefaultPage && Document() ? Document()->DefaultMarginBottom() : FMargins[3]; }
float TdtpPage::GridSize() const { return FIsDefaultPage && Document() ? Document()->DefaultGridSize() : FGridSize; }
TColor TdtpPage::GridColor() const { return FIsDefaultPage && Document() ? Document()->DefaultGridColor() : FGridColor; }
TColor TdtpPage::PageColor() const { return FIsDefaultPage && Document() ? Document()->DefaultPageColor() : FPageColor; }
bool TdtpPage::BackgroundTiled() const
{
    return FIsDefaultPage && Document() ? Document()->DefaultBackgroundTiled() : FBackgroundTiled;
}

void TdtpPage::LeaveDefaultMode()
{
    if (!FIsDefaultPage)
        return;
    if (const TdtpDocument* doc = Document()) {
        FMargins[0] = doc->DefaultMarginLeft();
        FMargins[1] = doc->DefaultMarginTop();
        FMargins[2] = doc->DefaultMarginRight();
        FMargins[3] = doc->DefaultMarginBottom();
        FGridSize = doc->DefaultGridSize();
        FGridColor = doc->DefaultGridColor();
        FPageColor = doc->DefaultPageColor();
        FBackgroundTiled = doc->DefaultBackgroundTiled();
    }
    FIsDefaultPage = false;
}

void TdtpPage::SetIsDefaultPage(bool value)
{
    if (value == FIsDefaultPage)
        return;
    if (!value) {
        LeaveDefaultMode();
    } else {
        FIsDefaultPage = true;
        FollowDefaults();
    }
    InvalidateCache();
    Changed();
}

void TdtpPage::FollowDefaults()
{
    if (FIsDefaultPage && Document())
        SetBounds(DocLeft(), DocTop(), Document()->DefaultPageWidth(), Document()->DefaultPageHeight());
}

namespace {
template <class T>
bool StoreIfChanged(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
}  // namespace

#define TESSALY_PAGE_SETTER(Setter, Type, Field)  \
    void TdtpPage::Setter(Type value)              \
    {                                              \
        LeaveDefaultMode();                        \
        if (StoreIfChanged(Field, value)) {                \
            InvalidateCache();                     \
            InvalidateScreen();                    \
            Changed();                             \
        }                                          \
    }

TESSALY_PAGE_SETTER(SetMarginLeft, float, FMargins[0])
TESSALY_PAGE_SETTER(SetMarginTop, float, FMargins[1])
TESSALY_PAGE_SETTER(SetMarginRight, float, FMargins[2])
TESSALY_PAGE_SETTER(SetMarginBottom, float, FMargins[3])
TESSALY_PAGE_SETTER(SetGridSize, float, FGridSize)
TESSALY_PAGE_SETTER(SetGridColor, TColor, FGridColor)
TESSALY_PAGE_SETTER(SetPageColor, TColor, FPageColor)
TESSALY_PAGE_SETTER(SetBackgroundTiled, bool, FBackgroundTiled)

#undef TESSALY_PAGE_SETTER

void TdtpPage::SetPageSize(float width, float height)
{
    LeaveDefaultMode();
    SetBounds(DocLeft(), DocTop(), width, height);
}

void TdtpPage::EnsureLoaded()
{
    if (!FLoaded && Document())
        Document()->LoadPage(PageIndex());
    FLoaded = true;
}

int TdtpPage::PageIndex() const { return Document() ? Document()->PageIndexOf(this) : -1; }

QString TdtpPage::GetDisplayName() const
{
    if (!Name().isEmpty())
        return Name();
    return QStringLiteral("Page %1").arg(PageIndex() + 1);
}

QPointF TdtpPage::SnapPoint(QPointF point) const
{
    const double step = GridSize();
    if (!(step > 0))
        return point;
    return {std::round(point.x() / step) * step, std::round(point.y() / step) * step};
}

void TdtpPage::SetModified(bool value)
{
    TdtpShape::SetModified(value);
    if (value)
        FThumbnailStale = true;
}

void TdtpPage::PaintBitmap(QImage& bitmap, const TDeviceContext& dc)
{
    if (dc.Device != TDeviceType::dtTransparent) {
        QPainter painter(&bitmap);
        const QRectF paper(LocalToPixel({0, 0}), LocalToPixel({DocWidth(), DocHeight()}));
        painter.fillRect(paper, QColor::fromRgb(ColorToRgb(PageColor())));
    }
    if (Document() && Document()->OnPaintBackground) {
        QPainter painter(&bitmap);
        painter.setTransform(RenderTransform().ToQTransform());
        Document()->OnPaintBackground(Document(), painter, dc);
    }
}

bool TdtpPage::PaintsVector() const
{
    return !(Document() && Document()->OnPaintForeground);
}

void TdtpPage::PaintVector(QPainter& canvas, const TDeviceContext& dc)
{
    if (dc.Device != TDeviceType::dtTransparent) {
        const QRectF paper(LocalToPixel({0, 0}), LocalToPixel({DocWidth(), DocHeight()}));
        canvas.fillRect(paper, QColor::fromRgb(ColorToRgb(PageColor())));
    }
    if (Document() && Document()->OnPaintBackground) {
        canvas.save();
        canvas.setTransform(RenderTransform().ToQTransform() * dc.PixelToDevice);
        Document()->OnPaintBackground(Document(), canvas, dc);
        canvas.restore();
    }
}

void TdtpPage::PaintAfterChildren(QImage& bitmap, const TDeviceContext& dc)
{
    if (Document() && Document()->OnPaintForeground) {
        QPainter painter(&bitmap);
        painter.setTransform(RenderTransform().ToQTransform());
        Document()->OnPaintForeground(Document(), painter, dc);
    }
}

}  // namespace tessaly::document
