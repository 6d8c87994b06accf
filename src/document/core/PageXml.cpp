// The XML form of a page: its own settings (only when it is not a default page), then the shape part.
#include "document/core/Page.h"

#include "document/core/Document.h"
#include "document/core/XmlKeys.h"

namespace tessaly::document {

void TdtpPage::SaveToXml(pugi::xml_node& node) const
{
    WriteBool(node, "IsDefaultPage", FIsDefaultPage, true);
    if (!FIsDefaultPage) {
        WriteFloat(node, "MarginLeft", FMargins[0], 0.0);
        WriteFloat(node, "MarginTop", FMargins[1], 0.0);
        WriteFloat(node, "MarginRight", FMargins[2], 0.0);
        WriteFloat(node, "MarginBottom", FMargins[3], 0.0);
        WriteFloat(node, "GridSize", FGridSize, 0.0);
        WriteColour(node, "GridColor", FGridColor, 0xFFFFC0u);
        WriteColour(node, "PageColor", FPageColor, 0xFFFFFFu);
        WriteFloat(node, "PageWidth", DocWidth(), 0.0);
        WriteFloat(node, "PageHeight", DocHeight(), 0.0);
        WriteBool(node, "BackgroundTiled", FBackgroundTiled, false);
    }
    TdtpShape::SaveToXml(node);
}

void TdtpPage::LoadFromXml(const pugi::xml_node& node)
{
    XmlValueReader r(node);
    if (!node)
        throw DocumentError("XML Node is not assigned");
    FIsDefaultPage = r.Bool("IsDefaultPage", true);
    if (!FIsDefaultPage) {
        FMargins[0] = r.Single("MarginLeft", 0);
        FMargins[1] = r.Single("MarginTop", 0);
        FMargins[2] = r.Single("MarginRight", 0);
        FMargins[3] = r.Single("MarginBottom", 0);
        FGridSize = r.Single("GridSize", 0);
        FGridColor = r.Hex("GridColor", 0xFFFFC0u);
        FPageColor = r.Hex("PageColor", 0xFFFFFFu);
        FBackgroundTiled = r.Bool("BackgroundTiled", false);
    }
    TdtpShape::LoadFromXml(node);
    if (!FIsDefaultPage) {
        const float width = r.Single("PageWidth", DocWidth());
        const float height = r.Single("PageHeight", DocHeight());
        StoreGeometryUnrecorded(DocLeft(), DocTop(), width, height);
    } else if (Document()) {
        StoreGeometryUnrecorded(DocLeft(), DocTop(), Document()->DefaultPageWidth(), Document()->DefaultPageHeight());
    }
}

}  // namespace tessaly::document
