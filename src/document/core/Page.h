// TdtpPage: one page of a document, the root of a shape tree; takes its settings from the document
// defaults while IsDefaultPage is on.
#pragma once

#include "document/core/Shape.h"

#include <QImage>

namespace tessaly::document {

class TdtpPage : public TdtpShape {
public:
    TdtpPage();
    QString ClassName() const override { return QStringLiteral("TdtpPage"); }

    bool IsDefaultPage() const { return FIsDefaultPage; }
    void SetIsDefaultPage(bool value);

    // Effective settings: the document defaults while IsDefaultPage is on.
    float MarginLeft() const;
    float MarginTop() const;
    float MarginRight() const;
    float MarginBottom() const;
    float GridSize() const;
    TColor GridColor() const;
    TColor PageColor() const;
    bool BackgroundTiled() const;
    // Setting any of them first copies the document defaults into the page and leaves default mode.
    void SetMarginLeft(float value);
    void SetMarginTop(float value);
    void SetMarginRight(float value);
    void SetMarginBottom(float value);
    void SetGridSize(float value);
    void SetGridColor(TColor value);
    void SetPageColor(TColor value);
    void SetBackgroundTiled(bool value);
    void SetPageSize(float width, float height);  // paper size; leaves default mode too

    bool Loaded() const { return FLoaded; }
    void SetLoaded(bool value) { FLoaded = value; }
    void EnsureLoaded();
    int PageIndex() const;  // 0-based index in its document, -1 without one

    const QImage& Thumbnail() const { return FThumbnail; }
    void SetThumbnail(const QImage& image) { FThumbnail = image; FThumbnailStale = false; }
    bool ThumbnailStale() const { return FThumbnailStale || FThumbnail.isNull(); }
    void SetThumbnailStale() { FThumbnailStale = true; }

    QString GetDisplayName() const override;
    QPointF SnapPoint(QPointF point) const override;
    void SetModified(bool value) override;
    void PaintBitmap(QImage& bitmap, const TDeviceContext& dc) override;
    void PaintAfterChildren(QImage& bitmap, const TDeviceContext& dc) override;
    // The paper and the background hook; a page with a foreground hook has no vector form.
    bool PaintsVector() const override;
    void PaintVector(QPainter& canvas, const TDeviceContext& dc) override;
    void SaveToXml(pugi::xml_node& node) const override;
    void LoadFromXml(const pugi::xml_node& node) override;

    // Sets the paper size from the document defaults (default pages only).
    void FollowDefaults();

private:
    void LeaveDefaultMode();

    float FMargins[4] = {10, 10, 10, 10};  // left, top, right, bottom
    float FGridSize = 5;
    TColor FGridColor = 0xFFFFC0, FPageColor = 0xFFFFFF;
    bool FBackgroundTiled = false;
    bool FIsDefaultPage = true;
    bool FLoaded = true;
    bool FThumbnailStale = true;
    QImage FThumbnail;
};

}  // namespace tessaly::document
