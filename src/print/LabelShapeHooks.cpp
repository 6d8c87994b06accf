// Binding of the label shapes into the run hooks.
#include "print/LabelShapeHooks.h"

#include "labelshapes/LabelShapes.h"
#include "labelshapes/ResolvePage.h"

namespace tessaly::print {

void PrepareBarcodeQuality(document::TdtpShape& labelCopy, bool normal)
{
    labelshapes::SetPageOutputMode(labelCopy, normal ? labelshapes::TBarcodeQuality::Normale
                                                     : labelshapes::TBarcodeQuality::Fin);
}

PrintHooks LabelShapeHooks()
{
    // Copies are recreated by class name from the template.
    labelshapes::RegisterLabelShapes();
    PrintHooks hooks;
    hooks.resolvePage = [](document::TdtpShape& page, const values::ResolveContext& context,
                           values::ResolveScope scope) { return labelshapes::ResolvePage(page, context, scope); };
    hooks.pageUsesSource = [](const document::TdtpShape& page, std::int32_t type) {
        return labelshapes::PageUsesSource(page, type);
    };
    hooks.prepareBarcodeQuality = &PrepareBarcodeQuality;
    return hooks;
}

} // namespace tessaly::print
