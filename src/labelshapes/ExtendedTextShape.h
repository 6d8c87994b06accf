// TdtpTexteetenduShape: the label's one-line text whose value is fixed, a record field or a
// special value, framed by a prefix and a suffix. While designing its text shows the field's
// placeholder ("[*2*]"); every printed copy shows the value of its label.
#pragma once

#include "document/shapes/TextShape.h"
#include "labelshapes/ValueShape.h"
#include "values/ValueSource.h"

#include <QString>

namespace tessaly::labelshapes {

class TdtpTexteetenduShape : public document::TdtpTextShape, public TValueShape {
public:
    QString ClassName() const override { return QStringLiteral("TdtpTexteetenduShape"); }

    // "Ftypevaleur", "Fnuchamp" and the special settings with "Fprefixe" and "Fsuffixe" (no key type).
    const values::ValueSource& Source() const { return FSource; }
    void SetSource(const values::ValueSource& source);

    void SaveToXml(pugi::xml_node& node) const override;
    void LoadFromXml(const pugi::xml_node& node) override;

    values::ShapeKind ValueShapeKind() const override { return values::ShapeKind::ExtendedText; }
    values::ShapeValueInfo ValueInfo() const override;
    // The text becomes prefix + value + suffix with its placeholders substituted.
    void ResolveValue(const values::ResolveContext& context) override;

private:
    values::ValueSource FSource;
    QString FTextini;        // stored only, left empty
    QString FTextFormatA;    // stored only, left empty
};

} // namespace tessaly::labelshapes
