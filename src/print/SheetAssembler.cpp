// Template snapshot, sheet preparation and copy placement.
#include "print/SheetAssembler.h"

#include "document/core/Types.h"

#include <stdexcept>

namespace tessaly::print {

namespace {

constexpr char kPageNode[] = "Page";

void Snapshot(const document::TdtpPage& page, pugi::xml_document& into)
{
    into.reset();
    pugi::xml_node node = into.append_child(kPageNode);
    page.SaveToXml(node);
}

// The grid of the print document's page: cells of the label page's size, not the size fields.
sheet::GridGeometry GridOf(const sheet::SheetLayout& mm, QSizeF sheetMm, QSizeF labelMm)
{
    sheet::SheetLayout cells = mm;
    cells.pageWidth = sheetMm.width();
    cells.pageHeight = sheetMm.height();
    cells.labelWidth = labelMm.width();
    cells.labelHeight = labelMm.height();
    return sheet::GeometryOf(cells);
}

} // namespace

SheetAssembler::SheetAssembler(document::TdtpDocument& target, const document::TdtpPage& labelPage,
                               const sheet::SheetLayout& layout, const PrintHooks& hooks, bool preview)
    : target_(target),
      layoutMm_(sheet::InMillimetres(layout)),
      sheetMm_(float(layoutMm_.pageWidth), float(layoutMm_.pageHeight)),
      labelMm_(labelPage.DocWidth(), labelPage.DocHeight()),
      grid_(GridOf(layoutMm_, sheetMm_, labelMm_)),
      preview_(preview)
{
    if (grid_.LabelsPerPage() > kMaxLabelsPerSheet)
        throw std::runtime_error("The sheet holds too many labels");
    Snapshot(labelPage, template_);
    std::unique_ptr<document::TdtpPage> temporary = CopyFromTemplate();
    if (hooks.preparePictures)
        hooks.preparePictures(*temporary, preview ? 0.0f : document::kDpm300);
    if (hooks.pageUsesSource)
        usesSpecialValues_ = hooks.pageUsesSource(*temporary, 3);
    Snapshot(*temporary, template_);
}

void SheetAssembler::PrepareSheet()
{
    if (preview_) {
        if (!target_.CurrentPage())
            target_.NewDocument();
        target_.CurrentPage()->Clear();
    } else {
        target_.ResetDocument();
        target_.NewDocument();
        target_.SetCurrentPageIndex(0);
        target_.CurrentPage()->Clear();
        // Rendered for the printer at 300 DPI; caches follow the same resolution.
        target_.SetPrintQuality(document::TdtpPrintQualityType::pqMedium);
        target_.SetRenderDpm(document::kDpm300);
    }
    target_.SetUndoEnabled(false);
    document::TdtpPage& page = *target_.CurrentPage();
    page.SetPageSize(float(sheetMm_.width()), float(sheetMm_.height()));
    page.SetMarginLeft(float(layoutMm_.outerMarginX));
    page.SetMarginRight(float(layoutMm_.outerMarginX));
    page.SetMarginTop(float(layoutMm_.outerMarginY));
    page.SetMarginBottom(float(layoutMm_.outerMarginY));
}

std::unique_ptr<document::TdtpPage> SheetAssembler::CopyFrom(const pugi::xml_document& snapshot) const
{
    auto copy = std::make_unique<document::TdtpPage>();
    copy->LoadFromXml(snapshot.child(kPageNode));
    // A default page takes its size from a document; the copy has none, so it gets the label's.
    copy->SetSize(float(labelMm_.width()), float(labelMm_.height()));
    return copy;
}

std::unique_ptr<document::TdtpPage> SheetAssembler::CopyFromTemplate() const
{
    return CopyFrom(template_);
}

std::unique_ptr<document::TdtpPage> SheetAssembler::CopyFromCache() const
{
    return CopyFrom(cacheValid_ ? cache_ : template_);
}

void SheetAssembler::StoreInCache(const document::TdtpPage& copy)
{
    Snapshot(copy, cache_);
    cacheValid_ = true;
}

document::TdtpPage& SheetAssembler::PlaceCopy(std::unique_ptr<document::TdtpPage> copy, int cell)
{
    const sheet::CellPlacement at = grid_.Placement(cell);
    copy->SetDocLeft(float(at.left));
    copy->SetDocTop(float(at.top));
    copy->SetDocAngle(float(at.angle));
    document::TdtpPage& placed = *copy;
    target_.AddShape(std::move(copy));
    placed.SetMarginLeft(0);
    placed.SetMarginTop(0);
    placed.SetMarginRight(0);
    placed.SetMarginBottom(0);
    return placed;
}

} // namespace tessaly::print
