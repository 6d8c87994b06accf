// ResolvePage: which shapes each scope reaches, groups, abandoning a page at the first error;
// PageUsesSource over the shapes of a page.
#include "LabelTestSupport.h"

#include "labelshapes/BarcodeShape.h"
#include "labelshapes/DatamatrixShape.h"
#include "labelshapes/ExtendedTextShape.h"
#include "labelshapes/ResolvePage.h"

#include <gtest/gtest.h>

namespace tessaly::labelshapes {
namespace {

// Stands for the extended picture of a later shape module: counts its resolutions.
class FakePicture : public document::TdtpShape, public TValueShape {
public:
    int resolved = 0;
    values::ShapeKind ValueShapeKind() const override { return values::ShapeKind::ExtendedPicture; }
    values::ShapeValueInfo ValueInfo() const override { return {values::ShapeKind::ExtendedPicture, 2, {}}; }
    void ResolveValue(const values::ResolveContext&) override { ++resolved; }
};

std::unique_ptr<TdtpBarCodeShape> FixedBarcode(const QString& text)
{
    auto shape = std::make_unique<TdtpBarCodeShape>();
    shape->SetInsertionDefaults();
    shape->SetText(text);
    shape->SetTextAff(text);
    return shape;
}

std::unique_ptr<TdtpBDatamatrixShape> FixedDatamatrix(const QString& text)
{
    auto shape = std::make_unique<TdtpBDatamatrixShape>();
    shape->SetInsertionDefaults();
    shape->SetCode(text);
    shape->SetTextAff(text);
    return shape;
}

template <class Shape>
Shape* Add(document::TdtpShape& parent, std::unique_ptr<Shape> shape)
{
    Shape* added = shape.get();
    parent.AddChild(std::move(shape));
    return added;
}

class ResolvePageTest : public ::testing::Test {
protected:
    bool Resolve(values::ResolveScope scope)
    {
        return ResolvePage(page, {record, {1, 1, 1}, calculator}, scope);
    }

    document::TdtpPage page;
    test::FakeRecord record;
    values::Tvaleurspeciale calculator = test::FixedCalculator();
};

TEST_F(ResolvePageTest, EachScopeReachesItsKindsOfShape)
{
    struct Case {
        values::ResolveScope scope;
        bool codes;     // barcode and DataMatrix (inside a group)
        bool pictures;
    };
    const Case cases[] = {
        {values::ResolveScope::All, true, true},
        {values::ResolveScope::PicturesOnly, false, true},
        {values::ResolveScope::AllButPictures, true, false},
    };
    for (const Case& c : cases) {
        document::TdtpPage fresh;
        auto* barcodeShape = Add(fresh, FixedBarcode(QStringLiteral("[*1*]")));
        auto* group = Add(fresh, std::make_unique<document::TdtpGroupShape>());
        auto* matrix = Add(*group, FixedDatamatrix(QStringLiteral("[*2*]")));
        auto* picture = Add(fresh, std::make_unique<FakePicture>());

        EXPECT_TRUE(ResolvePage(fresh, {record, {1, 1, 1}, calculator}, c.scope));
        SCOPED_TRACE(int(c.scope));
        EXPECT_EQ(barcodeShape->Text(), c.codes ? QStringLiteral("v1") : QStringLiteral("[*1*]"));
        EXPECT_EQ(barcodeShape->TextAff(), barcodeShape->Text());
        EXPECT_EQ(matrix->Code(), c.codes ? QStringLiteral("v2") : QStringLiteral("[*2*]"));
        EXPECT_EQ(matrix->TextAff(), QStringLiteral("[*2*]"));  // only the data takes the value
        EXPECT_EQ(picture->resolved, c.pictures ? 1 : 0);
    }
}

TEST_F(ResolvePageTest, ExtendedTextsTakeTheirFieldFramedAndSubstituted)
{
    struct Case {
        std::int32_t valueType;
        const char* text;
        const char* prefix;
        const char* printed;
    };
    const Case cases[] = {
        {2, "Lot [*4*]", "Lot ", "Lot v4"},               // the field value replaces the placeholder part
        {1, "[*1*] / [*2*]", "", "v1 / v2"},             // a fixed text with two placeholders
        {1, "Fixed", "", "Fixed"},
    };
    for (const Case& c : cases) {
        document::TdtpPage fresh;
        auto text = std::make_unique<TdtpTexteetenduShape>();
        text->SetText(QString::fromUtf8(c.text));
        values::ValueSource source;
        source.valueType = c.valueType;
        source.fieldNumber = 4;
        source.special.prefix = QString::fromUtf8(c.prefix);
        text->SetSource(source);
        auto* shape = Add(fresh, std::move(text));
        EXPECT_EQ(PageUsesSource(fresh, 2), QString::fromUtf8(c.text).contains(QStringLiteral("[*")));
        EXPECT_TRUE(ResolvePage(fresh, {record, {1, 1, 1}, calculator}, values::ResolveScope::PicturesOnly));
        EXPECT_EQ(shape->Text(), QString::fromUtf8(c.text));   // texts are not in the pictures' scope
        EXPECT_TRUE(ResolvePage(fresh, {record, {1, 1, 1}, calculator}, values::ResolveScope::AllButPictures));
        EXPECT_EQ(shape->Text(), QString::fromUtf8(c.printed)) << c.text;
    }
}

TEST_F(ResolvePageTest, AnErrorAbandonsTheRestOfThePage)
{
    auto* first = Add(page, FixedBarcode(QStringLiteral("[*1*]")));
    auto broken = FixedBarcode(QStringLiteral("123"));
    broken->SetTextAff(QStringLiteral("[*16*]"));  // no field 16: the record raises an error
    values::ValueSource source;
    source.valueType = 2;
    broken->SetSource(source);
    auto* brokenShape = Add(page, std::move(broken));
    auto* after = Add(page, FixedDatamatrix(QStringLiteral("[*2*]")));

    EXPECT_FALSE(Resolve(values::ResolveScope::All));
    EXPECT_EQ(first->Text(), QStringLiteral("v1"));
    EXPECT_EQ(brokenShape->Text(), QStringLiteral("123"));
    EXPECT_EQ(after->Code(), QStringLiteral("[*2*]"));
}

TEST_F(ResolvePageTest, PageUsesSourceLooksAtEveryValueShape)
{
    Add(page, FixedBarcode(QStringLiteral("123")));
    EXPECT_TRUE(PageUsesSource(page, 1));
    EXPECT_FALSE(PageUsesSource(page, 2));
    EXPECT_FALSE(PageUsesSource(page, 3));

    auto* group = Add(page, std::make_unique<document::TdtpGroupShape>());
    Add(*group, FixedDatamatrix(QStringLiteral("Lot [*4*]")));
    EXPECT_TRUE(PageUsesSource(page, 2));  // placeholder in a fixed value

    auto special = FixedBarcode(QStringLiteral("1"));
    values::ValueSource source;
    source.valueType = 3;
    special->SetSource(source);
    Add(page, std::move(special));
    EXPECT_TRUE(PageUsesSource(page, 3));
}

} // namespace
} // namespace tessaly::labelshapes
