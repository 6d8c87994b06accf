// Shared fixtures of the label shape tests: a record of known fields, a calculator on a fixed
// clock, a label document with one page, and shape XML helpers.
#pragma once

#include "document/core/Document.h"
#include "document/storage/XmlWriter.h"
#include "values/RecordSource.h"
#include "values/SpecialValueCalculator.h"

#include <QDateTime>
#include <QLocale>

#include <pugixml.hpp>

#include <map>
#include <memory>
#include <string>

namespace tessaly::labelshapes::test {

// Fields "f1".."f15" hold "v1".."v15" unless set; an unknown field number throws, as the
// article data set does.
class FakeRecord : public values::RecordSource {
public:
    std::map<int, std::string> values;

    bool hasCurrentRecord() const override { return true; }
    std::int64_t recordNumber() const override { return 1; }
    std::optional<std::int64_t> quantity() const override { return 1; }
    std::string fieldValue(int n) const override
    {
        if (n < 1 || n > 15)
            throw std::runtime_error("unknown field");
        const auto it = values.find(n);
        return it != values.end() ? it->second : "v" + std::to_string(n);
    }
};

inline values::Tvaleurspeciale FixedCalculator()
{
    return values::Tvaleurspeciale(QLocale(QLocale::French, QLocale::France),
                                   [] { return QDateTime(QDate(2027, 1, 31), QTime(14, 5, 9)); });
}

// A one-page document of `width` x `height` mm with a white page.
inline std::unique_ptr<document::TdtpDocument> LabelDocument(float width, float height)
{
    auto document = std::make_unique<document::TdtpDocument>();
    document->SetPageWidth(width);
    document->SetPageHeight(height);
    document->SetUndoEnabled(false);
    return document;
}

// The shape's own XML in compact form (root "Shape").
inline QByteArray ShapeXml(const document::TdtpShape& shape)
{
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("Shape");
    shape.SaveToXml(root);
    return document::WriteXml(root, document::XmlForm::Compact);
}

} // namespace tessaly::labelshapes::test
