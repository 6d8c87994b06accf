// ResolvePage and PageUsesSource over the value shapes of a page.
#include "labelshapes/ResolvePage.h"

#include "labelshapes/ShapeWalk.h"
#include "labelshapes/ValueShape.h"

#include <exception>
#include <vector>

namespace tessaly::labelshapes {

bool ResolvePage(document::TdtpShape& page, const values::ResolveContext& context, values::ResolveScope scope)
{
    try {
        ForEachShape(page, [&](document::TdtpShape& shape) {
            auto* valueShape = dynamic_cast<TValueShape*>(&shape);
            if (valueShape && values::ScopeIncludes(scope, valueShape->ValueShapeKind()))
                valueShape->ResolveValue(context);
            return true;
        });
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

bool PageUsesSource(const document::TdtpShape& page, std::int32_t type)
{
    std::vector<values::ShapeValueInfo> shapes;
    ForEachShape(page, [&](const document::TdtpShape& shape) {
        if (const auto* valueShape = dynamic_cast<const TValueShape*>(&shape))
            shapes.push_back(valueShape->ValueInfo());
        return true;
    });
    return values::PageUsesSource(shapes, type);
}

} // namespace tessaly::labelshapes
