// Wiring of labelshapes into the print run's hooks.
#include "batch/LabelPrintHooks.h"

#include "labelshapes/LabelShapes.h"
#include "labelshapes/ResolvePage.h"

namespace tessaly::batch {

print::PrintHooks LabelPrintHooks()
{
    print::PrintHooks hooks;
    hooks.resolvePage = [](document::TdtpShape& page, const values::ResolveContext& context,
                           values::ResolveScope scope) { return labelshapes::ResolvePage(page, context, scope); };
    hooks.pageUsesSource = [](const document::TdtpShape& page, std::int32_t valueType) {
        return labelshapes::PageUsesSource(page, valueType);
    };
    hooks.prepareBarcodeQuality = [](document::TdtpShape& labelCopy, bool normal) {
        labelshapes::SetPageOutputMode(labelCopy, normal ? labelshapes::TBarcodeQuality::Normale
                                                         : labelshapes::TBarcodeQuality::Fin);
    };
    return hooks;
}

} // namespace tessaly::batch
