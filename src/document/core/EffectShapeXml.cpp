// The XML form of effects and of the effect list of an effect shape.
#include "document/core/EffectShape.h"

#include "document/core/XmlKeys.h"
#include "document/storage/XmlWriter.h"

namespace tessaly::document {

void TdtpEffect::SaveToXml(pugi::xml_node& node) const
{
    WriteString(node, "ClassName", ClassName());
    WriteBool(node, "Enabled", FEnabled, false);
    WriteInteger(node, "Source", FSource, -2);
}

void TdtpEffect::LoadFromXml(const pugi::xml_node& node)
{
    XmlValueReader r(node);
    FEnabled = r.Bool("Enabled", false);
    FSource = r.Int("Source", -2);
}

void TdtpEffectShape::SaveToXml(pugi::xml_node& node) const
{
    TdtpShape::SaveToXml(node);
    SaveEffects(node);
}

void TdtpEffectShape::LoadFromXml(const pugi::xml_node& node)
{
    TdtpShape::LoadFromXml(node);
    LoadEffects(node);
}

void TdtpEffectShape::SaveEffects(pugi::xml_node& node) const
{
    int index = 0;
    for (const auto& effect : FEffects) {
        pugi::xml_node element = AddElement(node, "Effect");
        SetIndexAttribute(element, ++index);
        effect->SaveToXml(element);
    }
}

void TdtpEffectShape::LoadEffects(const pugi::xml_node& node)
{
    FEffects.clear();
    ForEachElement(node, "Effect", [&](const pugi::xml_node& element) {
        FEffects.push_back(CreateEffect(ReadString(element, "ClassName")));
        FEffects.back()->SetShape(this);
        FEffects.back()->LoadFromXml(element);
    });
    InvalidateCache();
}

QByteArray TdtpEffectShape::SaveEffectToString(const TdtpEffect& effect)
{
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("Effect");
    effect.SaveToXml(root);
    return WriteXml(root, XmlForm::Compact);
}

void TdtpEffectShape::LoadEffectFromString(TdtpEffect& effect, const QByteArray& text)
{
    pugi::xml_document xml;
    if (ParseXml(xml, text))
        if (const pugi::xml_node root = xml.child("Effect"))
            effect.LoadFromXml(root);
}

}  // namespace tessaly::document
