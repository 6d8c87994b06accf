// One sheet of label copies in a print or preview document: the template snapshot of the label
// page, the grid, and placing a copy in a cell. Holds one sheet at a time.
#pragma once

#include "document/core/Document.h"
#include "sheet/SheetGrid.h"
#include "sheet/SheetLayout.h"
#include "values/ValueResolution.h"

#include <QSizeF>

#include <cstdint>
#include <functional>
#include <memory>
#include <pugixml.hpp>

namespace tessaly::print {

// The label-shape operations a run needs, given by the program (labelshapes::ResolvePage,
// labelshapes::PageUsesSource, the output-mode switch). Empty hooks do nothing.
struct PrintHooks {
    std::function<bool(document::TdtpShape& page, const values::ResolveContext& context, values::ResolveScope scope)>
        resolvePage;
    std::function<bool(const document::TdtpShape& page, std::int32_t valueType)> pageUsesSource;
    // `PrepareBarcodeQuality`: the output-mode switch, `normal` for "Normale", clear for "Fin".
    std::function<void(document::TdtpShape& labelCopy, bool normal)> prepareBarcodeQuality;
    // Hands extended pictures that do not follow a record field the render resolution (0 in
    // previews) and lets them reload their image.
    std::function<void(document::TdtpShape& labelCopy, float renderDpm)> preparePictures;
};

// More labels than any real stock holds on one sheet: a geometry beyond it is refused rather than
// filling memory with copies.
inline constexpr int kMaxLabelsPerSheet = 20000;

class SheetAssembler {
public:
    // `target` is the print document (reset for every sheet) or, with `preview`, the preview
    // document (its current page emptied). Takes the template from `labelPage`; the layout may be
    // in any unit. Throws std::runtime_error when the sheet would hold over kMaxLabelsPerSheet.
    SheetAssembler(document::TdtpDocument& target, const document::TdtpPage& labelPage,
                   const sheet::SheetLayout& layout, const PrintHooks& hooks, bool preview);

    // `PrepareSheet`: an empty sheet page of the paper size, its margins the outer margins.
    void PrepareSheet();

    const sheet::SheetGrid& Grid() const { return grid_; }
    QSizeF SheetMm() const { return sheetMm_; }
    bool UsesSpecialValues() const { return usesSpecialValues_; }
    document::TdtpDocument& Document() { return target_; }

    std::unique_ptr<document::TdtpPage> CopyFromTemplate() const;
    std::unique_ptr<document::TdtpPage> CopyFromCache() const;
    void StoreInCache(const document::TdtpPage& copy);
    bool HasCache() const { return cacheValid_; }

    // `PlaceCopy`: positions the copy in cell `cell` (rotated by 90 degrees with vertical
    // orientation, rows then counted from the bottom edge), adds it, zeroes its margins.
    document::TdtpPage& PlaceCopy(std::unique_ptr<document::TdtpPage> copy, int cell);

private:
    std::unique_ptr<document::TdtpPage> CopyFrom(const pugi::xml_document& snapshot) const;

    document::TdtpDocument& target_;
    sheet::SheetLayout layoutMm_;
    QSizeF sheetMm_;
    QSizeF labelMm_;
    sheet::SheetGrid grid_;
    bool preview_;
    bool usesSpecialValues_ = false;
    pugi::xml_document template_;
    pugi::xml_document cache_;
    bool cacheValid_ = false;
};

} // namespace tessaly::print
