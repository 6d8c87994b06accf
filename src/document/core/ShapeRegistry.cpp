// The shape class registry, kept in a function-local list so registration from static
// initialisers of any file works in any order.
#include "document/core/ShapeRegistry.h"

#include "document/core/Shape.h"

#include <utility>
#include <vector>

namespace tessaly::document {
namespace {

std::vector<std::pair<QString, TdtpShapeFactory>>& Registry()
{
    static std::vector<std::pair<QString, TdtpShapeFactory>> registry;
    return registry;
}

}  // namespace

bool RegisterShapeClass(const QString& name, TdtpShapeFactory factory)
{
    for (const auto& entry : Registry())
        if (entry.first == name)
            return false;
    Registry().emplace_back(name, factory);
    return true;
}

TdtpShapeFactory FindShapeClass(const QString& name)
{
    for (const auto& entry : Registry())
        if (entry.first == name)
            return entry.second;
    return &MakeShape<TdtpShape>;
}

std::unique_ptr<TdtpShape> CreateShape(const QString& name) { return FindShapeClass(name)(); }

QStringList RegisteredShapeClasses()
{
    QStringList names;
    for (const auto& entry : Registry())
        names << entry.first;
    return names;
}

}  // namespace tessaly::document
